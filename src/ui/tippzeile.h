#pragma once

#include <QHash>
#include <QLabel>
#include <QSet>

namespace brelvanostik {

/// The tip line at the foot of the window: one line that explains the control under the
/// pointer. Controls are registered with their text; pointer movement over the bare
/// window or a side's panel empties the line.
class Tippzeile : public QLabel {
    Q_OBJECT
  public:
    explicit Tippzeile(QWidget* eltern);

    /// The line shows `text` while the pointer rests on `widget`.
    void anmelden(QWidget* widget, const QString& text);
    /// Pointer movement over `flaeche` itself (not over its controls) empties the line.
    void leerflaecheAnmelden(QWidget* flaeche);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    QHash<const QObject*, QString> texte_;
    QSet<const QObject*> leerflaechen_;
};

/// How a button shows that the pointer rests on it.
enum class Hervorhebung { Fett, Hintergrund };

/// Makes `knopf` bold, or gives it a light yellow face, while the pointer rests on it.
/// A button whose property "ausgewaehlt" is true stays bold when the pointer leaves.
void beimUeberfahrenHervorheben(QWidget* knopf, Hervorhebung art);

/// Bold or regular without fixing the size, so the font still follows the window's scale.
void fettSetzen(QWidget* widget, bool fett);

}  // namespace brelvanostik
