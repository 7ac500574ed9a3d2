#include "taxsteps/schrittvergleich.h"

#include <algorithm>
#include <cstdint>

#include "basis/zahltext.h"
#include "engine/money.h"
#include "payroll/monatslauf.h"
#include "payroll/parameter.h"
#include "session/sitzung.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

/// A German decimal number of a listing: digits with dots between thousands, one comma and
/// at most four decimals, a leading minus; blanks around it are ignored.
struct Dezimalzahl {
    Money wert;
    int stellen = 0;
    bool gruppiert = false;  // written with thousands' dots
};

std::optional<Dezimalzahl> dezimalLesen(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const bool negativ = !text.empty() && text.front() == '-';
    if (negativ) text.remove_prefix(1);
    const auto komma = text.find(',');
    if (text.empty() || komma == std::string_view::npos || komma == 0) return std::nullopt;
    const std::string_view ganz = text.substr(0, komma), bruch = text.substr(komma + 1);
    if (bruch.empty() || bruch.size() > 4) return std::nullopt;
    std::int64_t einheiten = 0;
    int ziffern = 0;
    bool gruppiert = false;
    for (char c : ganz) {
        if (c == '.') {
            gruppiert = true;
            continue;
        }
        if (c < '0' || c > '9' || ++ziffern > 12) return std::nullopt;  // far beyond any tax amount
        einheiten = einheiten * 10 + (c - '0');
    }
    std::int64_t teil = 0;
    for (char c : bruch) {
        if (c < '0' || c > '9') return std::nullopt;
        teil = teil * 10 + (c - '0');
    }
    for (std::size_t i = bruch.size(); i < 4; ++i) teil *= 10;
    const std::int64_t roh = einheiten * Money::kScale + teil;
    return Dezimalzahl{Money::raw(negativ ? -roh : roh), static_cast<int>(bruch.size()), gruppiert};
}

/// A line's value: the value column, on headings the section's result; both where a line
/// has both (the monthly and the annual surcharge and church tax).
std::string zeilenwert(const Schrittzeile& z) {
    if (z.wert.empty()) return z.ergebnis;
    if (z.ergebnis.empty()) return z.wert;
    return z.wert + " / " + z.ergebnis;
}

std::string differenzText(const Schrittzeile& g, const Schrittzeile& b) {
    if (!g.wert.empty() && !g.ergebnis.empty() && !b.wert.empty() && !b.ergebnis.empty()) {
        const std::string monat = wertdifferenz(g.wert, b.wert),
                          jahr = wertdifferenz(g.ergebnis, b.ergebnis);
        return monat.empty() || jahr.empty() ? std::string() : monat + " / " + jahr;
    }
    return wertdifferenz(zeilenwert(g), zeilenwert(b));
}

}  // namespace

std::string wertdifferenz(const std::string& gruen, const std::string& blau) {
    const auto g = dezimalLesen(gruen), b = dezimalLesen(blau);
    if (!g || !b) return {};
    const Money d = b->wert - g->wert;
    // In the style of the values: the tariff's plain decimals stay without thousands' dots.
    const bool gruppiert = g->gruppiert || b->gruppiert || (g->stellen == 2 && b->stellen == 2);
    const std::string text = zahltext::zahl(d, std::max(g->stellen, b->stellen), gruppiert);
    return d > Money() ? "+" + text : text;
}

Schrittvergleich schritteVergleichen(Schrittliste gruen, Schrittliste blau) {
    Schrittvergleich v;
    int kopf = 0;
    for (int r = 0; r < kSchrittzeilen; ++r) {
        const Schrittzeile& g = gruen.zeilen[static_cast<std::size_t>(r)];
        const Schrittzeile& b = blau.zeilen[static_cast<std::size_t>(r)];
        Vergleichszeile& z = v.zeilen[static_cast<std::size_t>(r)];
        z.kopf = g.kopf;
        z.name = g.name == b.name || b.name.empty() ? g.name
                 : g.name.empty()                   ? b.name
                                                    : g.name + " / " + b.name;
        z.text = g.text == b.text || b.text.empty() ? g.text
                 : g.text.empty()                   ? b.text
                                                    : g.text + " | Blau: " + b.text;
        z.gruen = zeilenwert(g);
        z.blau = zeilenwert(b);
        z.abweichend = g.wert != b.wert || g.ergebnis != b.ergebnis;
        if (z.abweichend) z.differenz = differenzText(g, b);

        if (istKopfzeile(r)) kopf = r;
        if (!z.abweichend) continue;
        if (!v.ersteAbweichung) v.ersteAbweichung = r;
        if (v.abweichendeKoepfe.empty() || v.abweichendeKoepfe.back() != kopf)
            v.abweichendeKoepfe.push_back(kopf);
    }
    v.gruen = std::move(gruen);
    v.blau = std::move(blau);
    return v;
}

