#pragma once

#include <QWidget>

#include <array>

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

    /// Shows the selected month button (0-14) and year button (0-3) pressed and bold.
    void darstellen(int monatsknopf, int jahresknopf);
    QPushButton* monatsknopf(int knopf) const {
        return monate_.at(static_cast<std::size_t>(knopf));
    }
    QPushButton* jahresknopf(int knopf) const { return jahre_.at(static_cast<std::size_t>(knopf)); }

  signals:
    void monatGeklickt(int knopf);
    void jahrGeklickt(int knopf);

  private:
    std::array<QPushButton*, 15> monate_{};
    std::array<QPushButton*, 4> jahre_{};
};

}  // namespace brelvanostik
