#pragma once

#include <QLabel>

namespace brelvanostik {

/// The label button at the start of a row: shows the row's caption (a fixed text, the
/// entry picked from the row's choice list or the case name) and reports left and right
/// clicks with the row's control index (row, plus 30 on the blue side).
class Zeilenknopf : public QLabel {
    Q_OBJECT
  public:
    Zeilenknopf(int index, QWidget* eltern);
    int index() const { return index_; }

  signals:
    void geklickt(int index);
    void rechtsGeklickt(int index);

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;

  private:
    int index_;
};

}  // namespace brelvanostik
