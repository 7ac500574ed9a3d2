#include "ui/schrittvergleichfenster.h"

#include <QBrush>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "print/schrittvergleich_druck.h"
#include "session/sitzung.h"
#include "ui/drucken.h"
#include "ui/farben.h"

namespace brelvanostik {

namespace {

const QColor kHellblau(200, 225, 255);  // the headings, as in the single listing
constexpr int kSpalten = 7;
constexpr int kWertspalte = 4;  // green, blue, difference follow

}  // namespace

void Vergleichsmodell::setzen(const Schrittvergleich* vergleich,
                              const Vergleichsgliederung* gliederung) {
    beginResetModel();
    vergleich_ = vergleich;
    gliederung_ = gliederung;
    endResetModel();
}

void Vergleichsmodell::aktualisieren() {
    emit dataChanged(index(0, 0), index(kSchrittzeilen - 1, kSpalten - 1));
}

int Vergleichsmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() || vergleich_ == nullptr ? 0 : kSchrittzeilen;
}

int Vergleichsmodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : kSpalten;
}

QVariant Vergleichsmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || vergleich_ == nullptr || index.row() < 0 ||
        index.row() >= kSchrittzeilen)
        return {};
    const int zeile = index.row(), spalte = index.column();
    const Vergleichszeile& z = vergleich_->zeilen[static_cast<std::size_t>(zeile)];
    switch (rolle) {
        case Qt::DisplayRole:
            switch (spalte) {
                case 0:
                    return zeile + 1;
                case 1:
                    return QString::fromStdString(gliederung_->markierung(zeile));
                case 2:
                    return QString::fromStdString(z.name);
                case 3:
                    return QString::fromStdString(z.text);
                case 4:
                    return QString::fromStdString(z.gruen);
                case 5:
                    return QString::fromStdString(z.blau);
                case 6:
                    return QString::fromStdString(z.differenz);
                default:
                    return {};
            }
        case Qt::ToolTipRole:
            return spalte == 3 ? QVariant(QString::fromStdString(z.text)) : QVariant();
        case Qt::FontRole:
            if (z.kopf || (z.abweichend && spalte >= kWertspalte)) {
                QFont fett;
                fett.setBold(true);
                return fett;
            }
            return {};
        case Qt::BackgroundRole:
            if (z.abweichend && spalte >= kWertspalte) return QBrush(farben::kHellgelb);
            if (spalte == kWertspalte) return QBrush(farben::kHellgruen);
            if (spalte == kWertspalte + 1) return QBrush(farben::kHellcyan);
            return z.kopf ? QVariant(QBrush(kHellblau)) : QVariant();
        case Qt::TextAlignmentRole:
            return spalte == 0 || spalte >= kWertspalte
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(spalte == 1 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant Vergleichsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) return {};
    static const char* const titel[] = {"Zeile", "",     "Name",       "Erläuterung",
                                        "Grün",  "Blau", "Blau − Grün"};
    return abschnitt >= 0 && abschnitt < kSpalten ? QString::fromUtf8(titel[abschnitt]) : QString();
}

SchrittvergleichFenster::SchrittvergleichFenster(Meldungsanzeige& meldungen, QWidget* eltern)
    : QWidget(eltern, Qt::Window), meldungen_(meldungen) {
    setObjectName(QStringLiteral("schrittvergleich"));
    setWindowTitle(QStringLiteral("Grün und Blau vergleichen"));
    auto* spalte = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    kopf_ = new QLabel(this);
    kopf_->setObjectName(QStringLiteral("vergleichskopf"));
    oben->addWidget(kopf_, 1);
    auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
    drucken->setObjectName(QStringLiteral("vergleich_drucken"));
    connect(drucken, &QPushButton::clicked, this, &SchrittvergleichFenster::drucken);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    oben->addWidget(drucken);
    oben->addWidget(schliessen);
    spalte->addLayout(oben);

    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("vergleich"));
    modell_ = new Vergleichsmodell(tabelle_);
    tabelle_->setModel(modell_);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setDefaultSectionSize(23);
    const int breiten[] = {45, 20, 90, 520, 130, 130, 130};
    for (int s = 0; s < kSpalten; ++s) tabelle_->setColumnWidth(s, breiten[s]);
    tabelle_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    connect(tabelle_, &QTableView::clicked, this, &SchrittvergleichFenster::zeileGeklickt);
    spalte->addWidget(tabelle_, 1);
    resize(1200, 700);
}

SchrittvergleichFenster::~SchrittvergleichFenster() = default;

void SchrittvergleichFenster::zeigen(const Sitzung& sitzung) {
    modell_->setzen(nullptr, nullptr);
    vergleich_ = std::make_unique<Schrittvergleich>(monatslaeufeVergleichen(sitzung));
    gliederung_ = std::make_unique<Vergleichsgliederung>(*vergleich_);
    ueberschrift_ = vergleichsueberschrift(sitzung);
    const QString befund =
        vergleich_->ersteAbweichung
            ? QStringLiteral("Erste Abweichung in Zeile %1").arg(*vergleich_->ersteAbweichung + 1)
            : QStringLiteral("Keine Abweichung: beide Seiten rechnen die Lohnsteuer gleich");
    kopf_->setText(QString::fromStdString(ueberschrift_) + QStringLiteral("\n") + befund);
    modell_->setzen(vergleich_.get(), gliederung_.get());
    gliederungAnzeigen();
    tabelle_->clearSelection();
    if (vergleich_->ersteAbweichung) {
        const QModelIndex erste = modell_->index(*vergleich_->ersteAbweichung, 0);
        tabelle_->selectionModel()->setCurrentIndex(
            erste, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        tabelle_->scrollTo(erste, QAbstractItemView::PositionAtCenter);
    }
    show();
    raise();
    activateWindow();
}

void SchrittvergleichFenster::zeileGeklickt(const QModelIndex& index) {
    if (!index.isValid() || !gliederung_) return;
    if (gliederung_->klicken(index.row())) {
        modell_->aktualisieren();
        gliederungAnzeigen();
    }
}

void SchrittvergleichFenster::gliederungAnzeigen() {
    for (int zeile = 0; zeile < kSchrittzeilen; ++zeile)
        tabelle_->setRowHidden(zeile, !gliederung_->sichtbar(zeile));
}

void SchrittvergleichFenster::drucken() {
    if (!vergleich_) return;
    druckenOderPdfAnbieten(druck::schrittvergleichDrucken(*vergleich_, ueberschrift_), meldungen_);
}

}  // namespace brelvanostik
