#pragma once

#include <QLabel>

#include <functional>

#include "session/sitzung.h"

namespace brelvanostik {

/// The info area: the long explanation of the row the user clicked, shown over the side
/// the row belongs to and in that side's colour. A new text replaces the old one; pointer
/// movement over the bare window or over a side's panel empties it, and so does a click on
/// the area itself.
class Infobereich : public QLabel {
    Q_OBJECT
  public:
    explicit Infobereich(QWidget* eltern);

    /// Shows `text` in the colour of `seite`, placed on `ueber` (in the parent's coordinates);
    /// a text too long for it takes `ganzeSeite`.
    void zeigen(Seite seite, const QString& text, const QRect& ueber, const QRect& ganzeSeite);
    /// Empties and hides the area.
    void leeren();
    Seite seite() const { return seite_; }

    /// Pointer movement over `flaeche` itself (not over its controls) empties the area.
    void leerflaecheAnmelden(QWidget* flaeche);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

  private:
    Seite seite_ = Seite::Gruen;
};

/// Runs `aktion` whenever the left mouse button is pressed on `widget`, before the widget
/// handles the press itself.
void beiKlick(QWidget* widget, std::function<void()> aktion);

}  // namespace brelvanostik
