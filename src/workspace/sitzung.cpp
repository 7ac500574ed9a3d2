#include "workspace/sitzung.h"

#include <algorithm>
#include <string>

#include "payroll/parameter.h"
#include "workspace/auswahllisten.h"
#include "workspace/cp1252.h"
#include "workspace/datensaetze.h"
#include "workspace/eingabe.h"

namespace brelvanostik {

namespace {

// Rows whose amount is carried from the displayed month through December; the other input
// rows (days, one-time payments) belong to the displayed month only.
bool fortlaufendeZeile(int zeile) {
    switch (zeile) {
        case 0: case 1: case 4: case 5: case 6: case 13: case 14: case 15: case 16: case 25:
            return true;
        default:
            return false;
    }
}

bool monatsZeile(int zeile) { return zeile == 2 || zeile == 3 || (zeile >= 7 && zeile <= 9); }

// Rows whose amount must stay within the largest amount a field takes.
bool betragsZeile(int zeile) {
    return (zeile >= 5 && zeile <= 9) || (zeile >= 11 && zeile <= 16) || zeile == 25;
}

bool auswahlZeile(int zeile) {
    return (zeile >= 1 && zeile <= 4) || zeile == 17 || (zeile >= 19 && zeile <= 25) || zeile == 28;
}

constexpr int kSachsen = 12;

Meldung hoechstbetragMeldung() {
    return {"Betrag zu hoch",
            "Ein Betragsfeld nimmt höchstens 290.000,00 Euro auf.\n"
            "Größere Beträge kann die Berechnung eines Jahres nicht sicher aufnehmen.",
            Meldung::Symbol::Ausrufezeichen};
}

// Names and comments are kept in Windows-1252 fields; anything else would come back as "?".
Meldung fremdzeichenMeldung(const char* feld) {
    return {"Ungültiges Zeichen",
            std::string(feld) + ": Nur Buchstaben, Ziffern und Zeichen des westeuropäischen "
                                "Zeichensatzes, ohne Tabulator und Zeilenumbruch.",
            Meldung::Symbol::Ausrufezeichen};
}

Rueckmeldung abgelehnt(std::optional<Meldung> meldung = std::nullopt) {
    Rueckmeldung r;
    r.angenommen = false;
    if (meldung) r.meldungen.push_back(*meldung);
    return r;
}

std::string ohneEndblanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

Sitzung::Sitzung(Arbeitsbereich bereich, const Einstellungen& einstellungen)
    : bereich_(std::move(bereich)), einstellungen_(einstellungen) {
    jahr_ = std::clamp<int>(einstellungen.Jahr, kErstesJahr, kErstesJahr + kJahre - 1);
    int fall = einstellungen.Fall > kFaelle ? einstellungen.Fall - kFaelle : einstellungen.Fall;
    gruen_ = std::clamp(fall, 1, kFaelle) - 1;
    monat_ = einstellungen.Monat >= 1 && einstellungen.Monat <= kMonate ? einstellungen.Monat - 1 : 0;
    monatsknopf_ = monat_;
    namenTrimmen();
    startmeldungen_ = berechnungAusloesen().meldungen;
}

Einstellungen Sitzung::einstellungen() const {
    Einstellungen e = einstellungen_;
    e.Jahr = jahr_;
    e.Fall = gruen_ + 1;
    e.Monat = letzterMonatsknopf_ + 1;
    // The rest of the settings record holds what the header buffer last held: record 40.
    e.Rest = kopfpufferRest(bereich_);
    return e;
}

void Sitzung::fensterMerken(int oben, int links, int hoehe, int breite) {
    einstellungen_.Oben = oben;
    einstellungen_.Links = links;
    einstellungen_.Hoehe = hoehe;
    einstellungen_.Breite = breite;
}

std::vector<int> Sitzung::empfaenger(Seite s) const {
    if (s == Seite::Blau) return {zwilling(gruen_)};
    return {gruen_, zwilling(gruen_)};
}

Rueckmeldung Sitzung::jahresmodusAblehnen() const {
    return abgelehnt(Meldung{std::string(kJahresmodusTitel), std::string(kJahresmodusText),
                             Meldung::Symbol::Ausrufezeichen});
}

Rueckmeldung Sitzung::berechnungAusloesen() {
    Rueckmeldung r;
    for (const int berechnung : {gruen_, zwilling(gruen_)}) {
        const Ergebnis e = rechner_.berechne(bereich_, jahr_, berechnung, monat_);
        if (e.lstAusgleichAbgelehnt) {
            std::string text;
            for (const auto zeile : kAusgleichAbgelehntZeilen) {
                if (!text.empty()) text += '\n';
                text += zeile;
            }
            r.meldungen.push_back({std::string(kAusgleichAbgelehntTitel), text, Meldung::Symbol::Information});
        }
    }
    return r;
}

Rueckmeldung Sitzung::betragEingeben(Seite s, int zeile, std::string_view text) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile < 0 || zeile >= kZeilen - 1) return abgelehnt();
    if (!feldtextZulaessig(text)) {
        return abgelehnt(Meldung{"Ungültige Eingabe",
                                 "In ein Betragsfeld gehören nur Ziffern und höchstens ein Komma "
                                 "(höchstens 10 Zeichen).",
                                 Meldung::Symbol::Ausrufezeichen});
    }
    std::int64_t wert = hundertstel(text).value_or(0);
    Rueckmeldung r;
    const int berechnung = this->berechnung(s);

