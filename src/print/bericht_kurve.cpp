#include "print/bericht_kurve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "basis/zahltext.h"

namespace brelvanostik::druck {

namespace {

constexpr Farbe kGruen{0, 140, 0};
constexpr Farbe kBlau{0, 60, 220};
constexpr Farbe kGrau{150, 150, 150};
constexpr Farbe kSchwarz{0, 0, 0};
constexpr Farbe kRot{200, 0, 0};

constexpr int kRandLinks = 1300;
constexpr int kRandRechts = 300;
constexpr int kRandOben = 450;  // room for the marks' captions
// The right end of the upper panel's heading, which shares the marks' top row.
constexpr int kUeberschriftBis = kRandLinks + 1500;

// The axes of a panel: salary left to right, a value bottom to top.
struct Achsen {
    int links, rechts, oben, unten;
    double xVon, xBis, yVon, yBis;

    int x(double wert) const {
        const double anteil = xBis > xVon ? (wert - xVon) / (xBis - xVon) : 0.0;
        return links +
               static_cast<int>(std::lround(std::clamp(anteil, 0.0, 1.0) * (rechts - links)));
    }
    int y(double wert) const {
        const double anteil = yBis > yVon ? (wert - yVon) / (yBis - yVon) : 0.0;
        return unten -
               static_cast<int>(std::lround(std::clamp(anteil, -0.05, 1.05) * (unten - oben)));
    }
};

// A step of 1, 2 or 5 times a power of ten that splits `spanne` into at most `teile` parts.
double rundeTeilung(double spanne, int teile) {
    if (spanne <= 0) return 1.0;
    const double roh = spanne / teile;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        if (f * zehner >= roh) return f * zehner;
    }
    return 10.0 * zehner;
}

Schrift klein(bool fett = false) {
    return Schrift{"Arial", 7.0, fett};
}

std::string euro(double hundertstel) {
    return zahltext::zahl(
        Money::whole(static_cast<std::int64_t>(std::llround(hundertstel / 100.0))), 0);
}

void rahmen(Zeichnung& z, const Achsen& a) {
    z.linien.push_back({{{a.links, a.oben},
                         {a.rechts, a.oben},
                         {a.rechts, a.unten},
                         {a.links, a.unten},
                         {a.links, a.oben}},
                        kSchwarz,
                        10});
}

// Grid lines and captions of the value axis; `einheit` turns a value into its caption.
template <typename Text>
void werteachse(Zeichnung& z, const Achsen& a, double teilung, Text einheit) {
    const double start = std::ceil(a.yVon / teilung) * teilung;
    for (double w = start; w <= a.yBis + teilung * 1e-9; w += teilung) {
        const int y = a.y(w);
        z.linien.push_back({{{a.links, y}, {a.rechts, y}}, {225, 225, 225}, 8});
        z.texte.push_back({{a.links - 80, y + 60},
                           einheit(w),
                           klein(),
                           kSchwarz,
                           Beschriftung::Ausrichtung::Rechts});
    }
}

void gehaltsachse(Zeichnung& z, const Achsen& a, bool beschriften) {
    const double teilung = rundeTeilung(a.xBis - a.xVon, 10);
    const double start = std::ceil(a.xVon / teilung) * teilung;
    for (double w = start; w <= a.xBis + teilung * 1e-9; w += teilung) {
        const int x = a.x(w);
        z.linien.push_back({{{x, a.oben}, {x, a.unten}}, {225, 225, 225}, 8});
        if (beschriften) {
            z.texte.push_back(
                {{x, a.unten + 200}, euro(w), klein(), kSchwarz, Beschriftung::Ausrichtung::Mitte});
        }
    }
}

struct Marke {
    double gehalt;
    std::string text;
    Farbe farbe;
};

// The marks as dashed lines through both panels, captioned above the upper one. Captions that
// would run into each other (the case's salary beside a ceiling) go one row higher.
void marken(Zeichnung& z, const Achsen& oben, const Achsen& unten, std::vector<Marke> liste,
            int belegtBis) {
    std::sort(liste.begin(), liste.end(),
              [](const Marke& a, const Marke& b) { return a.gehalt < b.gehalt; });
    constexpr int kZeichenbreite = 80;  // twips of a character of the small font, generously
    std::array<int, 3> frei{0, 0, belegtBis};
    for (const Marke& m : liste) {
        if (m.gehalt < oben.xVon || m.gehalt > oben.xBis) continue;
        const int x = oben.x(m.gehalt);
        for (const Achsen* a : {&oben, &unten}) {
            z.linien.push_back(
                {{{x, a->oben}, {x, a->unten}}, m.farbe, 12, Linienzug::Strich::Gestrichelt});
        }
        const int halb = static_cast<int>(m.text.size()) * kZeichenbreite / 2;
        std::size_t zeile = 0;
        while (zeile + 1 < frei.size() && x - halb < frei[zeile]) ++zeile;
        frei[zeile] = x + halb + 60;
        z.texte.push_back({{x, oben.oben - 60 - static_cast<int>(zeile) * 170},
                           m.text,
                           klein(),
                           m.farbe,
                           Beschriftung::Ausrichtung::Mitte});
    }
}

// One value of every point as lines: the whole curve, or only the stretches where `nurWo`
// says so (each stretch with its neighbours, so that it joins the curve beneath).
template <typename Wert, typename Wo>
void kurvenlinien(Zeichnung& z, const Achsen& a, const Belastungskurve& k, Wert wert, Farbe farbe,
                  Linienzug::Strich strich, Wo nurWo) {
    Linienzug zug{{}, farbe, 22, strich};
    const std::size_t n = k.punkte.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool dabei = nurWo(i) || (i > 0 && nurWo(i - 1)) || (i + 1 < n && nurWo(i + 1));
        if (dabei) {
            zug.punkte.push_back({a.x(k.punkte[i].gehalt), a.y(wert(k.punkte[i]))});
        } else if (!zug.punkte.empty()) {
            if (zug.punkte.size() == 1) zug.punkte.push_back(zug.punkte.front());
            z.linien.push_back(zug);
            zug.punkte.clear();
        }
    }
    if (!zug.punkte.empty()) {
        if (zug.punkte.size() == 1) zug.punkte.push_back(zug.punkte.front());
        z.linien.push_back(std::move(zug));
    }
}

