#include "curve/belastungskurve.h"

#include <algorithm>

#include "payout/gehaltsprobe.h"
#include "payroll/parameter.h"
#include "tables/csv_tabelle.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

constexpr std::int32_t kHundertEuro = 10000;

Kurvenpunkt punktAus(const Monatsbild& bild) {
    Kurvenpunkt p;
    p.gehalt = bild.gehalt;
    p.steuern = -bild.steuern();
    p.sozialversicherung = -bild.sozialversicherung;
    p.auszahlung = bild.auszahlung;
    return p;
}

}  // namespace

Kurvenbereich standardbereich(int jahr) {
    const int index = Parameter::tabellenindex(
        std::clamp(jahr, kErstesJahr, kErstesJahr + kJahre - 1), wahl::land::BadenWuerttemberg);
    Kurvenbereich b;
    b.bis = 2 * static_cast<std::int64_t>(parameter().rvbbg[index]);
    return b;
}

std::optional<std::string> bereichFehler(const Kurvenbereich& b) {
    if (b.schritt <= 0) return "--schritt must be positive";
    if (b.bis < b.von) return "--bis must not be below --von";
    if (b.von < 0 || b.bis > kMaxBetragHundertstel)
        return "salaries must lie between 0 and 290000.00, the salary field's limit";
    if ((b.bis - b.von) / b.schritt + 1 > kHoechstePunktzahl)
        return "at most 100000 points (a larger --schritt or a smaller range)";
    return std::nullopt;
}

Belastungskurve kurveBerechnen(const Sitzung& sitzung, Seite seite, const Kurvenbereich& bereich) {
    Belastungskurve kurve;
    kurve.seite = seite;
    kurve.jahr = sitzung.jahr();
    kurve.monat = sitzung.monat();
    const int berechnung = sitzung.berechnung(seite);
    const int jahrIndex = sitzung.jahr() - kErstesJahr;
    kurve.fallname = sitzung.arbeitsbereich().kopf(jahrIndex, berechnung).Fallname;
    const Monatssatz& satz = sitzung.arbeitsbereich().monat(jahrIndex, berechnung, sitzung.monat());
    const int index = Parameter::tabellenindex(sitzung.jahr(), satz.Auswahl[zeile::Bundesland]);
    kurve.marken.kvBbg = static_cast<std::int32_t>(parameter().kvbbg[index]);
    kurve.marken.rvBbg = static_cast<std::int32_t>(parameter().rvbbg[index]);
    kurve.marken.gehaltDesFalls = satz.Betrag[zeile::Gehalt];
    if (bereichFehler(bereich)) return kurve;

    Gehaltsprobe probe(sitzung, seite);
    const std::int64_t anzahl = (bereich.bis - bereich.von) / bereich.schritt + 1;
    kurve.punkte.reserve(static_cast<std::size_t>(anzahl));
    for (std::int64_t i = 0; i < anzahl; ++i) {
        const auto gehalt = static_cast<std::int32_t>(bereich.von + i * bereich.schritt);
        Kurvenpunkt p = punktAus(probe.mit(gehalt));
        if (gehalt <= kMaxBetragHundertstel - kHundertEuro) {
            p.restJe100 = probe.mit(gehalt + kHundertEuro).auszahlung - p.auszahlung;
        } else {
            p.restJe100 = p.auszahlung - probe.mit(gehalt - kHundertEuro).auszahlung;
        }
        kurve.punkte.push_back(p);
    }
    return kurve;
}

std::string kurvenCsv(const Belastungskurve& kurve) {
    std::string text = "\xEF\xBB\xBF";
    for (const char* kopf : {"Gehalt", "Steuern", "Sozialversicherung", "Auszahlung"}) {
        text += csvZelle(kopf);
        text += ';';
    }
    text += csvZelle("Verbleib je weitere 100 €");
    text += "\r\n";
    for (const Kurvenpunkt& p : kurve.punkte) {
        for (const std::int64_t wert : {std::int64_t{p.gehalt}, p.steuern, p.sozialversicherung,
                                        std::int64_t{p.auszahlung}}) {
            text += csvBetrag(wert);
            text += ';';
        }
        text += csvBetrag(p.restJe100);
        text += "\r\n";
    }
    return text;
}

bool punktWeichtAb(const Belastungskurve& a, const Belastungskurve& b, std::size_t i) {
    if (i >= a.punkte.size() || i >= b.punkte.size()) return false;
    const Kurvenpunkt& x = a.punkte[i];
    const Kurvenpunkt& y = b.punkte[i];
    return x.steuern != y.steuern || x.sozialversicherung != y.sozialversicherung ||
           x.auszahlung != y.auszahlung || x.restJe100 != y.restJe100;
}

}  // namespace brelvanostik