    if (zeile == 25) {
        // Deductions are stored negative; only "Einbehalt vom Brelvanostik" is paid out.
        const bool auszahlung = satz(berechnung, monat_).Auswahl[25] == 7;
        if (!auszahlung && wert > 0) wert = -wert;
    }
    auto korrigiere = [&](std::int64_t grenze, std::int64_t ersatz) {
        if (wert > grenze) {
            wert = ersatz;
            r.feldtext = std::to_string(ersatz / 100);
        }
    };
    if (zeile == 0 || zeile == 1) korrigiere(10000, 4000);  // weekly hours above 100 -> 40
    if (zeile == 4) korrigiere(1600, 1600);                  // health rate at most 16 %
    if (zeile == 2 || zeile == 3) korrigiere(3100, 3000);    // days above 31 -> 30
    if (betragsZeile(zeile) && (wert > kMaxBetragHundertstel || wert < -kMaxBetragHundertstel)) {
        return abgelehnt(hoechstbetragMeldung());
    }
    const auto gespeichert = static_cast<std::int32_t>(wert);

    for (const int c : empfaenger(s)) {
        if (fortlaufendeZeile(zeile)) {
            for (int m = monat_; m < kMonate; ++m) satz(c, m).Betrag[zeile] = gespeichert;
        } else if (monatsZeile(zeile)) {
            satz(c, monat_).Betrag[zeile] = gespeichert;
        } else if (zeile == 11) {
            kopf(c).ErsterVollerMonatsbezug = Money::whole(gespeichert);
        } else if (zeile == 12) {
            kopf(c).VersorgungsSonderzahlung = Money::whole(gespeichert);
        }
        // Row 10 is the calculator's memo field and result rows store nothing.
    }
    auto neu = berechnungAusloesen();
    r.meldungen.insert(r.meldungen.end(), neu.meldungen.begin(), neu.meldungen.end());
    return r;
}

bool Sitzung::auswahlMoeglich(Seite s, int zeile) const {
    if (jahresmodus_) return false;
    if (zeile == 0 || zeile == 27) return true;
    if (!auswahlZeile(zeile)) return false;
    if (zeile >= 20 && zeile <= 24) {
        const int status = satz(berechnung(s), monat_).Auswahl[3];
        if (status == 1 || status == 2) return false;
    }
    return true;
}

void Sitzung::abhaengigeAuswahl(int c, int m, int zeile, int code) {
    Monatssatz& ms = satz(c, m);
    auto& a = ms.Auswahl;
    const bool sachsen = a[2] == kSachsen;
    switch (zeile) {
        case 2:
            ms.Betrag[4] = parameter().kvsatz(jahr_, code, m);
            a[19] = code <= 1 ? 1 : 2;  // 8 % in Baden-Württemberg and Bayern, 9 % elsewhere
            a[21] = code == kSachsen ? 4 : 0;
            break;
        case 3:
            if (code == 1 || code == 2) {
                a[20] = a[21] = a[22] = 3;
                a[23] = 2;
                a[24] = 0;
            } else if (code == 3) {
                a[20] = a[21] = a[22] = 2;
                a[23] = 1;
            } else {
                a[20] = a[22] = a[23] = 0;
                a[21] = sachsen ? 4 : 0;
                a[24] = 2;
            }
            break;
        case 25:
            if ((code <= 6 && ms.Betrag[25] > 0) || (code == 7 && ms.Betrag[25] < 0)) {
                ms.Betrag[25] = -ms.Betrag[25];
            }
            break;
        default:
            break;
    }
    // A sliding-zone entry in one insurance puts all four into the sliding zone.
    const bool gleitzone = (zeile >= 20 && zeile <= 22 && code == 2) || (zeile == 23 && code == 1);
    if (gleitzone) {
        a[20] = a[21] = a[22] = 2;
        a[23] = 1;
    }
    if (zeile == 20 || zeile == 21) {
        if (code == 0) a[21] = sachsen ? 4 : 0;
        if (code == 1) a[21] = sachsen ? 5 : 1;
        if (code == 3) a[21] = 3;
    }
}

