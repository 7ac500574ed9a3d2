#include <algorithm>
#include <cctype>
#include <functional>
#include <string_view>

#include "cli/befehle.h"
#include "cli/eingaben_json.h"
#include "cli/json.h"
#include "cli/zahlen.h"
#include "engine/lohnsteuer.h"

namespace brelvanostik::cli {

namespace {

// Amounts beyond a billion euros are outside the model; inside this bound every
// intermediate of the engine stays exact in four decimals and far from 64-bit limits.
constexpr std::int64_t kHoechstCent = 100'000'000'000;

struct Eingabe {
    std::string_view name;
    std::int64_t min;
    std::int64_t max;
    bool betrag;  // Money with up to four decimals, otherwise a whole number
    std::function<void(Lohnsteuerrechner&, Money)> setzen;
};

template <int Lohnsteuerrechner::*Feld>
void setzeGanz(Lohnsteuerrechner& e, Money m) {
    e.*Feld = static_cast<int>(m.units() / Money::kScale);
}
template <Money Lohnsteuerrechner::*Feld>
void setzeBetrag(Lohnsteuerrechner& e, Money m) {
    e.*Feld = m;
}

const std::vector<Eingabe>& eingaben() {
    constexpr std::int64_t i16min = -32768, i16max = 32767;
    static const std::vector<Eingabe> liste = {
        {"JAHR", 2004, 2008, false, setzeGanz<&Lohnsteuerrechner::JAHR>},
        {"LZZ", 1, 4, false, setzeGanz<&Lohnsteuerrechner::LZZ>},
        {"RE4", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::RE4>},
        {"VBEZ", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::VBEZ>},
        {"WFundF", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::WFundF>},
        {"HINZUR", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::HINZUR>},
        {"VBEZM", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::VBEZM>},
        {"VBEZS", -kHoechstCent, kHoechstCent, true, setzeBetrag<&Lohnsteuerrechner::VBEZS>},
        {"STKL", 1, 6, false, setzeGanz<&Lohnsteuerrechner::STKL>},
        {"ZKF", 0, 100, true, setzeBetrag<&Lohnsteuerrechner::ZKF>},
        {"KRV", i16min, i16max, false, setzeGanz<&Lohnsteuerrechner::KRV>},
        {"R", i16min, i16max, false, setzeGanz<&Lohnsteuerrechner::R>},
        {"Alter1", i16min, i16max, false, setzeGanz<&Lohnsteuerrechner::Alter1>},
        {"AJAHR", i16min, i16max, false, setzeGanz<&Lohnsteuerrechner::AJAHR>},
        {"VJAHR", i16min, i16max, false, setzeGanz<&Lohnsteuerrechner::VJAHR>},
        {"ZMVB", 0, 12, true, setzeBetrag<&Lohnsteuerrechner::ZMVB>},
    };
    return liste;
}

bool gleichOhneGross(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string json(const Lohnsteuerrechner& e) {
    JsonSchreiber j;
    j.objektAnfang();
    eingabefelderSchreiben(j, e);
    j.feld("FVB", e.FVB);
    j.feld("ZUSCHLAGVFB", e.ZUSCHLAGVFB);
    j.feld("VBEZB", e.VBEZB);
    j.feld("HFVB", e.HFVB);
    j.feld("ALTE", e.ALTE);
    j.feld("BMG", e.BMG);
    j.feld("Tab1", e.Tab1);
    j.feld("Tab2", e.Tab2);
    j.feld("Tab3", e.Tab3);
    j.feld("Tab4", e.Tab4);
    j.feld("Tab5", e.Tab5);
    j.feld("RE4LZZ", e.RE4LZZ);
    j.feld("RE4LZZV", e.RE4LZZV);
    j.feld("ZRE4", e.ZRE4);
    j.feld("ZRE4VP", e.ZRE4VP);
    j.feld("ZVBEZ", e.ZVBEZ);
    j.feld("ANP", e.ANP);
    j.feld("EFA", e.EFA);
    j.feld("SAP", e.SAP);
    j.feld("KFB", e.KFB);
    j.feld("SPLITFAKTOR", e.SPLITFAKTOR);
    j.feld("TABFBSUMME", e.TABFBSUMME);
    j.feld("VSP", e.VSP);
    j.feld("VSP1", e.VSP1);
    j.feld("VSP2", e.VSP2);
    j.feld("VSBN", e.VSBN);
    j.feld("VSPO", e.VSPO);
    j.feld("VSPKURZ", e.VSPKURZ);
    j.feld("VSPVOR", e.VSPVOR);
    j.feld("VSPMAX1", e.VSPMAX1);
    j.feld("VSPMAX2", e.VSPMAX2);
    j.feld("ZVEINK", e.ZVEINK);
    j.feld("X", e.X);
    j.feld("Y", e.Y);
    j.feld("RW", e.RW);
    j.feld("ST", e.ST);
    j.feld("JAHRESLST", e.JAHRESLST);
    j.feld("JBMG", e.JBMG);
    j.feld("SOLZGRENZE", e.SOLZGRENZE);
    j.feld("SOLZJ", e.SOLZJ);
    j.feld("SOLZMIN", e.SOLZMIN);
    j.feld("LSTPERIODE", e.LSTPERIODE);
    j.feld("SOLZLZZ", e.SOLZLZZ);
    j.feld("BK", e.BK);
    j.objektEnde();
    return j.text() + "\n";
}

}  // namespace

int lohnsteuerBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                     std::ostream& fehler) {
    Lohnsteuerrechner engine;
    for (const std::string& argument : argumente) {
        const auto gleich = argument.find('=');
        if (gleich == std::string::npos) {
            fehler << "brelvanostik-cli lohnsteuer: expected NAME=VALUE, got '" << zeigbar(argument)
                   << "'\n";
            return kFalscherAufruf;
        }
        const std::string_view name = std::string_view(argument).substr(0, gleich);
        const std::string_view text = std::string_view(argument).substr(gleich + 1);
        const auto eintrag =
            std::find_if(eingaben().begin(), eingaben().end(),
                         [&](const Eingabe& e) { return gleichOhneGross(e.name, name); });
        if (eintrag == eingaben().end()) {
            fehler << "brelvanostik-cli lohnsteuer: unknown variable '" << zeigbar(name) << "'\n";
            return kFalscherAufruf;
        }
        const auto wert = eintrag->betrag ? leseBetrag(text) : leseBetrag(text, 0);
        if (!wert) {
            fehler << "brelvanostik-cli lohnsteuer: " << eintrag->name << ": malformed number '"
                   << zeigbar(text) << "' ("
                   << (eintrag->betrag ? "up to four decimals" : "a whole number") << ")\n";
            return kFalscherAufruf;
        }
        if (*wert < Money::whole(eintrag->min) || *wert > Money::whole(eintrag->max)) {
            fehler << "brelvanostik-cli lohnsteuer: " << eintrag->name << "=" << zeigbar(text)
                   << " is out of range: the limit is " << eintrag->min << " to " << eintrag->max
                   << "\n";
            return kFalscherAufruf;
        }
        eintrag->setzen(engine, *wert);
    }
    engine.lohnsteuer();
    aus << json(engine);
    return kErfolg;
}

}  // namespace brelvanostik::cli
