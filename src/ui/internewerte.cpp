#include "ui/internewerte.h"

#include <QHeaderView>

#include <algorithm>

#include "tables/interne_werte.h"
#include "ui/anzeigetabelle.h"
#include "ui/farben.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

InterneWerteTabelle::InterneWerteTabelle(QWidget* eltern) : QTableView(eltern) {
    setModel(&modell_);
    anzeigetabelleEinrichten(*this, QStringLiteral("internewerte"),
                             QStringLiteral("Interne Berechnungswerte"),
                             QStringLiteral("Liberation Sans"));
    hide();
}

QString InterneWerteTabelle::zelle(int zeile, int spalte) const {
    return modell_.data(modell_.index(zeile, spalte)).toString();
}

void InterneWerteTabelle::zeigen(const Sitzung& sitzung, Seite seite, const QRect& bereich) {
    seite_ = seite;
    const InterneWerte w = interneWerte(sitzung, seite);
    const QColor farbe = seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan;
    modell_.clear();
    modell_.setRowCount(26);
    modell_.setColumnCount(4);
    const auto text = [&](int zeile, int spalte, const QString& inhalt, Qt::Alignment ausrichtung,
                          bool fett = false) {
        auto* eintrag = new QStandardItem(inhalt);
        eintrag->setTextAlignment(ausrichtung | Qt::AlignVCenter);
        if (fett) {
            QFont f = font();
            f.setBold(true);
            eintrag->setFont(f);
        }
        modell_.setItem(zeile, spalte, eintrag);
        return eintrag;
    };
    const auto wert = [&](int zeile, int spalte, std::int64_t betrag, bool fett = false) {
        text(zeile, spalte, zahlenformat::betrag(betrag) + QLatin1Char(' '), Qt::AlignRight, fett)
            ->setBackground(farbe);
    };
    for (int z = 0; z < InterneWerte::kOben; ++z) {
        const auto zz = static_cast<std::size_t>(z);
        if (w.monatsbetraege[zz]) wert(z, 0, *w.monatsbetraege[zz]);
        const auto label = InterneWerte::beschriftung(z);
        text(z, 2, QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
             Qt::AlignRight);
        wert(z, 3, w.zwischenwerte[zz]);
    }
    text(13, 0, QStringLiteral("laufend"), Qt::AlignRight, true);
    text(13, 1, QStringLiteral("einmalig"), Qt::AlignRight, true);
    for (int i = 0; i < InterneWerte::kAbzuege; ++i) {
        wert(InterneWerte::abzugszeile(i), 0, w.laufend[static_cast<std::size_t>(i)]);
        wert(InterneWerte::abzugszeile(i), 1, w.einmalig[static_cast<std::size_t>(i)]);
    }
    wert(24, 0, w.summeLaufend, true);
    wert(24, 1, w.summeEinmalig, true);
    text(24, 2, QStringLiteral("Summe der gesetzlichen Abzüge"), Qt::AlignRight);
    wert(25, 0, w.nettoLaufend);
    wert(25, 1, w.nettoEinmalig);
    text(25, 2, QStringLiteral("Netto ohne Gehaltsumwandlung"), Qt::AlignRight);

    setGeometry(bereich);
    // All 26 rows in view, as far as the area allows.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(
        std::max(fontMetrics().height(), viewport()->height() / 26));
    resizeColumnsToContents();
    show();
    raise();
}

}  // namespace brelvanostik
