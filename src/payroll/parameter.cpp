#include "payroll/parameter.h"

#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

// State codes in the order of the state list.
using namespace wahl::land;

using Kvsaetze = std::array<std::array<std::int16_t, Parameter::kMonate>, Parameter::kLaender>;

// One run of months (von..bis, January = 0) with one rate of a state.
constexpr void lauf(Kvsaetze& t, int land, int von, int bis, std::int16_t satz) {
    for (int m = von; m <= bis; ++m) t[land][m] = satz;
}
constexpr void ganzesJahr(Kvsaetze& t, int land, std::int16_t satz) {
    lauf(t, land, 0, 11, satz);
}
// The law cut every fund's general rate by 0.9 points on 1 July 2005, when the employee's
// own surcharge of 0.9 % took over that part of the contribution.
constexpr void halbjahre(Kvsaetze& t, int land, std::int16_t bisJuni, std::int16_t abJuli) {
    lauf(t, land, 0, 5, bisJuni);
    lauf(t, land, 6, 11, abJuli);
}

constexpr void kvsaetze2004(Kvsaetze& t) {
    ganzesJahr(t, BadenWuerttemberg, 1490);
    lauf(t, Bayern, 0, 2, 1490);
    lauf(t, Bayern, 3, 11, 1450);
    ganzesJahr(t, Berlin, 1550);
    ganzesJahr(t, Brandenburg, 1450);
    ganzesJahr(t, Bremen, 1450);
    ganzesJahr(t, Hamburg, 1490);
    ganzesJahr(t, Hessen, 1480);
    ganzesJahr(t, MecklenburgVorpommern, 1490);
    ganzesJahr(t, Niedersachsen, 1450);
    ganzesJahr(t, NordrheinWestfalen, 1390);
    halbjahre(t, RheinlandPfalz, 1440, 1420);
    ganzesJahr(t, Saarland, 1490);
    ganzesJahr(t, Sachsen, 1290);
    ganzesJahr(t, SachsenAnhalt, 1440);
    ganzesJahr(t, SchleswigHolstein, 1450);
    ganzesJahr(t, Thueringen, 1450);
}

constexpr void kvsaetze2005(Kvsaetze& t) {
    lauf(t, BadenWuerttemberg, 0, 5, 1490);
    lauf(t, BadenWuerttemberg, 6, 10, 1400);
    lauf(t, BadenWuerttemberg, 11, 11, 1390);
    halbjahre(t, Bayern, 1450, 1360);
    halbjahre(t, Berlin, 1550, 1460);
    halbjahre(t, Brandenburg, 1450, 1360);
    halbjahre(t, Bremen, 1450, 1360);
    halbjahre(t, Hamburg, 1490, 1400);
    halbjahre(t, Hessen, 1480, 1390);
    halbjahre(t, MecklenburgVorpommern, 1490, 1400);
    halbjahre(t, Niedersachsen, 1450, 1350);
    halbjahre(t, NordrheinWestfalen, 1390, 1300);
    halbjahre(t, RheinlandPfalz, 1420, 1330);
    halbjahre(t, Saarland, 1490, 1400);
    halbjahre(t, Sachsen, 1290, 1200);
    halbjahre(t, SachsenAnhalt, 1440, 1350);
    halbjahre(t, SchleswigHolstein, 1450, 1360);
    halbjahre(t, Thueringen, 1450, 1360);
}

constexpr void kvsaetze2006(Kvsaetze& t) {
    ganzesJahr(t, BadenWuerttemberg, 1390);
    ganzesJahr(t, Bayern, 1360);
    ganzesJahr(t, Berlin, 1460);
    ganzesJahr(t, Brandenburg, 1360);
    ganzesJahr(t, Bremen, 1360);
    halbjahre(t, Hamburg, 1400, 1340);
    halbjahre(t, Hessen, 1390, 1440);
    ganzesJahr(t, MecklenburgVorpommern, 1400);
    ganzesJahr(t, Niedersachsen, 1350);
    ganzesJahr(t, NordrheinWestfalen, 1300);
    // The Rheinland-Pfalz fund raised its rate with June, not with the half-year.
    lauf(t, RheinlandPfalz, 0, 4, 1330);
    lauf(t, RheinlandPfalz, 5, 11, 1390);
    ganzesJahr(t, Saarland, 1460);
    ganzesJahr(t, Sachsen, 1200);
    ganzesJahr(t, SachsenAnhalt, 1350);
    ganzesJahr(t, SchleswigHolstein, 1440);
    ganzesJahr(t, Thueringen, 1360);
}