double belastung(const Kurvenpunkt& p) {
    return (10000.0 - p.restJe100) / 100.0;  // percent of a further 100 euros
}

}  // namespace

Zeichnung kurvenzeichnung(const Belastungskurve& kurve, const Belastungskurve* zwilling, int breite,
                          int hoehe) {
    Zeichnung z;
    z.breite = breite;
    z.hoehe = hoehe;
    const std::vector<const Belastungskurve*> kurven =
        zwilling
            ? std::vector<const Belastungskurve*>{kurve.seite == Seite::Gruen ? &kurve : zwilling,
                                                  kurve.seite == Seite::Gruen ? zwilling : &kurve}
            : std::vector<const Belastungskurve*>{&kurve};

    double xVon = 0, xBis = 1, yMin = 0, yMax = 1, bMin = 0, bMax = 100;
    if (!kurve.punkte.empty()) {
        xVon = kurve.punkte.front().gehalt;
        xBis = std::max<double>(kurve.punkte.back().gehalt, xVon + 1);
    }
    for (const Belastungskurve* k : kurven) {
        for (const Kurvenpunkt& p : k->punkte) {
            for (const double w :
                 {static_cast<double>(p.steuern), static_cast<double>(p.sozialversicherung),
                  static_cast<double>(p.auszahlung)}) {
                yMin = std::min(yMin, w);
                yMax = std::max(yMax, w);
            }
            bMin = std::min(bMin, belastung(p));
            bMax = std::max(bMax, belastung(p));
        }
    }
    // Single jumps (the sliding zone's first cent) would flatten the rest of the panel.
    bMin = std::max(bMin, -100.0);
    bMax = std::min(bMax, 200.0);

    const int legende = 600;
    const int luecke = 700;
    const int nutzbar = hoehe - kRandOben - legende - luecke;
    const int obenHoehe = nutzbar * 3 / 5;
    Achsen oben{
        kRandLinks, breite - kRandRechts, kRandOben, kRandOben + obenHoehe, xVon, xBis, yMin, yMax};
    Achsen unten{
        kRandLinks, breite - kRandRechts, oben.unten + luecke, hoehe - legende, xVon, xBis, bMin,
        bMax};
    const double teilung = rundeTeilung(yMax - yMin, 6);
    oben.yVon = std::floor(yMin / teilung) * teilung;
    oben.yBis = std::ceil(yMax / teilung) * teilung;
    const double prozentTeilung = rundeTeilung(bMax - bMin, 4);
    unten.yVon = std::floor(bMin / prozentTeilung) * prozentTeilung;
    unten.yBis = std::ceil(bMax / prozentTeilung) * prozentTeilung;

    werteachse(z, oben, teilung, [](double w) { return euro(w); });
    werteachse(z, unten, prozentTeilung, [](double w) {
        return zahltext::zahl(Money::whole(static_cast<std::int64_t>(std::llround(w))), 0) + " %";
    });
    gehaltsachse(z, oben, false);
    gehaltsachse(z, unten, true);
    rahmen(z, oben);
    rahmen(z, unten);
    z.texte.push_back(
        {{oben.links, oben.oben - 60 - 2 * 170}, "Monatsbetrag (Euro)", klein(true), kSchwarz});
    z.texte.push_back({{unten.links, unten.oben - 80},
                       "Belastung je weitere 100 Euro Gehalt (Prozent)",
                       klein(true),
                       kSchwarz});
    z.texte.push_back({{unten.rechts, unten.unten + 400},
                       "Monatsgehalt (Euro)",
                       klein(true),
                       kSchwarz,
                       Beschriftung::Ausrichtung::Rechts});

    const Kurvenmarken& m = kurve.marken;
    marken(z, oben, unten,
           {{double(m.gleitzoneVon), "400", kGrau},
            {double(m.gleitzoneBis), "Gleitzone 800", kGrau},
            {double(m.kvBbg), "BBG KV", kGrau},
            {double(m.rvBbg), "BBG RV", kGrau},
            {double(m.gehaltDesFalls), "Gehalt des Falls", kRot}},
           kUeberschriftBis);

    for (std::size_t n = 0; n < kurven.size(); ++n) {
        const Belastungskurve& k = *kurven[n];
        const Farbe farbe = k.seite == Seite::Gruen ? kGruen : kBlau;
        const auto wo = [&](std::size_t i) { return n == 0 || punktWeichtAb(*kurven[0], k, i); };
        using S = Linienzug::Strich;
        kurvenlinien(
            z, oben, k, [](const Kurvenpunkt& p) { return double(p.steuern); }, farbe,
            S::Gestrichelt, wo);
        kurvenlinien(
            z, oben, k, [](const Kurvenpunkt& p) { return double(p.sozialversicherung); }, farbe,
            S::Gepunktet, wo);
        kurvenlinien(
            z, oben, k, [](const Kurvenpunkt& p) { return double(p.auszahlung); }, farbe,
            S::Durchgezogen, wo);
        kurvenlinien(z, unten, k, belastung, farbe, S::Durchgezogen, wo);
    }

    // The legend: what each line is, and whose curve is which colour.
    const int y = hoehe - 60;
    z.texte.push_back({{kRandLinks, y},
                       "Auszahlung: durchgezogen    Steuern (LSt, SolZ, KiSt): gestrichelt    "
                       "Sozialversicherung: gepunktet",
                       klein(),
                       kSchwarz});
    int x = breite - kRandRechts;
    for (auto it = kurven.rbegin(); it != kurven.rend(); ++it) {
        const Belastungskurve& k = **it;
        const bool gruen = k.seite == Seite::Gruen;
        z.texte.push_back({{x, y},
                           (gruen ? "grün: " : "blau: ") + k.fallname,
                           klein(true),
                           gruen ? kGruen : kBlau,
                           Beschriftung::Ausrichtung::Rechts});
        x -= 3600;
    }
    return z;
}

Dokument kurvenbericht(const Belastungskurve& kurve, const Belastungskurve* zwilling) {
    Seitenaufbau seite("Belastungskurve", true);
    const std::string monat(
        kMonatskuerzel[static_cast<std::size_t>(std::clamp(kurve.monat, 0, kMonate - 1))]);
    seite.schrift("Arial").groesse(12).fett(true);
    seite.bei(0, "Belastungskurve  " + kurve.fallname + "  –  " + monat + " " +
                     std::to_string(kurve.jahr));
    seite.zeilenende();
    seite.groesse(8).fett(false);
    seite.bei(0,
              "Jeder Punkt ist die Monatsberechnung des Falls mit diesem Gehalt, eingegeben wie "
              "im Gehaltsfeld; alle anderen Eingaben wie gespeichert.");
    seite.zeilenende();
    seite.leerzeilen(1);
    // A4 landscape within the renderer's margins: 272 x 186 mm.
    seite.zeichnung(kurvenzeichnung(kurve, zwilling, 15200, 9600));
    return seite.fertig();
}

}  // namespace brelvanostik::druck
