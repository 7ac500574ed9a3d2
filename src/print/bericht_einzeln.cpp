#include "print/bericht_einzeln.h"

#include <algorithm>

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "tables/interne_werte.h"

namespace brelvanostik::druck {

namespace {

constexpr int kLabel = 1000;
constexpr int kLaufend = 4500;
constexpr int kEinmalig = 6500;
constexpr int kGesamt = 8500;
constexpr int kZweiteBeschriftung = 4900;
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kFest = "Courier New";
constexpr int kBetragsbreite = 14;
constexpr int kTextbreite = 15;

std::string getrimmt(const std::string& text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

class Einzeln {
  public:
    Einzeln(const Sitzung& s, Seite seite)
        : s_(s),
          a_(s.anzeige(seite)),
          satz_(monatssatz(s, seite)),
          w_(interneWerte(s, seite)),
          d_(seite == Seite::Gruen ? "Grüne Berechnung" : "Blaue Berechnung") {}

    Dokument bauen(const std::string& adresse) {
        const auto& k = satz_.Kennwert;
        d_.leerzeilen(3);
        d_.schrift(kTimes).groesse(12).fett(true);
        d_.bei(kLabel, a_.zeilen[0].beschriftung).zeilenende();
        d_.bei(kLabel, "G e s e t z l i c h e   A b z ü g e").zeilenende();
        d_.bei(kLabel, periodenzeile(s_, a_)).zeilenende();
        const std::string kommentar = getrimmt(a_.kommentar);
        if (!kommentar.empty()) d_.bei(kLabel, kommentar).zeilenende();
        regel();
        d_.leerzeilen(1);
        d_.bei(kLabel, "Berechnungsgrundlagen:").zeilenende();
        d_.fett(false);

        for (int r = 1; r <= 4; ++r) {
            d_.schrift(kTimes).bei(kLabel, beschriftung(a_.zeilen[r]));
            d_.bei(kZweiteBeschriftung, beschriftung(a_.zeilen[r + 12]));
            d_.schrift(kFest).bei(kGesamt, feld(r + 12)).zeilenende();
        }
        const Obergrenzen grenzen = obergrenzen(s_.jahr(), satz_.Auswahl[2]);
        d_.schrift(kTimes)
            .bei(kLabel, beschriftung(a_.zeilen[17]))
            .bei(kZweiteBeschriftung, " Beitragsbemessungsgrenze KV");
        d_.schrift(kFest).bei(kGesamt, betragsfeld(grenzen.kvpv, kBetragsbreite)).zeilenende();
        d_.schrift(kTimes)
            .bei(kLabel, beschriftung(a_.zeilen[28]))
            .bei(kZweiteBeschriftung, " Beitragsbemessungsgrenze RV");
        d_.schrift(kFest).bei(kGesamt, betragsfeld(grenzen.rvav, kBetragsbreite)).zeilenende();

        d_.fett(true);
        regel();
        d_.schrift(kTimes)
            .bei(kLaufend + 1000, " Laufend")
            .bei(kEinmalig + 1000, " Einmalig")
            .bei(kGesamt + 1000, " Gesamt");
        d_.zeilenende();
        regel();
        d_.leerzeilen(1);
        d_.fett(false);

        const std::int64_t gehalt = satz_.tagesanteil(5), einmal = satz_.tagesanteil(7);
        const std::int64_t versorgung = satz_.tagesanteil(6),
                           einmalVersorgung = satz_.tagesanteil(8);
        const std::int64_t mehrjaehrig = satz_.tagesanteil(9);
        betraege("Arbeitsentgelt", betragsfeld(gehalt, kBetragsbreite), einmal,
                 betragsfeld(gehalt + einmal, kBetragsbreite));
        betraege("Versorgungsbezüge", betragsfeld(versorgung, kBetragsbreite), einmalVersorgung,
                 betragsfeld(versorgung + einmalVersorgung, kBetragsbreite));
        betraege("Vergütung f. mehrjährige Tätigkeit", "", mehrjaehrig,
                 betragsfeld(mehrjaehrig, kBetragsbreite));

        d_.fett(true);
        regel();
        d_.leerzeilen(1);
        const std::int64_t laufendBrutto = gehalt + versorgung;
        const std::int64_t einmaligBrutto = einmal + einmalVersorgung + mehrjaehrig;
        betraege("G E S A M T - B R U T T O", betragsfeld(laufendBrutto, kBetragsbreite),
                 einmaligBrutto, betragsfeld(laufendBrutto + einmaligBrutto, kBetragsbreite));
        regel();
        d_.leerzeilen(1);
        d_.fett(false);

        betraege("Lohnsteuer", betragsfeld(k[3], kBetragsbreite), k[6], feld(17));
        betraege("Solidaritätszuschlag", betragsfeld(k[4], kBetragsbreite), k[7], feld(18));
        betraege(beschriftung(a_.zeilen[19]), betragsfeld(k[5], kBetragsbreite), k[8], feld(19));
        d_.leerzeilen(1);
        for (int r = 20; r <= 24; ++r) {
            betraege(satztext(a_, r, false) + " " + beschriftung(a_.zeilen[r]),
                     betragsfeld(k[r - 11], kBetragsbreite), k[r - 6], feld(r));
        }
        regel();
        d_.leerzeilen(1);
        d_.fett(true);
        betraege("A B Z Ü G E   insgesamt", betragsfeld(w_.summeLaufend, kBetragsbreite),
                 w_.summeEinmalig, betragsfeld(w_.summeLaufend + w_.summeEinmalig, kBetragsbreite));
        d_.fett(false);
        regel();
        d_.leerzeilen(1);

        d_.schrift(kTimes).bei(kLabel, beschriftung(a_.zeilen[25]));
        d_.schrift(kFest).bei(kGesamt, feld(25)).zeilenende();
        d_.leerzeilen(1);
        d_.fett(true);
        d_.schrift(kTimes).bei(kLabel, "A U S Z A H L U N G");
        d_.schrift(kFest).bei(kGesamt, feld(26)).zeilenende();
        d_.fett(false);
        d_.schrift(kTimes).text(std::string(71, '=')).zeilenende();
        d_.leerzeilen(1);

        wert("Steuerpflichtiges Entgelt bis zum Vormonat", k[0]);
        wert("Voraussichtliches Jahresentgelt   o h n e   Einmalzahlungen", k[1]);
        wert("Voraussichtliches Jahresentgelt     m i t     Einmalzahlungen", k[2]);
        d_.leerzeilen(1);
        wert("Nicht verbeitragter Betrag unterhalb der KV-Beitragsbemessungsgrenze bisher", k[19]);
        wert("Verbeitragt durch die Einmalzahlung dieses Monats", k[20]);
        wert("Verbleibender nichtverbeitragter Betrag unterhalb der KV-BBGrenze", k[21]);
        d_.leerzeilen(1);
        wert("Nicht verbeitragter Betrag unterhalb der RV-Beitragsbemessungsgrenze bisher", k[22]);
        wert("Verbeitragt durch die Einmalzahlung dieses Monats", k[23]);
        wert("Verbleibender nichtverbeitragter Betrag unterhalb der RV-BBGrenze", k[24]);
        d_.leerzeilen(1);
        d_.schrift(kTimes).text("   " + adresse).zeilenende();
        return d_.fertig();
    }

  private:
    void regel() { d_.schrift(kTimes).text(std::string(80, '_')).zeilenende(); }

    // The text of the side's amount field or result label of a row, as the window shows it.
    std::string feld(int r) const {
        const Zeilenanzeige& z = a_.zeilen[static_cast<std::size_t>(r)];
        return zahltext::rechtsbuendig(z.istEingabe ? feldtext(z, r, false) : ergebnistext(z),
                                       kTextbreite);
    }

    void betraege(const std::string& label, const std::string& laufend, std::int64_t einmalig,
                  const std::string& gesamt) {
        d_.schrift(kTimes).bei(kLabel, label);
        d_.schrift(kFest);
        if (!laufend.empty()) d_.bei(kLaufend, laufend);
        d_.bei(kEinmalig, betragsfeld(einmalig, kBetragsbreite)).bei(kGesamt, gesamt).zeilenende();
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
};

}  // namespace

Dokument berichtEinzeln(const Sitzung& sitzung, Seite seite, const std::string& adresse) {
    return Einzeln(sitzung, seite).bauen(adresse);
}

}  // namespace brelvanostik::druck