constexpr void kvsaetze2007(Kvsaetze& t) {
    ganzesJahr(t, BadenWuerttemberg, 1450);
    ganzesJahr(t, Bayern, 1450);
    ganzesJahr(t, Berlin, 1580);
    ganzesJahr(t, Brandenburg, 1490);
    ganzesJahr(t, Bremen, 1430);
    ganzesJahr(t, Hamburg, 1430);
    ganzesJahr(t, Hessen, 1490);
    ganzesJahr(t, MecklenburgVorpommern, 1500);
    ganzesJahr(t, Niedersachsen, 1410);
    ganzesJahr(t, NordrheinWestfalen, 1380);
    ganzesJahr(t, RheinlandPfalz, 1550);
    ganzesJahr(t, Saarland, 1580);
    ganzesJahr(t, Sachsen, 1290);
    ganzesJahr(t, SachsenAnhalt, 1480);
    ganzesJahr(t, SchleswigHolstein, 1530);
    ganzesJahr(t, Thueringen, 1360);
}

// Percent with two decimals as Money (985 -> 9.85).
constexpr Money prozent(std::int64_t hundertstel) {
    return Money::raw(hundertstel * 100);
}

struct Jahreswerte {
    std::int64_t pv, rv, av;           // employee's shares, percent x 100
    float kvbbg, rvbbgWest, rvbbgOst;  // ceilings, cents per month
};

// The care share is the same 0.85 % in every year; pension insurance rose to 19.9 % and
// unemployment insurance fell to 4.2 % in 2007, when the eastern pension ceiling rose to
// 4,550.00 euros (54,600 euros a year).
constexpr std::array<Jahreswerte, Parameter::kJahre> kJahreswerte{{
    {85, 975, 325, 348750.0f, 515000.0f, 435000.0f},
    {85, 975, 325, 352500.0f, 520000.0f, 440000.0f},
    {85, 975, 325, 356250.0f, 525000.0f, 440000.0f},
    {85, 995, 210, 356250.0f, 525000.0f, 455000.0f},
}};

constexpr Parameter fuellen() {
    Parameter p;
    kvsaetze2004(p.kvsatztabelle[0]);
    kvsaetze2005(p.kvsatztabelle[1]);
    kvsaetze2006(p.kvsatztabelle[2]);
    kvsaetze2007(p.kvsatztabelle[3]);
    for (int y = 0; y < Parameter::kJahre; ++y) {
        const Jahreswerte& w = kJahreswerte[y];
        for (int a = 0; a < 2; ++a) {
            const int i = y + Parameter::kJahre * a;
            p.pvsatz[i] = prozent(w.pv);
            p.rvsatz[i] = prozent(w.rv);
            p.avsatz[i] = prozent(w.av);
            p.kvbbg[i] = w.kvbbg;
            p.rvbbg[i] = a == 0 ? w.rvbbgWest : w.rvbbgOst;
        }
    }
    return p;
}

constexpr bool jedeZelleGefuellt(const Parameter& p) {
    for (const auto& jahr : p.kvsatztabelle)
        for (const auto& land : jahr)
            for (std::int16_t satz : land)
                if (satz == 0) return false;
    return true;
}

constexpr Parameter kParameter = fuellen();
static_assert(jedeZelleGefuellt(kParameter), "a health insurance rate cell was left empty");

}  // namespace

const Parameter& parameter() {
    return kParameter;
}

Money gleitzonenfaktor(int jahr, int monat, bool inDerZone) {
    if (jahr <= 2005) return Money::raw(5952);
    if (jahr == 2006) {
        if (monat >= 6) return Money::raw(7160);
        return inDerZone ? Money::raw(5967) : Money::raw(5952);
    }
    // The federal ministry's notice of 30 November 2006: 1.2327 x pay - 186.16.
    return Money::raw(7673);
}

}  // namespace brelvanostik
