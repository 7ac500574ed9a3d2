#include "print/bericht_einzeln.h"

#include <algorithm>

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "tables/interne_werte.h"
#include "workspace/zeilen.h"

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
        d_.bei(kLabel, a_.zeilen[zeile::Fall].beschriftung).zeilenende();
        d_.bei(kLabel, "G e s e t z l i c h e   A b z ü g e").zeilenende();
        d_.bei(kLabel, periodenzeile(s_, a_)).zeilenende();
        const std::string kommentar = getrimmt(a_.kommentar);
        if (!kommentar.empty()) d_.bei(kLabel, kommentar).zeilenende();
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
        d_.schrift(kTimes)
            .bei(kLaufend + 1000, " Laufend")
            .bei(kEinmalig + 1000, " Einmalig")
            .bei(kGesamt + 1000, " Gesamt");
        d_.zeilenende();
        regel();
        d_.leerzeilen(1);
        d_.fett(false);

        const std::int64_t gehalt = satz_.tagesanteil(zeile::Gehalt);
        const std::int64_t einmal = satz_.tagesanteil(zeile::EinmaligerBezug);
        const std::int64_t versorgung = satz_.tagesanteil(zeile::Versorgungsbezug);
        const std::int64_t einmalVersorgung = satz_.tagesanteil(zeile::EinmaligerVersorgungsbezug);
        const std::int64_t mehrjaehrig = satz_.tagesanteil(zeile::MehrjahresVerguetung);
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

        for (const Abzugsteile& abzug : kAbzugsteile) {
            const int r = abzug.zeile;
            std::string label = r == zeile::Lohnsteuer ? "Lohnsteuer"
                                : r == zeile::Soli     ? "Solidaritätszuschlag"
                                                       : beschriftung(a_.zeilen[r]);
            if (r >= zeile::Krankenversicherung) label = satztext(a_, r, false) + " " + label;
            // The contributions stand apart from the taxes.
            if (r == zeile::Krankenversicherung) d_.leerzeilen(1);
            betraege(label, betragsfeld(k[abzug.laufend], kBetragsbreite), k[abzug.einmalig],
                     feld(r));
        }
        regel();
        d_.leerzeilen(1);
        d_.fett(true);
        betraege("A B Z Ü G E   insgesamt", betragsfeld(w_.summeLaufend, kBetragsbreite),
                 w_.summeEinmalig, betragsfeld(w_.summeLaufend + w_.summeEinmalig, kBetragsbreite));
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
        d_.schrift(kTimes).text(std::string(71, '=')).zeilenende();
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
