#pragma once

#include <QObject>

#include <array>

#include "session/anzeige.h"
#include "session/sitzung.h"

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QAbstractButton;
class QWidget;

namespace brelvanostik {

class Balkenanzeige;
class Betragsfeld;
class Tippzeile;
class Zeilenknopf;

/// Where the rows of a side sit in the window's grid. Rows 0-26 keep their number, rows 28
/// and 29 and the comment close the side below them.
namespace raster {
inline constexpr int kKommentarZeile = 29;
inline constexpr int kSpaltenJeSeite = 7;  ///< label, amount, rate, B, T, down, up
int zeileImRaster(int zeile);
}  // namespace raster

/// The controls of one side of the main window (green or blue) in their row order: label
/// buttons, amount fields, result labels, rate labels, the ratio toggles of rows 5-9, the
/// 1-euro arrows of rows 5 and 25, the hourly line of row 29, the comment field and the
/// deduction share bars. The controls are placed into the window's grid, so that both
/// sides and the yellow column between them share their rows. The panel reports what the
/// user did and draws what it is given; it keeps no data of its own.
class Seitenpanel : public QObject {
    Q_OBJECT
  public:
    /// Places the side's controls into `raster` from column `ersteSpalte` on.
    Seitenpanel(Seite seite, QGridLayout* raster, int ersteSpalte, QWidget* flaeche,
                Tippzeile* tipp);

    Seite seite() const { return seite_; }
    /// The blue side's controls are numbered from 30 on: row + 30.
    int versatz() const { return seite_ == Seite::Blau ? 30 : 0; }

    /// Draws the side: `periode` is the caption of row 10, `jahresmodus` locks the inputs.
    void darstellen(const Seitenanzeige& anzeige, const QString& periode, bool jahresmodus);

    Zeilenknopf* knopf(int zeile) const;
    Betragsfeld* feld(int zeile) const;
    QLineEdit* kommentar() const { return kommentar_; }

  signals:
    void zeileGeklickt(Seite seite, int zeile);
    void zeileRechtsGeklickt(Seite seite, int zeile);
    void betragAuswerten(Seite seite, int zeile, const QString& text);
    void betragGeklickt(Seite seite, int zeile);
    void gesperrtBedient();
    void tagesquoteGeklickt(Seite seite, int zeile);
    void stundenquoteGeklickt(Seite seite, int zeile);
    void pfeilAufGeklickt(Seite seite, int zeile);
    void pfeilAbGeklickt(Seite seite, int zeile);
    void kommentarGeaendert(Seite seite, const QString& text);

  private:
    int index(int zeile) const { return zeile + versatz(); }
    void zeileAnlegen(int zeile, QGridLayout* raster, int spalte, QWidget* flaeche,
                      Tippzeile* tipp);
    void stundenzeileDarstellen(const Seitenanzeige& anzeige);

    Seite seite_;
    std::array<Zeilenknopf*, kZeilen> knoepfe_{};
    std::array<Betragsfeld*, kZeilen> felder_{};
    std::array<QLabel*, kZeilen> ergebnisse_{};
    std::array<QLabel*, 4> saetze_{};  ///< rows 21-24
    std::array<QAbstractButton*, kQuotenZeilen> bru_{}, tei_{};
    QLineEdit* kommentar_ = nullptr;
    Balkenanzeige* balken_ = nullptr;
};

}  // namespace brelvanostik
