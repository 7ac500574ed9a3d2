#include "ui/internewerte.h"

#include <QHeaderView>

#include <algorithm>

#include "tables/interne_werte.h"
#include "ui/anzeigetabelle.h"
#include "ui/farben.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

namespace {

/// The smallest font the table is shrunk to before its columns would be cut.
constexpr double kKleinstePunkte = 5.0;
/// Space beside a cell's text, in pixels.
constexpr int kZellrand = 8;

}  // namespace

InterneWerteTabelle::InterneWerteTabelle(QWidget* eltern) : QTableView(eltern) {
    setModel(&modell_);
    anzeigetabelleEinrichten(*this, QStringLiteral("internewerte"),
                             QStringLiteral("Interne Berechnungswerte"),
                             QStringLiteral("Liberation Sans"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    hide();
}

QString InterneWerteTabelle::zelle(int zeile, int spalte) const {
    return modell_.data(modell_.index(zeile, spalte)).toString();
}

void InterneWerteTabelle::zeigen(const Sitzung& sitzung, Seite seite, const QRect& bereich) {
    seite_ = seite;
    const auto raster = interneWerteRaster(interneWerte(sitzung, seite));
    const QColor farbe = seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan;
    const int zeilen = static_cast<int>(raster.size());
    const int spalten = raster.empty() ? 0 : static_cast<int>(raster.front().size());
    modell_.clear();
    modell_.setRowCount(zeilen);
    modell_.setColumnCount(spalten);
    for (int z = 0; z < zeilen; ++z) {
        for (int sp = 0; sp < spalten; ++sp) {
            const InterneWerteZelle& zelle =
                raster[static_cast<std::size_t>(z)][static_cast<std::size_t>(sp)];
            auto* eintrag = new QStandardItem(zelle.betrag ? zahlenformat::betrag(*zelle.betrag) +
                                                                 QLatin1Char(' ')
                                                           : QString::fromStdString(zelle.text));
            eintrag->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (zelle.betrag) eintrag->setBackground(farbe);
            eintrag->setData(zelle.fett, Qt::UserRole);
            modell_.setItem(z, sp, eintrag);
        }
    }
    setGeometry(bereich);
    einpassen();
    show();
    raise();
}

void InterneWerteTabelle::einpassen() {
    // Laid out from the area it is given, not from a viewport that has not been laid out
    // yet: every row in view, every column as wide as its widest text, the font made
    // smaller until the whole table fits.
    const int zeilen = modell_.rowCount();
    const int spalten = modell_.columnCount();
    if (zeilen == 0 || spalten == 0) return;
    const int innenBreite = width() - 2 * frameWidth();
    const int innenHoehe = height() - 2 * frameWidth();
    QFont schrift = parentWidget() != nullptr ? parentWidget()->font() : font();
    schrift.setFamily(font().family());
    std::vector<int> breiten(static_cast<std::size_t>(spalten));
    for (;;) {
        QFont fett = schrift;
        fett.setBold(true);
        const QFontMetrics normal(schrift), dick(fett);
        int summe = 0;
        for (int sp = 0; sp < spalten; ++sp) {
            int breite = 0;
            for (int z = 0; z < zeilen; ++z) {
                const QStandardItem* e = modell_.item(z, sp);
                if (e == nullptr) continue;
                const QFontMetrics& m = e->data(Qt::UserRole).toBool() ? dick : normal;
                breite = std::max(breite, m.horizontalAdvance(e->text()) + kZellrand);
            }
            breiten[static_cast<std::size_t>(sp)] = breite;
            summe += breite;
        }
        const bool passt = summe <= innenBreite && normal.height() * zeilen <= innenHoehe;
        if (passt || schrift.pointSizeF() <= kKleinstePunkte) {
            // What is left over widens the captions, the widest column.
            const int uebrig = std::max(0, innenBreite - summe);
            *std::max_element(breiten.begin(), breiten.end()) += uebrig;
            break;
        }
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    }
    setFont(schrift);
    QFont fett = schrift;
    fett.setBold(true);
    for (int z = 0; z < zeilen; ++z) {
        for (int sp = 0; sp < spalten; ++sp) {
            if (QStandardItem* e = modell_.item(z, sp);
                e != nullptr && e->data(Qt::UserRole).toBool())
                e->setFont(fett);
        }
    }
    for (int sp = 0; sp < spalten; ++sp)
        horizontalHeader()->resizeSection(sp, breiten[static_cast<std::size_t>(sp)]);
    const int hoehe = std::max(1, innenHoehe / zeilen);
    verticalHeader()->setDefaultSectionSize(hoehe);
    for (int z = 0; z < zeilen; ++z) verticalHeader()->resizeSection(z, hoehe);
}

}  // namespace brelvanostik
