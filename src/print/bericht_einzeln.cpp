#include "print/bericht_einzeln.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "tables/interne_werte.h"
#include "workspace/zeilen.h"

namespace brelvanostik::druck {

namespace {

// Eleven points, so that the month with its intermediate values and a long comment fits
// one A4 page. The amount columns end at the right edge of the printable area; a month
// with the employer's December adjustment shows it in a column of its own.
constexpr double kPunkte = 11;
constexpr int kLabel = 200;
constexpr int kGesamt = 8500;  // 15 characters of 132 twips: to the right edge
constexpr int kSpaltenabstand = 1950;
constexpr int kZweiteBeschriftung = 4900;
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kFest = "Courier New";
constexpr int kBetragsbreite = 14;
constexpr int kTextbreite = 15;
constexpr std::size_t kKommentarzeile = 75;  // characters of a comment line

std::string getrimmt(const std::string& text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// The comment in lines of at most `laenge` characters, broken at blanks where it can be.
std::vector<std::string> umbrochen(const std::string& text, std::size_t laenge) {
    std::vector<std::string> zeilen;
    std::string rest = getrimmt(text);
    while (!rest.empty()) {
        std::size_t ende = rest.size();
        std::size_t zeichen = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if ((static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) continue;
            if (zeichen++ == laenge) {
                ende = i;
                break;
            }
        }
        if (ende < rest.size()) {
            const auto blank = rest.rfind(' ', ende);
            if (blank != std::string::npos && blank > 0) ende = blank;
        }
        zeilen.push_back(getrimmt(rest.substr(0, ende)));
        rest = getrimmt(rest.substr(ende));
    }
    return zeilen;
}

class Einzeln {
  public:
    Einzeln(const Sitzung& s, Seite seite)
        : s_(s),
          a_(s.anzeige(seite)),
          satz_(monatssatz(s, seite)),
          w_(interneWerte(s, seite)),
          d_(seite == Seite::Gruen ? "Grüne Berechnung" : "Blaue Berechnung"),
          ausgleich_(kGesamt - kSpaltenabstand),
          einmalig_(w_.mitAusgleich ? ausgleich_ - kSpaltenabstand : ausgleich_),
          laufend_(einmalig_ - kSpaltenabstand) {}

    Dokument bauen(const std::string& adresse) {
        const auto& k = satz_.Kennwert;
        d_.schrift(kTimes).groesse(kPunkte).fett(true);
        d_.leerzeilen(1);
        d_.bei(kLabel, a_.zeilen[zeile::Fall].beschriftung).zeilenende();
        d_.bei(kLabel, "G e s e t z l i c h e   A b z ü g e").zeilenende();
        d_.bei(kLabel, periodenzeile(s_, a_)).zeilenende();
        for (const std::string& zeile : umbrochen(a_.kommentar, kKommentarzeile))
            d_.bei(kLabel, zeile).zeilenende();
        regel();
        d_.leerzeilen(1);
        d_.bei(kLabel, "Berechnungsgrundlagen:").zeilenende();
        d_.fett(false);

        // The settings on the left, the tax card's amounts on the right.
        constexpr std::pair<int, int> kGrundlagen[] = {
            {zeile::Geburtsjahrgang, zeile::Freibetrag},
            {zeile::Bundesland, zeile::Hinzurechnung},
            {zeile::SvStatus, zeile::ZusaetzlichSteuerpflichtig},
            {zeile::Jahresausgleich, zeile::ZusaetzlichSvPflichtig},
        };
        for (const auto& [links, rechts] : kGrundlagen) {
            d_.schrift(kTimes).bei(kLabel, beschriftung(a_.zeilen[links]));
            d_.bei(kZweiteBeschriftung, beschriftung(a_.zeilen[rechts]));
            d_.schrift(kFest).bei(kGesamt, feld(rechts)).zeilenende();
        }
        const Obergrenzen grenzen = obergrenzen(s_.jahr(), satz_.Auswahl[zeile::Bundesland]);
        d_.schrift(kTimes)
            .bei(kLabel, beschriftung(a_.zeilen[zeile::Steuerklasse]))
            .bei(kZweiteBeschriftung, " Beitragsbemessungsgrenze KV");
        d_.schrift(kFest).bei(kGesamt, betragsfeld(grenzen.kvpv, kBetragsbreite)).zeilenende();
        d_.schrift(kTimes)
            .bei(kLabel, beschriftung(a_.zeilen[zeile::Kinderfreibetraege]))
            .bei(kZweiteBeschriftung, " Beitragsbemessungsgrenze RV");
        d_.schrift(kFest).bei(kGesamt, betragsfeld(grenzen.rvav, kBetragsbreite)).zeilenende();

        d_.fett(true);
        regel();
        d_.schrift(kTimes).bei(laufend_ + 1000, " Laufend").bei(einmalig_ + 900, " Einmalig");
        if (w_.mitAusgleich) d_.bei(ausgleich_ + 250, " Jahresausgleich");
        d_.bei(kGesamt + 1000, " Gesamt").zeilenende();
        regel();
        d_.leerzeilen(1);
        d_.fett(false);

        const std::int64_t gehalt = satz_.tagesanteil(zeile::Gehalt);
        const std::int64_t einmal = satz_.tagesanteil(zeile::EinmaligerBezug);
        const std::int64_t versorgung = satz_.tagesanteil(zeile::Versorgungsbezug);
        const std::int64_t einmalVersorgung = satz_.tagesanteil(zeile::EinmaligerVersorgungsbezug);
        const std::int64_t mehrjaehrig = satz_.tagesanteil(zeile::MehrjahresVerguetung);
        betraege("Arbeitsentgelt", gehalt, einmal, 0, betragsfeld(gehalt + einmal, kBetragsbreite));
        betraege("Versorgungsbezüge", versorgung, einmalVersorgung, 0,
                 betragsfeld(versorgung + einmalVersorgung, kBetragsbreite));
        betraege("Vergütung f. mehrjährige Tätigkeit", std::nullopt, mehrjaehrig, 0,
                 betragsfeld(mehrjaehrig, kBetragsbreite));

        d_.fett(true);
        regel();
        d_.leerzeilen(1);
        const std::int64_t laufendBrutto = gehalt + versorgung;
        const std::int64_t einmaligBrutto = einmal + einmalVersorgung + mehrjaehrig;
        betraege("G E S A M T - B R U T T O", laufendBrutto, einmaligBrutto, 0,
                 betragsfeld(laufendBrutto + einmaligBrutto, kBetragsbreite));
        regel();
        d_.leerzeilen(1);
        d_.fett(false);

        for (std::size_t i = 0; i < kAbzugsteile.size(); ++i) {
            const int r = kAbzugsteile[i].zeile;
            std::string label = r == zeile::Lohnsteuer ? "Lohnsteuer"
                                : r == zeile::Soli     ? "Solidaritätszuschlag"
                                                       : beschriftung(a_.zeilen[r]);
            if (r >= zeile::Krankenversicherung) label = versicherungstext(a_, r, false);
            // The contributions stand apart from the taxes.
            if (r == zeile::Krankenversicherung) d_.leerzeilen(1);
            betraege(label, w_.laufend[i], w_.einmalig[i], w_.ausgleich[i], feld(r));
        }
        regel();
        d_.leerzeilen(1);
        d_.fett(true);
        betraege("A B Z Ü G E   insgesamt", w_.summeLaufend, w_.summeEinmalig, w_.summeAusgleich,
                 betragsfeld(w_.summeGesamt, kBetragsbreite));
        d_.fett(false);
        regel();
        d_.leerzeilen(1);

        d_.schrift(kTimes).bei(kLabel, beschriftung(a_.zeilen[zeile::Abzug]));
        d_.schrift(kFest).bei(kGesamt, feld(zeile::Abzug)).zeilenende();
        d_.leerzeilen(1);
        d_.fett(true);
        d_.schrift(kTimes).bei(kLabel, "A U S Z A H L U N G");
        d_.schrift(kFest).bei(kGesamt, feld(zeile::Auszahlung)).zeilenende();
        d_.fett(false);
        d_.schrift(kTimes).bei(kLabel, std::string(71, '=')).zeilenende();
        d_.leerzeilen(1);

        wert("Steuerpflichtiges Entgelt bis zum Vormonat", k[kennwert::SteuerpflichtigBisher]);
        wert("Voraussichtliches Jahresentgelt   o h n e   Einmalzahlungen",
             k[kennwert::JahreslohnOhneEinmal]);
        wert("Voraussichtliches Jahresentgelt     m i t     Einmalzahlungen",
             k[kennwert::JahreslohnMitEinmal]);
        d_.leerzeilen(1);
        wert("Nicht verbeitragter Betrag unterhalb der KV-Beitragsbemessungsgrenze bisher",
             k[kennwert::KvBbgOffen]);
        wert("Verbeitragt durch die Einmalzahlung dieses Monats", k[kennwert::KvBbgGenutzt]);
        wert("Verbleibender nichtverbeitragter Betrag unterhalb der KV-BBGrenze",
             k[kennwert::KvBbgUebrig]);
        d_.leerzeilen(1);
        wert("Nicht verbeitragter Betrag unterhalb der RV-Beitragsbemessungsgrenze bisher",
             k[kennwert::RvBbgOffen]);
        wert("Verbeitragt durch die Einmalzahlung dieses Monats", k[kennwert::RvBbgGenutzt]);
        wert("Verbleibender nichtverbeitragter Betrag unterhalb der RV-BBGrenze",
             k[kennwert::RvBbgUebrig]);
        d_.leerzeilen(1);
        d_.schrift(kTimes).bei(kLabel, adresse).zeilenende();
        return d_.fertig();
    }

  private:
    void regel() { d_.schrift(kTimes).bei(kLabel, std::string(80, '_')).zeilenende(); }

    // The text of the side's amount field or result label of a row, as the window shows it.
    std::string feld(int r) const {
        const Zeilenanzeige& z = a_.zeilen[static_cast<std::size_t>(r)];
        return textfeld(z.istEingabe ? feldtext(z, r, false) : ergebnistext(z), kTextbreite);
    }

    // A line of parts and their total; without a current part that column stays empty.
    void betraege(const std::string& label, std::optional<std::int64_t> laufend,
                  std::int64_t einmalig, std::int64_t ausgleich, const std::string& gesamt) {
        d_.schrift(kTimes).bei(kLabel, label);
        d_.schrift(kFest);
        if (laufend) d_.bei(laufend_, betragsfeld(*laufend, kBetragsbreite));
        d_.bei(einmalig_, betragsfeld(einmalig, kBetragsbreite));
        if (w_.mitAusgleich) d_.bei(ausgleich_, betragsfeld(ausgleich, kBetragsbreite));
        d_.bei(kGesamt, gesamt).zeilenende();
    }

    void wert(const std::string& label, std::int64_t betrag) {
        d_.schrift(kTimes).bei(kLabel, label);
        d_.schrift(kFest).bei(kGesamt, betragsfeld(betrag, kBetragsbreite)).zeilenende();
    }

    const Sitzung& s_;
    Seitenanzeige a_;
    const Monatssatz& satz_;
    InterneWerte w_;
    Seitenaufbau d_;
    int ausgleich_, einmalig_, laufend_;  // the columns' places
};

}  // namespace

Dokument berichtEinzeln(const Sitzung& sitzung, Seite seite, const std::string& adresse) {
    return Einzeln(sitzung, seite).bauen(adresse);
}

}  // namespace brelvanostik::druck
