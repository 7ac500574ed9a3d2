#pragma once

#include <QFrame>

#include "calculator/taschenrechner.h"

class QLabel;
class QAbstractButton;

namespace brelvanostik {

class Betragsfeld;
class Meldungsanzeige;
class Tippzeile;

/// The small pocket calculator beside the calculation: the display over three columns,
/// "C" and "%", the digit block, the operators, the tape key and the close key. The
/// calculator itself is the main window's; the panel presses its keys, shows its display
/// and passes its messages on. While the panel has the focus the keyboard works too:
/// digits, comma, + - * / %, Enter for "=" and Escape for "C". Below the keys the memo
/// field parks an amount; a click on an amount field of the calculation hands over the
/// memo when it was filled last, else the display.
class Taschenrechnerpanel : public QFrame {
    Q_OBJECT
  public:
    Taschenrechnerpanel(Taschenrechner& taschenrechner, Meldungsanzeige& meldungen, Tippzeile* tipp,
                        QWidget* eltern);

    /// Presses a key as a click on it does.
    void druecken(Taste taste);
    /// Shows the tape in a message box titled "Verlauf".
    void verlaufZeigen();
    /// The display as shown.
    QString anzeige() const;

    /// The memo field below the keys.
    Betragsfeld* memo() const { return memo_; }

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    QAbstractButton* taste(const QString& beschriftung, Taste taste, const QString& name);

    Taschenrechner& taschenrechner_;
    Meldungsanzeige& meldungen_;
    /// Parks `text` (as typed) in the memo; an amount no field takes is refused.
    void memoSetzen(const std::string& text);

    QLabel* anzeige_ = nullptr;
    Betragsfeld* memo_ = nullptr;
};

}  // namespace brelvanostik
