#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brelvanostik::druck {

/// A font as a report names it ("Arial", "Arial narrow", "Courier New", "Times New Roman").
/// The renderer maps the name to a font the machine has.
struct Schrift {
    std::string name = "Arial";
    double punkte = 12.0;
    bool fett = false;
    bool operator==(const Schrift&) const = default;
};

/// One piece of text on a printed line.
struct Textstueck {
    enum class Lage {
        Twips,          ///< `x` twips from the left edge of the printable area
        Spalte,         ///< `x` is a character column (1 = the left edge) of the piece's font
        Anschliessend,  ///< right after the previous piece of the line
    };
    Lage lage = Lage::Twips;
    int x = 0;
    std::string text;  ///< UTF-8
    Schrift schrift;
    bool operator==(const Textstueck&) const = default;
};

/// A colour of a drawing (red, green, blue 0-255).
struct Farbe {
    std::uint8_t rot = 0, gruen = 0, blau = 0;
    bool operator==(const Farbe&) const = default;
};

/// A point of a drawing in twips from its top left corner (y grows downwards).
struct Punkt {
    int x = 0, y = 0;
    bool operator==(const Punkt&) const = default;
};

/// A line through points.
struct Linienzug {
    enum class Strich { Durchgezogen, Gestrichelt, Gepunktet };
    std::vector<Punkt> punkte;
    Farbe farbe;
    int staerke = 15;  ///< twips
    Strich strich = Strich::Durchgezogen;
    bool operator==(const Linienzug&) const = default;
};

/// A text in a drawing; `ort` is the left end, the middle or the right end of its baseline.
struct Beschriftung {
    enum class Ausrichtung { Links, Mitte, Rechts };
    Punkt ort;
    std::string text;  ///< UTF-8
    Schrift schrift;
    Farbe farbe;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    bool operator==(const Beschriftung&) const = default;
};

/// Lines and texts in a box of `breite` x `hoehe` twips: a printed line that holds a drawing
/// (a curve) instead of, or below, its text. Texts come after the lines, so they stay legible.
struct Zeichnung {
    int breite = 0;
    int hoehe = 0;  ///< 0: the line holds no drawing
    std::vector<Linienzug> linien;
    std::vector<Beschriftung> texte;
    bool operator==(const Zeichnung&) const = default;
};

/// One printed line. Its height is that of the tallest font on it (or of its drawing); an
/// empty line takes the height of the font in effect when it was ended.
struct Druckzeile {
    std::vector<Textstueck> stuecke;
    Schrift schrift;
    Zeichnung zeichnung;
};

/// The page content of one printout: lines top to bottom. The renderer starts a new page
/// when a line does not fit any more.
struct Dokument {
    std::string titel;  ///< the print job's name
    std::vector<Druckzeile> zeilen;
    bool quer = false;  ///< landscape pages (wide tables)
};

/// Builds a document the way a report is written to a printer: set the font, move to a
/// position, print text, end the line.
class Seitenaufbau {
  public:
    explicit Seitenaufbau(std::string titel = {}, bool quer = false) {
        dokument_.titel = std::move(titel);
        dokument_.quer = quer;
    }

    Seitenaufbau& schrift(std::string name) {
        schrift_.name = std::move(name);
        return *this;
    }
    Seitenaufbau& groesse(double punkte) {
        schrift_.punkte = punkte;
        return *this;
    }
    Seitenaufbau& fett(bool an) {
        schrift_.fett = an;
        return *this;
    }
    const Schrift& aktuelleSchrift() const { return schrift_; }

    /// Text at a position in twips.
    Seitenaufbau& bei(int twips, std::string text);
    /// Text at a character column (1-based) of the current font.
    Seitenaufbau& beiSpalte(int spalte, std::string text);
    /// Text right after what the line already holds (at the line start on an empty line).
    Seitenaufbau& text(std::string text);
    /// Ends the current line (an empty line when nothing was printed on it).
    Seitenaufbau& zeilenende();
    /// Ends the current line if it holds text, then prints `anzahl` empty lines.
    Seitenaufbau& leerzeilen(int anzahl = 1);
    /// Ends the current line if it holds text, then puts a drawing on a line of its own.
    Seitenaufbau& zeichnung(Zeichnung zeichnung);

    /// The finished document; a line still open is ended first.
    Dokument fertig();

  private:
    Dokument dokument_;
    Druckzeile zeile_;
    Schrift schrift_;
};

/// The lines' texts, pieces joined by a blank (a drawing's texts likewise): what tests and
/// plain-text output read.
std::vector<std::string> zeilentexte(const Dokument& dokument);

}  // namespace brelvanostik::druck
