#include "print/bericht_beide.h"

#include <optional>

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "workspace/zeilen.h"

namespace brelvanostik::druck {

namespace {

// Each amount column is wider than the widest amount (15 characters of 144 twips), so
// neighbouring amounts never touch; the renderer scales the wide page down as a whole.
constexpr int kGruen = 3000;
constexpr int kBlau = 5200;
constexpr int kZweiteBeschriftung = 7600;
constexpr int kGelb = 10600;
constexpr const char* kArial = "Arial";
constexpr const char* kSchmal = "Arial narrow";
constexpr const char* kFest = "Courier New";
constexpr int kBetragsbreite = 14;
constexpr int kTextbreite = 15;

class Beide {
  public:
    explicit Beide(const Sitzung& s)
        : s_(s),
          jahr_(s.jahresmodus()),
          gruen_(s.anzeige(Seite::Gruen)),
          blau_(s.anzeige(Seite::Blau)),
          gelb_(s.gelbeSpalte()),
          seite_(jahr_ ? "Jahresbericht" : "Monatsbericht", false),
          gelbX_(kGelb) {}

    Dokument bauen(const std::string& adresse) {
        auto& d = seite_;
        d.leerzeilen(3);
        d.schrift(kArial).groesse(12).fett(true);
        if (jahr_) {
            d.bei(3500, "G e s e t z l i c h e   A b z ü g e   " + std::to_string(s_.jahr()))
                .zeilenende();
        } else {
            d.bei(4300, "G e s e t z l i c h e   A b z ü g e").zeilenende();
            d.bei(kGruen, periodenzeile(s_, gruen_)).zeilenende();
        }
        d.leerzeilen(1);
        d.text(gruen_.zeilen[zeile::Fall].beschriftung)
            .bei(kZweiteBeschriftung, blau_.zeilen[zeile::Fall].beschriftung)
            .zeilenende();
        regel();
        d.leerzeilen(1);
        d.bei(4000, "Berechnungsgrundlagen:").zeilenende();
        d.fett(false);

        for (int r : {zeile::Geburtsjahrgang, zeile::Bundesland, zeile::SvStatus,
                      zeile::Jahresausgleich, zeile::Steuerklasse, zeile::Kinderfreibetraege}) {
            d.schrift(kArial).text(beschriftung(gruen_.zeilen[r]));
            d.bei(kZweiteBeschriftung, beschriftung(blau_.zeilen[r])).zeilenende();
        }
        for (int r : {zeile::Freibetrag, zeile::Hinzurechnung, zeile::ZusaetzlichSteuerpflichtig,
                      zeile::ZusaetzlichSvPflichtig}) {
            d.schrift(kArial).text(abgeschnitten(beschriftung(gruen_.zeilen[r]), 27));
            d.schrift(kFest).bei(kGruen,
                                 textfeld(feldtext(gruen_.zeilen[r], r, jahr_), kTextbreite));
            d.bei(kBlau, textfeld(feldtext(blau_.zeilen[r], r, jahr_), kTextbreite));
            d.schrift(kArial).bei(kZweiteBeschriftung, beschriftung(blau_.zeilen[r])).zeilenende();
        }
        const int faktor = jahr_ ? kMonate : 1;
        const auto grenzen = [&](Seite seite) {
            return obergrenzen(s_.jahr(), monatssatz(s_, seite).Auswahl[zeile::Bundesland]);
        };
        const Obergrenzen g = grenzen(Seite::Gruen);
        const Obergrenzen b = grenzen(Seite::Blau);
        grenzzeile(" BBG KV und PV", g.kvpv * faktor, b.kvpv * faktor);
        grenzzeile(" BBG RV und AV", g.rvav * faktor, b.rvav * faktor);

        d.fett(true);
        regel();
        d.leerzeilen(1);
        d.bei(kGelb + 200, gelb_.modusText).zeilenende();
        regel();
        d.leerzeilen(1);
        d.fett(false);

        constexpr std::pair<int, const char*> kEinkommen[] = {
            {zeile::Gehalt, "Arbeitsentgelt"},
            {zeile::Versorgungsbezug, "Versorgungsbezüge"},
            {zeile::EinmaligerBezug, "Einmaliger Bezug"},
            {zeile::EinmaligerVersorgungsbezug, "Einm.Versorg.Bezug"},
            // So that the income lines add up to the gross below.
            {zeile::MehrjahresVerguetung, "Vergüt.f.mehrj.Tät."},
        };
        // The pay after the hours and days ratios, of the month or of the whole year, so that
        // the lines add up to the gross; the yellow value is formed from the two amounts
        // printed, not from the typed ones the window's column adds.
        for (const auto& [r, text] : kEinkommen) {
            const std::int64_t g = anteil(Seite::Gruen, r), b = anteil(Seite::Blau, r);
            zeile(kArial, text, text, betragsfeld(g, kBetragsbreite),
                  betragsfeld(b, kBetragsbreite), r, gelb_.gemeinsam ? g + b : b - g);
        }

        d.fett(true);
        regel();
        d.leerzeilen(1);
        ergebniszeile(kArial, "B R U T T O", "B R U T T O", zeile::Brutto);
        d.fett(false);
        regel();
        d.leerzeilen(1);

        // The deductions, the taxes first; their sums follow.
        std::int64_t summeGruen = 0, summeBlau = 0;
        for (const Abzugsteile& abzug : kAbzugsteile) {
            const int r = abzug.zeile;
            if (r < zeile::Krankenversicherung) {
                const char* schrift = r == zeile::Kirchensteuer ? kSchmal : kArial;
                ergebniszeile(schrift, beschriftung(gruen_.zeilen[r]),
                              beschriftung(blau_.zeilen[r]), r);
            } else {
                if (r == zeile::Krankenversicherung) d.leerzeilen(1);
                ergebniszeile(kSchmal, versicherungstext(gruen_, r, jahr_),
                              versicherungstext(blau_, r, jahr_), r);
            }
            summeGruen += gruen_.zeilen[r].betrag;
            summeBlau += blau_.zeilen[r].betrag;
        }
        regel();

        // The yellow total follows the yellow column's mode.
        const std::int64_t summeGelb =
            gelb_.gemeinsam ? summeGruen + summeBlau : summeBlau - summeGruen;
        d.leerzeilen(1);
        const int breite = jahr_ ? 13 : kBetragsbreite;
        d.fett(true);
        d.schrift(kArial).text("A B Z Ü G E");
        d.schrift(kFest)
            .bei(kGruen, betragsfeld(summeGruen, breite))
            .bei(kBlau, betragsfeld(summeBlau, breite));
        d.schrift(kArial).bei(kZweiteBeschriftung, "A B Z Ü G E");
        d.schrift(kFest).bei(gelbX_ - 450, betragsfeld(summeGelb, breite)).zeilenende();
        d.fett(false);
        regel();
        d.leerzeilen(1);

        ergebniszeile(kSchmal, beschriftung(gruen_.zeilen[zeile::Abzug]),
                      beschriftung(blau_.zeilen[zeile::Abzug]), zeile::Abzug);
        d.leerzeilen(1);
        d.fett(true);
        ergebniszeile(kArial, beschriftung(gruen_.zeilen[zeile::Auszahlung]),
                      beschriftung(blau_.zeilen[zeile::Auszahlung]), zeile::Auszahlung);
        d.fett(false);

        d.schrift(kArial).text(std::string(84, '=')).zeilenende();
        d.leerzeilen(2);
        d.schrift(kArial).text("   " + adresse).zeilenende();
        return d.fertig();
    }