Rueckmeldung Sitzung::auswahlTreffen(Seite s, int zeile, int code) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile == 0) return fallWaehlen(code >= kFaelle ? code - kFaelle : code);
    if (zeile == 27) {
        if (code < 0 || code > 2) return abgelehnt();
        for (const int c : empfaenger(s)) kopf(c).Versorgungsbeginn = static_cast<std::int16_t>(code);
        return berechnungAusloesen();
    }
    if (!auswahlZeile(zeile) || code < 0 || code >= auswahlAnzahl(zeile)) return abgelehnt();
    if (!auswahlMoeglich(s, zeile)) return abgelehnt();
    for (const int c : empfaenger(s)) {
        for (int m = monat_; m < kMonate; ++m) {
            satz(c, m).Auswahl[zeile] = static_cast<std::int16_t>(code);
            abhaengigeAuswahl(c, m, zeile, code);
        }
    }
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::quoteUmschalten(Seite s, int zeile, bool tage) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile < 5 || zeile > 9) return abgelehnt();
    auto flag = [&](int c, int m) -> bool& {
        auto& tabelle = tage ? kopf(c).InTagesquote : kopf(c).InStundenquote;
        return tabelle[zeile - 5][m];
    };
    const bool neu = !flag(berechnung(s), monat_);
    // The flags of the current pay and pension carry forward; one-time rows are per month.
    const int bis = zeile <= 6 ? kMonate : monat_ + 1;
    for (const int c : empfaenger(s)) {
        for (int m = monat_; m < bis; ++m) flag(c, m) = neu;
    }
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::tagesquoteUmschalten(Seite s, int zeile) { return quoteUmschalten(s, zeile, true); }
Rueckmeldung Sitzung::stundenquoteUmschalten(Seite s, int zeile) { return quoteUmschalten(s, zeile, false); }

Rueckmeldung Sitzung::pfeilAuf(Seite s, int zeile) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile != 5 && zeile != 25) return abgelehnt();
    std::int32_t& betrag = satz(berechnung(s), monat_).Betrag[zeile];
    // Row 5 raises the salary; row 25 makes the deduction (stored negative) one euro larger.
    const std::int64_t neu = zeile == 5 ? std::int64_t{betrag} + 100 : std::int64_t{betrag} - 100;
    if (neu > kMaxBetragHundertstel || neu < -kMaxBetragHundertstel) {
        return abgelehnt(hoechstbetragMeldung());
    }
    betrag = static_cast<std::int32_t>(neu);
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::pfeilAb(Seite s, int zeile) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile != 5 && zeile != 25) return abgelehnt();
    std::int32_t& betrag = satz(berechnung(s), monat_).Betrag[zeile];
    if (zeile == 5) {
        // A salary does not go below zero.
        if (betrag < 100) return abgelehnt();
        betrag -= 100;
    } else {
        // Only a deduction shrinks, and not beyond zero into a payment.
        if (betrag >= 0) return abgelehnt();
        betrag = std::min(betrag + 100, 0);
    }
    return berechnungAusloesen();
}

void Sitzung::modusUmschalten() {
    const bool neu = !satz(gruen_, monat_).Gemeinsam;
    for (int m = monat_; m < kMonate; ++m) satz(gruen_, m).Gemeinsam = neu;
}

Rueckmeldung Sitzung::umbenennen(Seite s, std::string_view name) {
    if (erstesFremdzeichen(name)) return abgelehnt(fremdzeichenMeldung("Fallname"));
    kopf(berechnung(s)).Fallname = zeichenKuerzen(getrimmt(name), kFallnameLaenge);
    return {};
}

Rueckmeldung Sitzung::kommentarSetzen(Seite s, std::string_view text) {
    if (erstesFremdzeichen(text)) return abgelehnt(fremdzeichenMeldung("Kommentar"));
    satz(berechnung(s), monat_).Kommentar = zeichenKuerzen(text, kKommentarLaenge);
    return {};
}

void Sitzung::namenTrimmen() {
    for (const int c : {gruen_, zwilling(gruen_)}) kopf(c).Fallname = ohneEndblanks(kopf(c).Fallname);
}

void Sitzung::monatsknopfKlicken(int knopf) {
    if (knopf < 0 || knopf >= 15) return;
    monatsknopf_ = knopf;
    jahresmodus_ = knopf >= kMonate;
    if (knopf < kMonate) {
        letzterMonatsknopf_ = knopf;
        monat_ = knopf;
    } else if (knopf == 13 || knopf == 14) {
        alleMonateSeite_ = knopf == 13 ? Seite::Gruen : Seite::Blau;
    }
}

void Sitzung::jahresknopfKlicken(int knopf) {
    if (knopf < 0 || knopf >= kJahre) return;
    jahr_ = kErstesJahr + knopf;
    namenTrimmen();
}

Rueckmeldung Sitzung::fallWaehlen(int gruenIndex) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (gruenIndex < 0 || gruenIndex >= kFaelle) return abgelehnt();
    gruen_ = gruenIndex;
    namenTrimmen();
    return berechnungAusloesen();
}

std::string Sitzung::periodentext() const {
    if (monatsknopf_ >= kMonate) return "Jahresgehalt " + std::to_string(jahr_);
    return "Monatsgehalt " + std::string(monatsknopfTexte()[monatsknopf_]) + " " + std::to_string(jahr_);
}

const std::array<std::string_view, 15>& Sitzung::monatsknopfTexte() {
    static const std::array<std::string_view, 15> texte = {
        "JAN.", "FEB.", "MRZ.", "APR.", "MAI", "JUNI", "JULI", "AUG.", "SEP.", "OKT.", "NOV.", "DEZ.",
        "Jahresgehalt", "Alle Monate", "Alle Monate"};
    return texte;
}

}  // namespace brelvanostik
