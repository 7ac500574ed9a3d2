#include "ui/ergebnisspalte.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "help/infotexte.h"
#include "ui/farben.h"
#include "ui/seitenpanel.h"
#include "ui/tippzeile.h"
#include "ui/zahlenformat.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {
constexpr int kErsteZeile = zeile::Gehalt;
constexpr int kLetzteZeile = zeile::Auszahlung;
}  // namespace

Ergebnisspalte::Ergebnisspalte(QGridLayout* raster, int spalte, QWidget* flaeche, Tippzeile* tipp)
    : QObject(flaeche) {
    auto* hintergrund = new QFrame(flaeche);
    hintergrund->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    farben::hintergrund(hintergrund, farben::kGelbeSpalte);
    hintergrund->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    raster->addWidget(hintergrund, raster::zeileImRaster(kErsteZeile), spalte,
                      kLetzteZeile - kErsteZeile + 1, 1);
    hintergrund->lower();

    const QString werttipp = QString::fromUtf8(kGelbeSpalteTipp);
    tipp->anmelden(hintergrund, werttipp);
    for (int zeile = kErsteZeile; zeile <= kLetzteZeile; ++zeile) {
        auto* wert = new QLabel(flaeche);
        wert->setObjectName(QStringLiteral("gelb_%1").arg(zeile));
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        wert->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        wert->setMinimumSize(0, 0);
        tipp->anmelden(wert, werttipp);
        raster->addWidget(wert, raster::zeileImRaster(zeile), spalte);
        werte_[static_cast<std::size_t>(zeile)] = wert;
    }

    modus_ = new QPushButton(flaeche);
    modus_->setObjectName(QStringLiteral("modus"));
    modus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    modus_->setMinimumSize(0, 0);
    modus_->setFocusPolicy(Qt::ClickFocus);
    tipp->anmelden(modus_, QStringLiteral("Bestimmt, ob in der gelben Spalte die Summe der grünen "
                                          "und blauen Berechnung oder deren "
                                          "Unterschied angezeigt wird."));
    raster->addWidget(modus_, raster::zeileImRaster(kErsteZeile - 1), spalte);
    connect(modus_, &QPushButton::clicked, this, &Ergebnisspalte::modusGeklickt);
}

void Ergebnisspalte::darstellen(const GelbeSpalte& spalte, bool jahresmodus) {
    // Month values keep three blanks to the right edge, year totals one.
    const QString rand = jahresmodus ? QStringLiteral(" ") : QStringLiteral("   ");
    for (int zeile = kErsteZeile; zeile <= kLetzteZeile; ++zeile) {
        const auto z = static_cast<std::size_t>(zeile);
        const QString text = zahlenformat::betrag(spalte.werte[z]) + rand;
        if (werte_[z]->text() != text) werte_[z]->setText(text);
        farben::setzen(werte_[z], QPalette::WindowText, farben::farbe(spalte.farben[z]));
    }
    const QString modus = QString::fromStdString(spalte.modusText);
    if (modus_->text() != modus) modus_->setText(modus);
    farben::setzen(modus_, QPalette::ButtonText, farben::farbe(spalte.modusFarbe));
}

}  // namespace brelvanostik
