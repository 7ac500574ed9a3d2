#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "session/sitzung.h"
#include "tables/alle_monate.h"

namespace brelvanostik {

/// The all-months table as a model: row 0 the month captions and "Summe", column 0 the row
/// captions, both in the side's colour; negative amounts light red; the year's sums on the
/// side's colour with a blank at the right edge.
class AlleMonateModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzen(const AlleMonate& tabelle, Seite seite);
    Seite seite() const { return seite_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;

  private:
    AlleMonate tabelle_;
    Seite seite_ = Seite::Gruen;
};

/// The table of all twelve months of one calculation, laid over the calculation area.
class AlleMonateTabelle : public QTableView {
    Q_OBJECT
  public:
    explicit AlleMonateTabelle(QWidget* eltern);

    /// Fills the table with the calculation of `seite` and shows it over its parent.
    void zeigen(const Sitzung& sitzung, Seite seite);
    const AlleMonateModell& modell() const { return modell_; }

  signals:
    /// The context menu's "Als CSV speichern …" (the shown side) or "Beide Seiten als CSV
    /// speichern …".
    void csvSpeichernVerlangt(bool beide);

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void spaltenAnpassen();
    AlleMonateModell modell_;
};

}  // namespace brelvanostik
