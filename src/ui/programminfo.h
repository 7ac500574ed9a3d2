#pragma once

#include <QFrame>

namespace brelvanostik {

/// The program information panel: who made the program, its version and on what terms it
/// is offered. It lies over the window's middle; a click anywhere on it hides it again.
class Programminfo : public QFrame {
    Q_OBJECT
  public:
    explicit Programminfo(QWidget* eltern);

    /// Shows the panel in the middle of its parent.
    void zeigen();

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
};

}  // namespace brelvanostik
