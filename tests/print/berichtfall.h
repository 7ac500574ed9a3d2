#pragma once

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "print/dokument.h"
#include "session/sitzung.h"
#include "workspace/auswahllisten.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik::druck {

/// A line as the tests compare it: each piece as "position:text", "@" for a twips position,
/// "#" for a character column, "+" for text that follows.
inline std::string zeile(const Druckzeile& z) {
    std::ostringstream aus;
    for (std::size_t i = 0; i < z.stuecke.size(); ++i) {
        const Textstueck& t = z.stuecke[i];
        if (i > 0) aus << " | ";
        if (t.lage == Textstueck::Lage::Anschliessend)
            aus << '+';
        else
            aus << (t.lage == Textstueck::Lage::Twips ? '@' : '#') << t.x;
        aus << ':' << t.text;
    }
    return aus.str();
}

inline std::vector<std::string> zeilen(const Dokument& d) {
    std::vector<std::string> v;
    for (const Druckzeile& z : d.zeilen) v.push_back(zeile(z));
    return v;
}

/// December 2007 with the employer's adjustment: Bayern, class III, 1,0 child allowance,
/// 8 % church tax, 3,800.00 euros salary and a one-time payment in November.
inline std::unique_ptr<Sitzung> dezemberMitAusgleich() {
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), Einstellungen{});  // case 1, 2007
    s->auswahlTreffen(Seite::Gruen, zeile::Bundesland, wahl::land::Bayern);
    s->auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, 2);
    s->auswahlTreffen(Seite::Gruen, zeile::Kinderfreibetraege, 2);
    s->auswahlTreffen(Seite::Gruen, zeile::Kirchensteuer, wahl::kirche::Acht);
    s->betragEingeben(Seite::Gruen, zeile::Gehalt, "3800");
    s->monatWaehlen(10);
    s->betragEingeben(Seite::Gruen, zeile::EinmaligerBezug, "2500");
    s->monatWaehlen(11);
    s->auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
    return s;
}

/// Random cases for the checks that must hold for every report.
class Wuerfel {
  public:
    explicit Wuerfel(unsigned saat) : gen_(saat) {}
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(gen_); }
    bool selten() { return zahl(0, 3) == 0; }
    // An amount as typed: nothing, an ordinary one or the largest accepted.
    std::string betrag() {
        switch (zahl(0, 3)) {
            case 0:
                return "0";
            case 1:
                return "290000";
            default:
                return std::to_string(zahl(1, 900000)) + "," + std::to_string(zahl(10, 99));
        }
    }
    std::string text(std::size_t laenge) {
        static const std::string worte[] = {"WWWWWWWW", "Gehaltserhöhung", "Mühlheim",
                                            "ÄÖÜ",      "Nachzahlung",     "MMMMM"};
        std::string t;
        while (t.size() < laenge) t += worte[zahl(0, 5)] + " ";
        return t;
    }

  private:
    std::mt19937 gen_;
};

/// A session in a random year, case and month, every choice and amount of both sides set at
/// random, the largest accepted amounts, the longest names and comments among them.
inline std::unique_ptr<Sitzung> zufallssitzung(Wuerfel& w) {
    Einstellungen e;
    e.Jahr = w.zahl(kErstesJahr, kErstesJahr + kJahre - 1);
    e.Fall = w.zahl(1, kFaelle);
    e.Monat = w.zahl(1, kMonate);
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), e);
    for (Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (int r :
             {zeile::Geburtsjahrgang, zeile::Bundesland, zeile::SvStatus, zeile::Jahresausgleich,
              zeile::Steuerklasse, zeile::Kirchensteuer, zeile::Krankenversicherung,
              zeile::Pflegeversicherung, zeile::Rentenversicherung, zeile::Arbeitslosenversicherung,
              zeile::Zusatzbeitrag, zeile::Abzug, zeile::Kinderfreibetraege})
            s->auswahlTreffen(seite, r, w.zahl(0, auswahlAnzahl(r) - 1));
        for (int r : {zeile::Gehalt, zeile::Versorgungsbezug, zeile::EinmaligerBezug,
                      zeile::EinmaligerVersorgungsbezug, zeile::MehrjahresVerguetung,
                      zeile::Freibetrag, zeile::Hinzurechnung, zeile::ZusaetzlichSteuerpflichtig,
                      zeile::ZusaetzlichSvPflichtig, zeile::Abzug})
            s->betragEingeben(seite, r, w.betrag());
        // Part months and part-time: the pay after both ratios.
        if (w.selten()) s->betragEingeben(seite, zeile::Tage, std::to_string(w.zahl(1, 30)));
        if (w.selten())
            s->betragEingeben(seite, zeile::Wochenstunden, std::to_string(w.zahl(1, 40)));
        s->umbenennen(seite, w.selten() ? std::string(35, 'W') : w.text(w.zahl(1, 35)));
        s->kommentarSetzen(seite, w.selten() ? std::string(120, 'W') : w.text(w.zahl(0, 120)));
    }
    return s;
}

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
