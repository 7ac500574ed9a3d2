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
    // The lower block's columns as the calculation gives them; the captions of the two
    // total lines stand right of the last one.
    const std::vector<InterneWerte::Spalte> spalten = w.spalten();
    const int beschriftung = static_cast<int>(spalten.size());
    modell_.setColumnCount(std::max(4, beschriftung + 1));
    for (int k = 0; k < beschriftung; ++k) {
        const InterneWerte::Spalte& spalte = spalten[static_cast<std::size_t>(k)];
        text(13, k,
             QString::fromUtf8(spalte.kopf.data(), static_cast<qsizetype>(spalte.kopf.size())),
             Qt::AlignRight, true);
        for (int i = 0; i < InterneWerte::kAbzuege; ++i)
            wert(InterneWerte::abzugszeile(i), k, (*spalte.werte)[static_cast<std::size_t>(i)]);
        wert(24, k, spalte.summe, true);
        wert(25, k, spalte.netto);
    }
    text(24, beschriftung, QStringLiteral("Summe der gesetzlichen Abzüge"), Qt::AlignRight);
    text(25, beschriftung, QStringLiteral("Netto ohne Gehaltsumwandlung"), Qt::AlignRight);

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
