#pragma once

#include <QWidget>

#include <array>

#include "taxsteps/steuerschritte.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace brelvanostik {

class Meldungsanzeige;
class Schrittlistenmodell;
class SchrittvergleichFenster;

/// The tax steps window: the inputs of one wage tax computation and the listing of every
/// step. It shows what its state object (`Steuerschritte`) says and forwards what the user
/// does; it runs its own engine, so the stored cases are never touched.
class SteuerschritteFenster final : public QWidget {
    Q_OBJECT
  public:
    SteuerschritteFenster(Meldungsanzeige& meldungen, QWidget* eltern = nullptr);
    ~SteuerschritteFenster() override;

    /// Opening from the main window: presets from its current case and month.
    void vorbelegen(const Sitzung& sitzung);

    const Steuerschritte& schritte() const { return schritte_; }
    /// The printout the "Drucken" button sends.
    void drucken();
    /// "Grün und Blau vergleichen": the month calculation's own runs of the green and the
    /// blue side of the case and month the main window shows.
    void vergleichen();
    SchrittvergleichFenster* vergleichsfenster() const { return vergleich_; }

  private:
    void aufbauen();
    void anzeigen();
    void listeGewaehlt(Steuerschritte::Liste liste, int index);
    using Feld = Steuerschritte::Feld;
    void feldAusgewertet(Feld feld, const QString& text);
    QLineEdit* eingabefeld(Feld feld) const { return felder_[static_cast<std::size_t>(feld)]; }
    void zeileGeklickt(const QModelIndex& index);
    void gliederungAnzeigen();

    Meldungsanzeige& meldungen_;
    Steuerschritte schritte_;
    std::array<QComboBox*, 8> listen_{};
    std::array<QLineEdit*, 5> felder_{};
    QLabel* bruttoBeschriftung_ = nullptr;
    QLabel* bezugsmonateBeschriftung_ = nullptr;
    QGroupBox* erstbezug_ = nullptr;
    QCheckBox* rvPflicht_ = nullptr;
    QTableView* tabelle_ = nullptr;
    Schrittlistenmodell* modell_ = nullptr;
    const Sitzung* sitzung_ = nullptr;
    QPushButton* vergleichen_ = nullptr;
    SchrittvergleichFenster* vergleich_ = nullptr;
};

}  // namespace brelvanostik
