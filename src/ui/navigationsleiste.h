#pragma once

#include <QWidget>

#include <array>

#include "session/sitzung.h"

class QPushButton;

namespace brelvanostik {

class Tippzeile;

/// The row of month buttons ("JAN." to "DEZ." and "Jahresgehalt") and the year buttons
/// "2004" to "2007", with their tips, and the two "Alle Monate" buttons of the green and the
/// blue calculation.
class Navigationsleiste : public QWidget {
    Q_OBJECT
  public:
    Navigationsleiste(Tippzeile* tipp, QWidget* eltern);

    /// Shows the button of the session's view (its month, "Jahresgehalt" or the side's
    /// "Alle Monate") and of its year pressed and bold.
    void darstellen(const Sitzung& sitzung);

  signals:
    void monatGeklickt(int monat);
    void jahresgehaltGeklickt();
    void alleMonateGeklickt(Seite seite);
    void jahrGeklickt(int knopf);

  protected:
    void changeEvent(QEvent* ereignis) override;

  private:
    /// Every button at least as wide as its caption in bold, so a selected caption is whole.
    void mindestbreitenSetzen();

    std::array<QPushButton*, kMonate> monate_{};
    std::array<QPushButton*, 3> ansichten_{};  ///< "Jahresgehalt", "Alle Monate" green, blue
    std::array<QPushButton*, 4> jahre_{};
};

}  // namespace brelvanostik
