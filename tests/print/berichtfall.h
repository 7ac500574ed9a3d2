#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "print/dokument.h"
#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik::druck {

/// The worked case of the report tests: case 1 in January 2007 (31 of 31 days), 3,000.00
/// euros salary and 1,000.00 euros one-time payment on green; the blue twin in tax class III
/// with 3,600.00 euros; a comment on green, none on blue; a monthly tax-card allowance.
inline Sitzung& berichtfall(std::unique_ptr<Sitzung>& halter) {
    Einstellungen e;
    e.Jahr = 2007;
    e.Fall = 1;
    e.Monat = 1;
    halter = std::make_unique<Sitzung>(neuerArbeitsbereich(), e);
    Sitzung& s = *halter;
    s.betragEingeben(Seite::Gruen, 5, "3000");
    s.betragEingeben(Seite::Gruen, 7, "1000");
    s.betragEingeben(Seite::Gruen, 13, "100");
    s.auswahlTreffen(Seite::Blau, 17, 2);
    s.betragEingeben(Seite::Blau, 5, "3600");
    s.kommentarSetzen(Seite::Gruen, "  Probemonat  ");
    return s;
}

/// A line as the tests compare it: each piece as "position:text", "@" for a twips position,
/// "#" for a character column, "+" for text that follows.
inline std::string zeile(const Druckzeile& z) {
    std::ostringstream aus;
    for (std::size_t i = 0; i < z.stuecke.size(); ++i) {
        const Textstueck& t = z.stuecke[i];
        if (i > 0) aus << " | ";
        switch (t.lage) {
            case Textstueck::Lage::Twips:
                aus << '@' << t.x;
                break;
            case Textstueck::Lage::Spalte:
                aus << '#' << t.x;
                break;
            case Textstueck::Lage::Anschliessend:
                aus << '+';
                break;
        }
        aus << ':' << t.text;
    }
    return aus.str();
}

inline std::vector<std::string> zeilen(const Dokument& d) {
    std::vector<std::string> v;
    for (const Druckzeile& z : d.zeilen) v.push_back(zeile(z));
    return v;
}

}  // namespace brelvanostik::druck

namespace brelvanostik::druck {

/// The first line that begins with `anfang`; empty when there is none.
inline std::string zeileMit(const std::vector<std::string>& zeilen, const std::string& anfang) {
    for (const std::string& z : zeilen) {
        if (z.rfind(anfang, 0) == 0) return z;
    }
    return {};
}

inline bool enthaelt(const std::vector<std::string>& zeilen, const std::string& teil) {
    for (const std::string& z : zeilen) {
        if (z.find(teil) != std::string::npos) return true;
    }
    return false;
}

}  // namespace brelvanostik::druck