  private:
    std::int64_t anteil(Seite seite, int r) const {
        std::int64_t summe = 0;
        for (int m = jahr_ ? 0 : s_.monat(); m <= (jahr_ ? kMonate - 1 : s_.monat()); ++m)
            summe += s_.arbeitsbereich()
                         .monat(s_.jahr() - kErstesJahr, s_.berechnung(seite), m)
                         .tagesanteil(r);
        return summe;
    }

    void regel() { seite_.schrift(kArial).text(std::string(95, '_')).zeilenende(); }

    static std::string abgeschnitten(const std::string& text, int zeichen) {
        std::size_t i = 0;
        for (int n = 0; i < text.size(); ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && n++ == zeichen) break;
        }
        return text.substr(0, i);
    }

    void grenzzeile(const std::string& label, std::int64_t gruen, std::int64_t blau) {
        seite_.schrift(kArial).text(label);
        seite_.schrift(kFest)
            .bei(kGruen, betragsfeld(gruen, kBetragsbreite))
            .bei(kBlau, betragsfeld(blau, kBetragsbreite));
        seite_.schrift(kArial).bei(kZweiteBeschriftung, label).zeilenende();
    }

    // A line of the result part: both labels in `schrift`, the two amounts and the yellow value.
    void zeile(const char* schrift, const std::string& gruenLabel, const std::string& blauLabel,
               const std::string& gruen, const std::string& blau, int r,
               std::optional<std::int64_t> gelb = std::nullopt) {
        seite_.schrift(schrift).text(gruenLabel);
        seite_.schrift(kFest).bei(kGruen, gruen).bei(kBlau, blau);
        seite_.schrift(schrift).bei(kZweiteBeschriftung, blauLabel);
        const std::string gelbText =
            gelb ? zahltext::betrag(*gelb) + "   " : gelbtext(gelb_, r, jahr_);
        seite_.schrift(kFest).bei(gelbX_, textfeld(gelbText, kTextbreite)).zeilenende();
    }

    // Result rows: the stored amounts of the month, or the result labels' year totals.
    void ergebniszeile(const char* schrift, const std::string& gruenLabel,
                       const std::string& blauLabel, int r) {
        const auto betrag = [&](const Seitenanzeige& a) {
            if (!jahr_) return betragsfeld(a.zeilen[r].betrag, kBetragsbreite);
            const std::string text =
                r == zeile::Abzug ? feldtext(a.zeilen[r], r, true) : ergebnistext(a.zeilen[r]);
            return textfeld(text, kTextbreite);
        };
        zeile(schrift, gruenLabel, blauLabel, betrag(gruen_), betrag(blau_), r);
    }

    const Sitzung& s_;
    bool jahr_;
    Seitenanzeige gruen_, blau_;
    GelbeSpalte gelb_;
    Seitenaufbau seite_;
    int gelbX_;
};

}  // namespace

Dokument berichtBeide(const Sitzung& sitzung, const std::string& adresse) {
    return Beide(sitzung).bauen(adresse);
}

}  // namespace brelvanostik::druck
