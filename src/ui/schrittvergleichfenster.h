#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <memory>

#include "taxsteps/schrittvergleich.h"

class QLabel;
class QTableView;

namespace brelvanostik {

class Meldungsanzeige;
class Sitzung;

/// The comparison as a table: line, outline marker, name, explanation, the green and the
/// blue value and their difference. Headings bold on light blue; differing values on light
/// yellow, as the main window marks blue values that differ from green.
class Vergleichsmodell final : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzen(const Schrittvergleich* vergleich, const Vergleichsgliederung* gliederung);
    void aktualisieren();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;

  private:
    const Schrittvergleich* vergleich_ = nullptr;
    const Vergleichsgliederung* gliederung_ = nullptr;
};

/// "Grün und Blau vergleichen": the wage tax computation of the current case's green and
/// blue calculation for the displayed month, as the month calculation's own runs made it,
/// line by line. The sections that hold a difference are open, the first differing line is
/// selected; a click on a heading opens or closes its section; "Drucken" prints it.
class SchrittvergleichFenster final : public QWidget {
    Q_OBJECT
  public:
    SchrittvergleichFenster(Meldungsanzeige& meldungen, QWidget* eltern = nullptr);
    ~SchrittvergleichFenster() override;

    /// Compares the session's case in its displayed month and shows the result.
    void zeigen(const Sitzung& sitzung);

    const Schrittvergleich& vergleich() const { return *vergleich_; }
    const Vergleichsgliederung& gliederung() const { return *gliederung_; }
    QTableView* tabelle() const { return tabelle_; }
    void drucken();

  private:
    void zeileGeklickt(const QModelIndex& index);
    void gliederungAnzeigen();

    Meldungsanzeige& meldungen_;
    std::unique_ptr<Schrittvergleich> vergleich_;
    std::unique_ptr<Vergleichsgliederung> gliederung_;
    std::string ueberschrift_;
    QLabel* kopf_ = nullptr;
    QTableView* tabelle_ = nullptr;
    Vergleichsmodell* modell_ = nullptr;
};

}  // namespace brelvanostik
