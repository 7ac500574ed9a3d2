#include "ui/befehlsleiste.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <functional>

#include "help/infotexte.h"
#include "ui/farben.h"
#include "ui/tippzeile.h"

namespace brelvanostik {

namespace {

/// A picture of its own for a desktop without an icon theme: the symbol's character on a
/// rounded plate, in the side's colour.
QIcon eigenesSymbol(const QString& zeichen, const QColor& platte) {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(farben::kSchwarz, 1.5));
    maler.setBrush(platte);
    maler.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    QFont schrift = maler.font();
    schrift.setBold(true);
    schrift.setPixelSize(zeichen.size() > 1 ? 12 : 18);
    maler.setFont(schrift);
    maler.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, zeichen);
    return QIcon(bild);
}

struct Befehl {
    int nummer;
    const char* symbol;   ///< freedesktop icon name
    const char* zeichen;  ///< the program's own picture when the theme has none
    QColor platte;
    const char* name;  ///< accessible name and caption
    bool mitText;
};

}  // namespace

Befehlsleiste::Befehlsleiste(Tippzeile* tipp, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("befehlsleiste"));
    const Befehl links[] = {
        {0, "document-print", "G", farben::kHellgruen, "Grüne Berechnung drucken", false},
        {6, "dialog-information", "i", farben::kHellgruen, "Interne Werte der grünen Berechnung",
         false},
        {9, "", "", farben::kHellgruen, "Versorgungsbezüge", true},
    };
    const Befehl rechts[] = {
        {10, "", "", farben::kHellcyan, "Versorgungsbezüge", true},
        {5, "dialog-information", "i", farben::kHellcyan, "Interne Werte der blauen Berechnung",
         false},
        {30, "document-print", "B", farben::kHellcyan, "Blaue Berechnung drucken", false},
        {8, "document-print-preview", "GB", farben::kGelbeSpalte, "Beide Berechnungen drucken",
         false},
        {2, "accessories-calculator", "=", farben::kWeiss, "Taschenrechner", false},
        {3, "help-contents", "?", farben::kWeiss, "Lohnsteuer Schritt für Schritt", false},
        {4, "help-about", "!", farben::kWeiss, "Programminformationen", false},
        {1, "view-restore", "\u25ab", farben::kWeiss, "Standardgröße", false},
        {31, "view-fullscreen", "\u25a1", farben::kWeiss, "Bildschirmgröße", false},
    };
    const std::map<int, std::function<void()>> aktionen = {
        {0, [this] { emit druckenGeklickt(Seite::Gruen); }},
        {30, [this] { emit druckenGeklickt(Seite::Blau); }},
        {8, [this] { emit beideDruckenGeklickt(); }},
        {6, [this] { emit interneWerteGeklickt(Seite::Gruen); }},
        {5, [this] { emit interneWerteGeklickt(Seite::Blau); }},
        {9, [this] { emit versorgungGeklickt(Seite::Gruen); }},
        {10, [this] { emit versorgungGeklickt(Seite::Blau); }},
        {2, [this] { emit rechnerGeklickt(); }},
        {3, [this] { emit steuerschritteGeklickt(); }},
        {4, [this] { emit programminfoGeklickt(); }},
        {1, [this] { emit standardgroesseGeklickt(); }},
        {31, [this] { emit bildschirmgroesseGeklickt(); }},
    };

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(4);
    const auto anlegen = [&](const Befehl& b) {
        const QString name = QString::fromUtf8(b.name);
        auto* knopf = new QPushButton(b.mitText ? name : QString(), this);
        knopf->setObjectName(QStringLiteral("befehl_%1").arg(b.nummer));
        knopf->setAccessibleName(name);
        knopf->setFocusPolicy(Qt::ClickFocus);
        knopf->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        knopf->setMinimumSize(0, 0);
        if (!b.mitText) {
            knopf->setIcon(QIcon::fromTheme(QString::fromLatin1(b.symbol),
                                            eigenesSymbol(QString::fromUtf8(b.zeichen), b.platte)));
            knopf->setIconSize(QSize(22, 22));
        }
        farben::setzen(knopf, QPalette::Button, b.platte);
        const auto tippText = befehlstipp(b.nummer);
        tipp->anmelden(knopf,
                       QString::fromUtf8(tippText.data(), static_cast<qsizetype>(tippText.size())));
        const auto aktion = aktionen.at(b.nummer);
        connect(knopf, &QPushButton::clicked, this, [this, aktion] {
            emit befehlBeginnt();
            aktion();
        });
        knoepfe_[b.nummer] = knopf;
        zeile->addWidget(knopf, b.mitText ? 12 : 3);
    };
    for (const Befehl& b : links) anlegen(b);
    zeile->addWidget(tipp, 50);
    for (const Befehl& b : rechts) anlegen(b);
    knoepfe_.at(1)->hide();
}

QPushButton* Befehlsleiste::knopf(int nummer) const {
    const auto gefunden = knoepfe_.find(nummer);
    return gefunden != knoepfe_.end() ? gefunden->second : nullptr;
}

void Befehlsleiste::groesseZeigen(bool maximiert) {
    knoepfe_.at(1)->setVisible(maximiert);
    knoepfe_.at(31)->setVisible(!maximiert);
}

}  // namespace brelvanostik
