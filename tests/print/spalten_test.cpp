// Every column of every line of every report adds up: each line's parts to its total, each
// column's lines to its total line, gross and deductions to the payout.
#include <gtest/gtest.h>

#include <map>

#include "berichtfall.h"
#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "print/berichtstexte.h"
#include "print/schrittvergleich_druck.h"
#include "tables/alle_monate.h"
#include "tables/interne_werte.h"

namespace brelvanostik::druck {
namespace {

// A printed line as numbers: its label and its amounts by position.
struct Zahlenzeile {
    std::string label;
    std::map<int, std::int64_t> betrag;
    std::int64_t bei(int x) const {
        const auto it = betrag.find(x);
        return it == betrag.end() ? 0 : it->second;
    }
};

std::optional<std::int64_t> zahl(std::string text) {
    std::erase(text, ' ');
    std::erase(text, '.');
    const auto komma = text.find(',');
    if (text.empty() || komma == std::string::npos || komma + 3 != text.size()) return {};
    text.erase(komma, 1);
    return std::stoll(text);
}

std::vector<Zahlenzeile> zahlenzeilen(const Dokument& d) {
    std::vector<Zahlenzeile> zeilen;
    for (const Druckzeile& z : d.zeilen) {
        Zahlenzeile n;
        for (const Textstueck& t : z.stuecke) {
            const auto wert = t.schrift.name == "Courier New" ? zahl(t.text) : std::nullopt;
            if (wert)
                n.betrag[t.x] = *wert;
            else if (n.label.empty())
                n.label = t.text;
        }
        zeilen.push_back(std::move(n));
    }
    return zeilen;
}

// The index of the line whose label begins with `anfang`.
std::size_t zeile(const std::vector<Zahlenzeile>& z, const std::string& anfang) {
    for (std::size_t i = 0; i < z.size(); ++i)
        if (z[i].label.rfind(anfang, 0) == 0) return i;
    ADD_FAILURE() << "keine Zeile " << anfang;
    return 0;
}

// The first line after `i` that carries amounts.
std::size_t naechste(const std::vector<Zahlenzeile>& z, std::size_t i) {
    while (++i < z.size() && z[i].betrag.empty()) {
    }
    return std::min(i, z.size() - 1);
}

// Lines after `von` up to `bis` that carry amounts add up, column by column, to line `bis`.
void spaltensummen(const std::vector<Zahlenzeile>& z, std::size_t von, std::size_t bis,
                   const std::vector<int>& spalten, int summenspalte = -1) {
    for (int x : spalten) {
        std::int64_t summe = 0;
        for (std::size_t i = von + 1; i < bis; ++i) summe += z[i].bei(x);
        EXPECT_EQ(summe, z[bis].bei(summenspalte < 0 ? x : summenspalte))
            << z[bis].label << " in Spalte " << x;
    }
}

// The single report adds up, and every amount stands in its line and column: the income and
// deduction parts as the internal values of the month hold them, the closing lines as the
// month's stored intermediate values in their order.
void einzelberichtGehtAuf(const Sitzung& s, Seite seite) {
    const auto z = zahlenzeilen(berichtEinzeln(s, seite, "a"));
    const InterneWerte w = interneWerte(s, seite);
    const auto& k = monatssatz(s, seite).Kennwert;
    constexpr int kGesamt = 8500;
    const std::size_t kopf = zeile(z, " Laufend"), brutto = zeile(z, "G E S A M T"),
                      abzuege = zeile(z, "A B Z Ü G E"), auszahlung = zeile(z, "A U S Z A H L");
    std::vector<int> teile;  // laufend, einmalig and, with the adjustment, its column
    for (const auto& [x, wert] : z[abzuege].betrag)
        if (x != kGesamt) teile.push_back(x);
    ASSERT_EQ(teile.size(), w.mitAusgleich ? 3u : 2u);
    for (std::size_t i = kopf; i <= abzuege; ++i) {
        if (z[i].betrag.empty()) continue;
        std::int64_t summe = 0;
        for (int x : teile) summe += z[i].bei(x);
        EXPECT_EQ(summe, z[i].bei(kGesamt)) << z[i].label;
    }
    // {line, laufend, einmalig, ausgleich}
    std::vector<std::array<std::int64_t, 3>> teilwerte = {
        {*w.monatsbetraege[0], *w.monatsbetraege[2], 0},
        {*w.monatsbetraege[1], *w.monatsbetraege[3], 0},
        {0, *w.monatsbetraege[4], 0}};
    for (int i = 0; i < InterneWerte::kAbzuege; ++i) {
        const auto n = static_cast<std::size_t>(i);
        teilwerte.push_back({w.laufend[n], w.einmalig[n], w.ausgleich[n]});
    }
    std::size_t i = kopf;
    for (std::size_t n = 0; n < teilwerte.size(); ++n) {
        const auto& soll = teilwerte[n];
        i = naechste(z, n == 3 ? brutto : i);  // the deductions follow the gross
        for (std::size_t t = 0; t < teile.size(); ++t)
            EXPECT_EQ(z[i].bei(teile[t]), soll[t]) << z[i].label << " in Spalte " << teile[t];
    }
    EXPECT_EQ(naechste(z, i), abzuege);
    std::size_t j = naechste(z, auszahlung);
    for (int kw : {kennwert::SteuerpflichtigBisher, kennwert::JahreslohnOhneEinmal,
                   kennwert::JahreslohnMitEinmal, kennwert::KvBbgOffen, kennwert::KvBbgGenutzt,
                   kennwert::KvBbgUebrig, kennwert::RvBbgOffen, kennwert::RvBbgGenutzt,
                   kennwert::RvBbgUebrig}) {
        EXPECT_EQ(z[j].bei(kGesamt), k[kw]) << z[j].label;
        j = naechste(z, j);
    }
    teile.push_back(kGesamt);
    spaltensummen(z, kopf, brutto, teile);
    spaltensummen(z, brutto, abzuege, teile);
    EXPECT_EQ(
        z[brutto].bei(kGesamt) + z[abzuege].bei(kGesamt) + z[naechste(z, abzuege)].bei(kGesamt),
        z[auszahlung].bei(kGesamt));
}

void beideGehenAuf(const Dokument& d, bool gemeinsam) {
    const auto z = zahlenzeilen(d);
    constexpr int kGruen = 3000, kBlau = 5200, kGelb = 10600, kGelbeSumme = 10150;
    const std::size_t kopf = zeile(z, gemeinsam ? "gemeinsam" : "Unterschied"),
                      brutto = zeile(z, "B R U T T O"), abzuege = zeile(z, "A B Z Ü G E"),
                      auszahlung = zeile(z, "AUSZAHLUNG");
    spaltensummen(z, kopf, brutto, {kGruen, kBlau, kGelb});
    spaltensummen(z, brutto, abzuege, {kGruen, kBlau});
    spaltensummen(z, brutto, abzuege, {kGelb}, kGelbeSumme);
    for (std::size_t i = kopf; i <= auszahlung; ++i) {
        const Zahlenzeile& l = z[i];
        const std::int64_t gelb = i == abzuege ? l.bei(kGelbeSumme) : l.bei(kGelb);
        if (!l.betrag.empty()) {
            EXPECT_EQ(gelb, gemeinsam ? l.bei(kGruen) + l.bei(kBlau) : l.bei(kBlau) - l.bei(kGruen))
                << l.label;
        }
    }
    for (int x : {kGruen, kBlau})
        EXPECT_EQ(z[brutto].bei(x) + z[abzuege].bei(x) + z[naechste(z, abzuege)].bei(x),
                  z[auszahlung].bei(x));
}

// In the month form each side's column holds that side's month, line by line: the pay after
// the ratios, the gross, the deductions, their sum, the amount deducted and the payout.
void beideLesenIhreWerte(const Sitzung& s) {
    const auto z = zahlenzeilen(berichtBeide(s, "a"));
    for (const auto& [seite, x] : {std::pair{Seite::Gruen, 3000}, std::pair{Seite::Blau, 5200}}) {
        const InterneWerte w = interneWerte(s, seite);
        const auto& b = monatssatz(s, seite).Betrag;
        std::vector<std::int64_t> soll;
        for (const auto& m : w.monatsbetraege)
            if (m) soll.push_back(*m);  // the five incomes, then the gross
        soll.insert(soll.end(), w.gesamt.begin(), w.gesamt.end());
        soll.insert(soll.end(), {w.summeGesamt, b[zeile::Abzug], b[zeile::Auszahlung]});
        std::size_t i = zeile(z, "gemeinsam");
        for (std::int64_t wert : soll) {
            i = naechste(z, i);
            EXPECT_EQ(z[i].bei(x), wert) << z[i].label << " in Spalte " << x;
        }
    }
}

// The printed table shows the all-months table's amounts, month by month and in the sum
// column, and its lines add up.
void tabelleGehtAuf(const Sitzung& s, Seite seite) {
    const auto z = zahlenzeilen(berichtTabelle(s, seite, "31.12.2007", "a"));
    const AlleMonate t = alleMonate(s, seite);
    using T = AlleMonate::Tabellenzeile;
    std::map<int, Zahlenzeile> zeilen;  // by table row
    for (int r = T::LaufendesGehalt; r <= AlleMonate::kZeilen; ++r)
        zeilen[r] = z[zeile(z, r == T::Auszahlung ? "A U S Z A H L U N G"
                                                  : std::string(AlleMonate::beschriftung(r)))];
    constexpr int kSumme = 155;
    for (const auto& [r, l] : zeilen) {
        for (int m = 0; m <= kMonate; ++m)
            EXPECT_EQ(l.bei(m == kMonate ? kSumme : 11 * m + 21),
                      t.wert(r, m == kMonate ? AlleMonate::kSumme : m))
                << l.label << " im Monat " << m;
    }
    for (int m = 0; m <= kMonate; ++m) {
        const int x = m == kMonate ? kSumme : 11 * m + 21;
        const auto summe = [&](int von, int bis) {
            std::int64_t s = 0;
            for (int r = von; r <= bis; ++r) s += zeilen[r].bei(x);
            return s;
        };
        EXPECT_EQ(summe(T::LaufendesGehalt, T::MehrjahresVerguetung), zeilen[T::Brutto].bei(x));
        EXPECT_EQ(summe(T::Lohnsteuer, T::Zusatzbeitrag), zeilen[T::SummeAbzuege].bei(x));
        EXPECT_EQ(summe(T::Brutto, T::Brutto) + summe(T::SummeAbzuege, T::SummeAbzuege),
                  zeilen[T::Netto].bei(x));
        EXPECT_EQ(summe(T::Netto, T::Sparleistung), zeilen[T::Auszahlung].bei(x));
    }
}

// The comparison's last column is blue minus green wherever both are amounts.
void vergleichGehtAuf(const Dokument& d) {
    constexpr int kGruen = 8400, kBlau = 10400, kDifferenz = 12400;
    for (const Zahlenzeile& l : zahlenzeilen(d)) {
        if (l.betrag.contains(kGruen) && l.betrag.contains(kBlau) &&
            l.betrag.contains(kDifferenz)) {
            EXPECT_EQ(l.bei(kDifferenz), l.bei(kBlau) - l.bei(kGruen)) << l.label;
        }
    }
}

void alleGehenAuf(Sitzung& s) {
    vergleichGehtAuf(schrittvergleichDrucken(monatslaeufeVergleichen(s), "a"));
    for (Seite seite : {Seite::Gruen, Seite::Blau}) einzelberichtGehtAuf(s, seite);
    beideGehenAuf(berichtBeide(s, "a"), true);
    beideLesenIhreWerte(s);
    SCOPED_TRACE("Unterschied");
    s.modusUmschalten();
    beideGehenAuf(berichtBeide(s, "a"), false);
    s.modusUmschalten();
    s.jahresgehaltZeigen();
    SCOPED_TRACE("Jahr");
    beideGehenAuf(berichtBeide(s, "a"), true);
    for (Seite seite : {Seite::Gruen, Seite::Blau}) tabelleGehtAuf(s, seite);
}

TEST(Spalten, DezemberMitJahresausgleichGehtAuf) {
    auto s = dezemberMitAusgleich();
    const Dokument d = berichtEinzeln(*s, Seite::Gruen, "a");
    const auto z = zahlenzeilen(d);
    // The adjustment has its column, and it changes the taxes.
    EXPECT_TRUE(enthaelt(zeilen(d), "@6800: Jahresausgleich"));
    EXPECT_NE(z[zeile(z, "Solidarit")].bei(6550), 0);
    alleGehenAuf(*s);
}

TEST(Spalten, ZufaelligeFaelleGehenAuf) {
    Wuerfel w(20071231);
    for (int fall = 0; fall < 30; ++fall) {
        SCOPED_TRACE(fall);
        auto s = zufallssitzung(w);
        alleGehenAuf(*s);
    }
}

}  // namespace
}  // namespace brelvanostik::druck
