#pragma once

#include <QFrame>

class QLabel;

namespace brelvanostik {

/// The instruction panel: a short guide to the window, laid over the middle of the
/// calculation area when the program starts and whenever the link "Anleitung" is clicked.
/// A click on its text hides it; so does a click on a row's caption or any command.
class Anleitung : public QFrame {
    Q_OBJECT
  public:
    explicit Anleitung(QWidget* eltern);

    /// Shows the panel in the middle of `flaeche` (its parent's coordinates).
    void zeigen(const QRect& flaeche);

  signals:
    /// The text was clicked; the panel is hidden already.
    void geklickt();

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

  private:
    QLabel* text_ = nullptr;
};

}  // namespace brelvanostik
