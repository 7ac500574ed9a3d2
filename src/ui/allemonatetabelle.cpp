#include "ui/allemonatetabelle.h"

#include <QAction>
#include <QHeaderView>

#include <cmath>

#include "ui/anzeigetabelle.h"
#include "ui/farben.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

namespace {
constexpr int kRasterzeilen = AlleMonate::kZeilen + 1;
constexpr int kRasterspalten = AlleMonate::kSpalten + 1;
}  // namespace

void AlleMonateModell::setzen(const AlleMonate& tabelle, Seite seite) {
    beginResetModel();
    tabelle_ = tabelle;
    seite_ = seite;
    endResetModel();
}

int AlleMonateModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : kRasterzeilen;
}
int AlleMonateModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : kRasterspalten;
}

QVariant AlleMonateModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const int zeile = index.row(), spalte = index.column();
    const bool fest = zeile == 0 || spalte == 0;
    const bool summe = spalte == kRasterspalten - 1;
    const QColor seitenfarbe = seite_ == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan;
    switch (rolle) {
        case Qt::DisplayRole:
            if (spalte == 0)
                return QString::fromUtf8(
                    AlleMonate::beschriftung(zeile).data(),
                    static_cast<qsizetype>(AlleMonate::beschriftung(zeile).size()));
            if (zeile == 0) {
                const auto kopf = AlleMonate::spaltenkopf(spalte - 1);
                return QString::fromUtf8(kopf.data(), static_cast<qsizetype>(kopf.size()));
            }
            return zahlenformat::betrag(tabelle_.wert(zeile, spalte - 1)) +
                   (summe ? QStringLiteral(" ") : QString());
        case Qt::TextAlignmentRole:
            if (spalte == 0) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
            if (zeile == 0) return QVariant::fromValue(Qt::AlignCenter);
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return fest || summe ? seitenfarbe : farben::kWeiss;
        case Qt::ForegroundRole:
            if (fest) return farben::kSchwarz;
            return tabelle_.wert(zeile, spalte - 1) < 0 ? farben::kHellrot : farben::kSchwarz;
        default:
            return {};
    }
}

AlleMonateTabelle::AlleMonateTabelle(QWidget* eltern) : QTableView(eltern) {
    setModel(&modell_);
    anzeigetabelleEinrichten(*this, QStringLiteral("tabelle"), QStringLiteral("Alle Monate"),
                             QStringLiteral("Liberation Sans Narrow"), 8);
    // The year into a spreadsheet.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* csv = new QAction(QStringLiteral("Als CSV speichern …"), this);
    csv->setObjectName(QStringLiteral("csv_speichern"));
    connect(csv, &QAction::triggered, this, [this] { emit csvSpeichernVerlangt(false); });
    auto* beide = new QAction(QStringLiteral("Beide Seiten als CSV speichern …"), this);
    beide->setObjectName(QStringLiteral("csv_beide_speichern"));
    connect(beide, &QAction::triggered, this, [this] { emit csvSpeichernVerlangt(true); });
    addActions({csv, beide});
    hide();
}

void AlleMonateTabelle::zeigen(const Sitzung& sitzung, Seite seite) {
    modell_.setzen(alleMonate(sitzung, seite), seite);
    if (parentWidget() != nullptr) setGeometry(parentWidget()->rect());
    spaltenAnpassen();
    show();
    raise();
}

void AlleMonateTabelle::resizeEvent(QResizeEvent* ereignis) {
    QTableView::resizeEvent(ereignis);
    spaltenAnpassen();
}

void AlleMonateTabelle::spaltenAnpassen() {
    // The caption column is 1.6 widths, the months one width each, the sum 1.1 widths.
    const double w = viewport()->width() / 15.0;
    const int h = std::max(1, static_cast<int>(std::lround(viewport()->height() / 25.0)));
    const int breite = static_cast<int>(std::lround(w));
    if (columnWidth(1) == breite && verticalHeader()->defaultSectionSize() == h) return;
    horizontalHeader()->setDefaultSectionSize(breite);
    horizontalHeader()->resizeSection(0, static_cast<int>(std::lround(1.6 * w)));
    horizontalHeader()->resizeSection(kRasterspalten - 1, static_cast<int>(std::lround(1.1 * w)));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(h);
}

}  // namespace brelvanostik