namespace {

int kopfzeileVon(int zeile) {
    int kopf = 0;
    for (int k : kKopfzeilen) {
        if (k <= zeile) kopf = k;
    }
    return kopf;
}

bool gueltig(int zeile) {
    return zeile >= 0 && zeile < kSchrittzeilen;
}

}  // namespace

Vergleichsgliederung::Vergleichsgliederung(const Schrittvergleich& v) {
    for (int k : v.abweichendeKoepfe) offen_[static_cast<std::size_t>(k)] = true;
    for (int r = 0; r < kSchrittzeilen; ++r) {
        ohneWerte_[static_cast<std::size_t>(r)] = v.gruen.fremderBlock(r) && v.blau.fremderBlock(r);
    }
}

bool Vergleichsgliederung::klicken(int zeile) {
    if (!gueltig(zeile) || !istKopfzeile(zeile)) return false;
    offen_[static_cast<std::size_t>(zeile)] = !offen_[static_cast<std::size_t>(zeile)];
    return true;
}

bool Vergleichsgliederung::offen(int kopfzeile) const {
    return gueltig(kopfzeile) && istKopfzeile(kopfzeile) &&
           offen_[static_cast<std::size_t>(kopfzeile)];
}

std::string Vergleichsgliederung::markierung(int zeile) const {
    if (!gueltig(zeile) || !istKopfzeile(zeile)) return {};
    return offen(zeile) ? "-" : "+";
}

bool Vergleichsgliederung::sichtbar(int zeile) const {
    if (!gueltig(zeile)) return false;
    if (istKopfzeile(zeile)) return true;
    return offen(kopfzeileVon(zeile)) && !ohneWerte_[static_cast<std::size_t>(zeile)];
}

Schrittliste monatslaufListe(const Arbeitsbereich& bereich, int jahr, int berechnung, int monat) {
    const Lohnsteuerrechner vorbereitet = monatslaufVorbereiten(bereich, jahr, berechnung, monat);
    int code = 0;
    if (jahr >= kErstesJahr && jahr < kErstesJahr + kJahre && berechnung >= 0 &&
        berechnung < kBerechnungen && monat >= 0 && monat < kMonate) {
        code = bereich.monat(jahr - kErstesJahr, berechnung, monat).Auswahl[zeile::Kirchensteuer];
    }
    // The month calculation always runs with church membership; its church tax follows the
    // rate of the month's church code (the minimum church tax is not a rate).
    return schrittlisteBerechnen(Steuereingaben::aus(vorbereitet),
                                 Listenangaben{true, (kirchensatz(code) * 100).toInt32()});
}

Schrittvergleich monatslaeufeVergleichen(const Arbeitsbereich& bereich, int jahr, int fallIndex,
                                         int monat) {
    return schritteVergleichen(monatslaufListe(bereich, jahr, fallIndex, monat),
                               monatslaufListe(bereich, jahr, zwilling(fallIndex), monat));
}

Schrittvergleich monatslaeufeVergleichen(const Sitzung& sitzung) {
    return monatslaeufeVergleichen(sitzung.arbeitsbereich(), sitzung.jahr(), sitzung.fallIndex(),
                                   sitzung.monat());
}

std::string vergleichsueberschrift(const Sitzung& sitzung) {
    const auto name = [&](Seite seite) {
        return "„" +
               sitzung.arbeitsbereich()
                   .kopf(sitzung.jahr() - kErstesJahr, sitzung.berechnung(seite))
                   .Fallname +
               "“";
    };
    return "Fall " + std::to_string(sitzung.fallIndex() + 1) + ", " +
           std::string(kMonatskuerzel.at(static_cast<std::size_t>(sitzung.monat()))) + " " +
           std::to_string(sitzung.jahr()) + ": " + name(Seite::Gruen) + " (grün) und " +
           name(Seite::Blau) + " (blau)";
}

}  // namespace brelvanostik
