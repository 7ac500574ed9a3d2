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

struct Knopfart {
    Befehl befehl;
    const char* symbol;   ///< freedesktop icon name
    const char* zeichen;  ///< the program's own picture when the theme has none
    QColor platte;
    const char* name;  ///< accessible name and caption
    bool mitText;
};

}  // namespace

Befehlsleiste::Befehlsleiste(Tippzeile* tipp, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("befehlsleiste"));
    const Knopfart links[] = {
        {Befehl::GruenDrucken, "document-print", "G", farben::kHellgruen,
         "Grüne Berechnung drucken", false},
        {Befehl::InterneWerteGruen, "dialog-information", "i", farben::kHellgruen,
         "Interne Werte der grünen Berechnung", false},
        {Befehl::VersorgungGruen, "", "", farben::kHellgruen, "Versorgungsbezüge", true},
    };
    const Knopfart rechts[] = {
        {Befehl::VersorgungBlau, "", "", farben::kHellcyan, "Versorgungsbezüge", true},
        {Befehl::InterneWerteBlau, "dialog-information", "i", farben::kHellcyan,
         "Interne Werte der blauen Berechnung", false},
        {Befehl::BlauDrucken, "document-print", "B", farben::kHellcyan, "Blaue Berechnung drucken",
         false},
        {Befehl::BeideDrucken, "document-print-preview", "GB", farben::kGelbeSpalte,
         "Beide Berechnungen drucken", false},
        {Befehl::Taschenrechner, "accessories-calculator", "=", farben::kWeiss, "Taschenrechner",
         false},
        {Befehl::Steuerschritte, "help-contents", "?", farben::kWeiss,
         "Lohnsteuer Schritt für Schritt", false},
        {Befehl::Programminfo, "help-about", "!", farben::kWeiss, "Programminformationen", false},
        {Befehl::Standardgroesse, "view-restore", "\u25ab", farben::kWeiss, "Standardgröße", false},
        {Befehl::Bildschirmgroesse, "view-fullscreen", "\u25a1", farben::kWeiss, "Bildschirmgröße",
         false},
    };
    const std::map<Befehl, std::function<void()>> aktionen = {
        {Befehl::GruenDrucken, [this] { emit druckenGeklickt(Seite::Gruen); }},
        {Befehl::BlauDrucken, [this] { emit druckenGeklickt(Seite::Blau); }},
        {Befehl::BeideDrucken, [this] { emit beideDruckenGeklickt(); }},
        {Befehl::InterneWerteGruen, [this] { emit interneWerteGeklickt(Seite::Gruen); }},
        {Befehl::InterneWerteBlau, [this] { emit interneWerteGeklickt(Seite::Blau); }},
        {Befehl::VersorgungGruen, [this] { emit versorgungGeklickt(Seite::Gruen); }},
        {Befehl::VersorgungBlau, [this] { emit versorgungGeklickt(Seite::Blau); }},
        {Befehl::Taschenrechner, [this] { emit taschenrechnerGeklickt(); }},
        {Befehl::Steuerschritte, [this] { emit steuerschritteGeklickt(); }},
        {Befehl::Programminfo, [this] { emit programminfoGeklickt(); }},
        {Befehl::Standardgroesse, [this] { emit standardgroesseGeklickt(); }},
        {Befehl::Bildschirmgroesse, [this] { emit bildschirmgroesseGeklickt(); }},
    };

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(4);
    const auto anlegen = [&](const Knopfart& b) {
        const QString name = QString::fromUtf8(b.name);
        auto* knopf = new QPushButton(b.mitText ? name : QString(), this);
        knopf->setObjectName(QStringLiteral("befehl_%1").arg(static_cast<int>(b.befehl)));
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
        const auto tippText = befehlstipp(b.befehl);
        tipp->anmelden(knopf,
                       QString::fromUtf8(tippText.data(), static_cast<qsizetype>(tippText.size())));
        const auto aktion = aktionen.at(b.befehl);
        connect(knopf, &QPushButton::clicked, this, [this, aktion] {
            emit befehlBeginnt();
            aktion();
        });
        knoepfe_[b.befehl] = knopf;
        zeile->addWidget(knopf, b.mitText ? 12 : 3);
    };
    for (const Knopfart& b : links) anlegen(b);
    zeile->addWidget(tipp, 50);
    for (const Knopfart& b : rechts) anlegen(b);
    knoepfe_.at(Befehl::Standardgroesse)->hide();
}

QPushButton* Befehlsleiste::knopf(Befehl befehl) const {
    const auto gefunden = knoepfe_.find(befehl);
    return gefunden != knoepfe_.end() ? gefunden->second : nullptr;
}

void Befehlsleiste::groesseZeigen(bool maximiert) {
    knoepfe_.at(Befehl::Standardgroesse)->setVisible(maximiert);
    knoepfe_.at(Befehl::Bildschirmgroesse)->setVisible(!maximiert);
}

void Befehlsleiste::alleMonateZeigen(std::optional<Seite> seite) {
    for (const auto& [befehl, knopf] : knoepfe_) {
        if (seiteDesBefehls(befehl)) knopf->setVisible(befehlSichtbar(befehl, seite));
    }
}

}  // namespace brelvanostik
