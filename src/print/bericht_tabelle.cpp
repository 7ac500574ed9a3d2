#include "print/bericht_tabelle.h"

#include "print/berichtstexte.h"
#include "tables/alle_monate.h"
#include "workspace/zeilen.h"

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
    kopfzeile(label(zeile::Fall), label(zeile::Steuerklasse));
    kopfzeile(label(zeile::Geburtsjahrgang), label(zeile::Kinderfreibetraege));
    kopfzeile(label(zeile::Bundesland), label(zeile::Jahresausgleich));
    kopfzeile(label(zeile::SvStatus),
              "KV-Beitragssatz " + feldtext(a.zeilen[zeile::KvSatz], zeile::KvSatz, false) + " %");

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
    using T = AlleMonate::Tabellenzeile;
    for (int z = T::LaufendesGehalt; z <= AlleMonate::kZeilen; ++z) {
        if (z == T::Brutto || z == T::Lohnsteuer || z == T::SummeAbzuege || z == T::Netto ||
            z == T::Steuerpflichtig) {
            regel();
            d.leerzeilen(1);
        }
        d.text(z == T::Auszahlung ? std::string("A U S Z A H L U N G")
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
