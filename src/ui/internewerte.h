#pragma once

#include <QStandardItemModel>
#include <QTableView>

#include "session/sitzung.h"

namespace brelvanostik {

/// The intermediate values of the displayed month's calculation of one side: the month's
/// income with the values the calculation derived from it above, the deductions from the
/// current pay and from one-time payments below. Laid over the side's half; it shows the
/// rows and columns the core's grid has, every figure whole.
class InterneWerteTabelle : public QTableView {
    Q_OBJECT
  public:
    explicit InterneWerteTabelle(QWidget* eltern);

    /// Fills the table for `seite` and shows it at `bereich` of its parent.
    void zeigen(const Sitzung& sitzung, Seite seite, const QRect& bereich);
    Seite seite() const { return seite_; }
    /// The text of a cell, as shown.
    QString zelle(int zeile, int spalte) const;

  private:
    void einpassen();

    QStandardItemModel modell_;
    Seite seite_ = Seite::Gruen;
};

}  // namespace brelvanostik
