#pragma once

#include <QWidget>

#include <map>
#include <optional>

#include "help/infotexte.h"
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

    QPushButton* knopf(Befehl befehl) const;
    /// Shows the command for the other window size: maximise for a standard-size window,
    /// standard size for a maximised one.
    void groesseZeigen(bool maximiert);
    /// While the all-months table of `seite` is shown the other side's commands are hidden;
    /// without a table (nullopt) every side's command shows.
    void alleMonateZeigen(std::optional<Seite> seite);

  signals:
    void befehlBeginnt();
    void druckenGeklickt(Seite seite);
    void beideDruckenGeklickt();
    void interneWerteGeklickt(Seite seite);
    void versorgungGeklickt(Seite seite);
    void taschenrechnerGeklickt();
    void steuerschritteGeklickt();
    void programminfoGeklickt();
    void standardgroesseGeklickt();
    void bildschirmgroesseGeklickt();

  private:
    std::map<Befehl, QPushButton*> knoepfe_;
};

}  // namespace brelvanostik
