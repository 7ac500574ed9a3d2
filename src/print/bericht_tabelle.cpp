#include "print/bericht_tabelle.h"

#include "print/berichtstexte.h"
#include "tables/alle_monate.h"

namespace brelvanostik::druck {

namespace {

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kFest = "Courier New";
constexpr int kRechterTeil = 70;
constexpr int kSummenspalte = 155;
constexpr int kBreite = 11;

int monatsspalte(int monat) {
    return 11 * monat + 21;
}

}  // namespace

Dokument berichtTabelle(const Sitzung& sitzung, Seite seite, const std::string& datum,
                        const std::string& adresse) {
    const Seitenanzeige a = sitzung.anzeige(seite);
    const AlleMonate tabelle = alleMonate(sitzung, seite);
    const auto label = [&](int r) { return beschriftung(a.zeilen[static_cast<std::size_t>(r)]); };

    // The table is wider than a portrait page.
    Seitenaufbau d(
        seite == Seite::Gruen ? "Grüne Berechnung alle Monate" : "Blaue Berechnung alle Monate",
        true);
    d.leerzeilen(3);
    d.schrift(kTimes).groesse(12).fett(false);
    const auto kopfzeile = [&](const std::string& links, const std::string& rechts) {
        d.text(links).beiSpalte(kRechterTeil, rechts).zeilenende();
    };
    kopfzeile(label(0), label(17));
    kopfzeile(label(1), label(28));
    kopfzeile(label(2), label(4));
    kopfzeile(label(3), "KV-Beitragssatz " + feldtext(a.zeilen[4], 4, false) + " %");

    const auto regel = [&] { d.text(std::string(167, '_')).zeilenende(); };
    d.leerzeilen(1);
    d.schrift(kFest).groesse(8);
    regel();
    d.leerzeilen(1);
    for (int m = 0; m < kMonate; ++m)
        d.beiSpalte(11 * m + 26, std::string(AlleMonate::spaltenkopf(m)));
    d.beiSpalte(161, std::string(AlleMonate::spaltenkopf(AlleMonate::kSumme))).zeilenende();
    regel();

    // An amount that needs more than its field (the year's sum from ten million euros on)
    // starts further left instead of losing digits.
    const auto betrag = [&](int spalte, std::int64_t wert) {
        const std::string text = betragsfeld(wert, kBreite);
        d.beiSpalte(spalte - ueberstand(text, kBreite), text);
    };
    for (int z = 1; z <= AlleMonate::kZeilen; ++z) {
        if (z == 6 || z == 7 || z == 15 || z == 16 || z == 19) {
            regel();
            d.leerzeilen(1);
        }
        d.text(z == 18 ? std::string("A U S Z A H L U N G")
                       : std::string(AlleMonate::beschriftung(z)));
        for (int m = 0; m < kMonate; ++m) betrag(monatsspalte(m), tabelle.wert(z, m));
        betrag(kSummenspalte, tabelle.wert(z, AlleMonate::kSumme));
        d.zeilenende();
    }
    regel();
    d.leerzeilen(1);
    d.text(datum + "  " + adresse).zeilenende();
    return d.fertig();
}

}  // namespace brelvanostik::druck
