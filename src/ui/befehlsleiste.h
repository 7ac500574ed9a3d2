#pragma once

#include <QWidget>

#include <map>

#include "session/sitzung.h"

class QPushButton;

namespace brelvanostik {

class Tippzeile;

/// The command buttons along the foot of the main window, around the tip line: printing,
/// the internal values and the pension panel of each side, printing both sides, the
/// calculator, the tax steps window, the program information and the window size. Each
/// button explains itself in the tip line; each click first announces itself with
/// `befehlBeginnt` (the window closes whatever lies over it), then reports what was asked.
class Befehlsleiste : public QWidget {
    Q_OBJECT
  public:
    Befehlsleiste(Tippzeile* tipp, QWidget* eltern);

    /// A command button by its number (0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 30, 31).
    QPushButton* knopf(int nummer) const;
    /// Shows the command for the other window size: maximise for a standard-size window,
    /// standard size for a maximised one.
    void groesseZeigen(bool maximiert);

  signals:
    void befehlBeginnt();
    void druckenGeklickt(Seite seite);
    void beideDruckenGeklickt();
    void interneWerteGeklickt(Seite seite);
    void versorgungGeklickt(Seite seite);
    void rechnerGeklickt();
    void steuerschritteGeklickt();
    void programminfoGeklickt();
    void standardgroesseGeklickt();
    void bildschirmgroesseGeklickt();

  private:
    std::map<int, QPushButton*> knoepfe_;
};

}  // namespace brelvanostik
