#include "session/sitzung.h"

#include <algorithm>
#include <string>

#include "basis/cp1252.h"
#include "basis/eingabe.h"
#include "payroll/parameter.h"
#include "workspace/auswahllisten.h"
#include "workspace/datensaetze.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

Meldung hoechstbetragMeldung() {
    return {"Betrag zu hoch",
            "Ein Betragsfeld nimmt höchstens 290.000,00 Euro auf.\n"
            "Größere Beträge kann die Berechnung eines Jahres nicht sicher aufnehmen.",
            Meldung::Symbol::Ausrufezeichen};
}

// Names and comments are kept in Windows-1252 fields; anything else would come back as "?".
Meldung fremdzeichenMeldung(const char* feld) {
    return {"Ungültiges Zeichen",
            std::string(feld) +
                ": Nur Buchstaben, Ziffern und Zeichen des westeuropäischen "
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
    monat_ =
        einstellungen.Monat >= 1 && einstellungen.Monat <= kMonate ? einstellungen.Monat - 1 : 0;
    letzterMonat_ = monat_;
    namenTrimmen();
    startmeldungen_ = berechnungAusloesen().meldungen;
}

Einstellungen Sitzung::einstellungen() const {
    Einstellungen e = einstellungen_;
    e.Jahr = jahr_;
    e.Fall = gruen_ + 1;
    e.Monat = letzterMonat_ + 1;
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

namespace {

/// Why the employer may not settle the year, as the message's last lines say it.
std::string_view ausgleichsgrund(Ausgleichshindernis h) {
    switch (h) {
        case Ausgleichshindernis::KlasseVoderVI:
            return "in einem Monat des Jahres\ndie Steuerklasse V oder VI gilt.";
        case Ausgleichshindernis::Klassenwechsel:
            return "die Steuerklasse nicht in allen\nMonaten des Jahres dieselbe ist.";
        case Ausgleichshindernis::Steuerkarte:
            return "auf der Lohnsteuerkarte ein Freibetrag\noder Hinzurechnungsbetrag eingetragen "
                   "ist.";
        default:
            return "nicht alle Tage des Jahres\nmit Entgelt belegt sind.";
    }
}

}  // namespace

Rueckmeldung neuBerechnen(Monatsberechnung& monatsberechnung, Arbeitsbereich& bereich, int jahr,
                          int berechnung, int ab) {
    Rueckmeldung r;
    const Ausgleichshindernis hindernis = monatsberechnung.berechne(bereich, jahr, berechnung, ab);
    if (hindernis != Ausgleichshindernis::Keines) {
        r.meldungen.push_back({"Kein LStAusgleich des AG zulässig",
                               "Ein Lohnsteuerjahresausgleich des Arbeitgebers\n"
                               "ist nicht zulässig, weil " +
                                   std::string(ausgleichsgrund(hindernis)),
                               Meldung::Symbol::Information});
    }
    return r;
}

Rueckmeldung Sitzung::berechnungAusloesen() {
    Rueckmeldung r;
    for (const int berechnung : {gruen_, zwilling(gruen_)}) {
        for (Meldung& m :
             neuBerechnen(monatsberechnung_, bereich_, jahr_, berechnung, monat_).meldungen)
            r.meldungen.push_back(std::move(m));
    }
    return r;
}

namespace {
Meldung ungueltigeEingabe() {
    return Meldung{"Ungültige Eingabe",
                   "In ein Betragsfeld gehören nur Ziffern und höchstens ein Komma "
                   "(höchstens 10 Zeichen).",
                   Meldung::Symbol::Ausrufezeichen};
}
}  // namespace

Rueckmeldung Sitzung::betragEingeben(Seite s, Versorgungsfeld feld, std::string_view text) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (!feldtextZulaessig(text)) return abgelehnt(ungueltigeEingabe());
    const std::int64_t wert = hundertstel(text).value_or(0);
    if (wert > kMaxBetragHundertstel) return abgelehnt(hoechstbetragMeldung());
    // The pension base values belong to the case header; a green entry reaches the twin.
    for (const int c : empfaenger(s)) {
        Money& ziel = feld == Versorgungsfeld::ErsterMonatsbezug ? kopf(c).ErsterVollerMonatsbezug
                                                                 : kopf(c).VersorgungsSonderzahlung;
        ziel = Money::whole(static_cast<std::int32_t>(wert));
    }
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::betragEingeben(Seite s, int zeile, std::string_view text) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile < 0 || zeile >= kZeilen - 1) return abgelehnt();
    if (!feldtextZulaessig(text)) return abgelehnt(ungueltigeEingabe());
    std::int64_t wert = hundertstel(text).value_or(0);
    Rueckmeldung r;
    const int berechnung = this->berechnung(s);

    const Zeilenregel regel = zeilenregel(zeile);
    if (zeile == zeile::Abzug) {
        // Deductions are stored negative; only the retention is paid out.
        const bool auszahlung =
            satz(berechnung, monat_).Auswahl[zeile::Abzug] == wahl::abzug::Einbehalt;
        if (!auszahlung && wert > 0) wert = -wert;
    }
    if (regel.hoechstwert > 0 && wert > regel.hoechstwert) {
        wert = regel.ersatz;
        r.feldtext = std::to_string(regel.ersatz / 100);
    }
    if (regel.betragsgrenze && (wert > kMaxBetragHundertstel || wert < -kMaxBetragHundertstel)) {
        return abgelehnt(hoechstbetragMeldung());
    }
    const auto gespeichert = static_cast<std::int32_t>(wert);

    for (const int c : empfaenger(s)) {
        if (regel.geltung == Geltung::BisDezember) {
            for (int m = monat_; m < kMonate; ++m) satz(c, m).Betrag[zeile] = gespeichert;
        } else if (regel.geltung == Geltung::NurMonat) {
            satz(c, monat_).Betrag[zeile] = gespeichert;
        }
        // Result rows store nothing.
        if (!regel.gespiegelt) break;
    }
    auto neu = berechnungAusloesen();
    r.meldungen.insert(r.meldungen.end(), neu.meldungen.begin(), neu.meldungen.end());
    return r;
}

bool Sitzung::auswahlMoeglich(Seite s, int zeile) const {
    if (jahresmodus_) return false;
    if (zeile == zeile::Fall || zeile == zeile::Versorgungsbeginn) return true;
    if (!istAuswahlzeile(zeile)) return false;
    if (zeile >= zeile::Krankenversicherung && zeile <= zeile::Zusatzbeitrag) {
        const int status = satz(berechnung(s), monat_).Auswahl[zeile::SvStatus];
        if (status == wahl::sv::NichtPflichtig || status == wahl::sv::MiniJob) return false;
    }
    return true;
}

void Sitzung::abhaengigeAuswahl(int c, int m, int zeile, int code) {
    namespace v = wahl::vers;
    namespace av = wahl::alv;
    Monatssatz& ms = satz(c, m);
    auto& a = ms.Auswahl;
    auto& kv = a[zeile::Krankenversicherung];
    auto& pv = a[zeile::Pflegeversicherung];
    auto& rv = a[zeile::Rentenversicherung];
    auto& alv = a[zeile::Arbeitslosenversicherung];
    const bool sachsen = a[zeile::Bundesland] == wahl::land::Sachsen;
    switch (zeile) {
        case zeile::Bundesland:
            ms.Betrag[zeile::KvSatz] = parameter().kvsatz(jahr_, code, m);
            // 8 % in Baden-Württemberg and Bayern, 9 % elsewhere
            a[zeile::Kirchensteuer] =
                code <= wahl::land::Bayern ? wahl::kirche::Acht : wahl::kirche::Neun;
            pv = code == wahl::land::Sachsen ? v::SachsenBeitrag : v::Beitrag;
            break;
        case zeile::SvStatus:
            if (code == wahl::sv::NichtPflichtig || code == wahl::sv::MiniJob) {
                kv = pv = rv = v::Keine;
                alv = av::Keine;
                a[zeile::Zusatzbeitrag] = wahl::zusatz::Sozialversicherung;
            } else if (code == wahl::sv::Gleitzone) {
                kv = pv = rv = v::Gleitzone;
                alv = av::Gleitzone;
            } else {
                kv = rv = alv = v::Beitrag;
                pv = sachsen ? v::SachsenBeitrag : v::Beitrag;
                a[zeile::Zusatzbeitrag] = wahl::zusatz::Kinderlose;
            }
            break;
        case zeile::Abzug: {
            std::int32_t& betrag = ms.Betrag[zeile::Abzug];
            if ((code < wahl::abzug::Einbehalt && betrag > 0) ||
                (code == wahl::abzug::Einbehalt && betrag < 0)) {
                betrag = -betrag;
            }
            break;
        }
        default:
            break;
    }
    // A sliding-zone entry in one insurance puts all four into the sliding zone.
    const bool gleitzone = (zeile >= zeile::Krankenversicherung &&
                            zeile <= zeile::Rentenversicherung && code == v::Gleitzone) ||
                           (zeile == zeile::Arbeitslosenversicherung && code == av::Gleitzone);
    if (gleitzone) {
        kv = pv = rv = v::Gleitzone;
        alv = av::Gleitzone;
    }
    if (zeile == zeile::Krankenversicherung || zeile == zeile::Pflegeversicherung) {
        if (code == v::Beitrag) pv = sachsen ? v::SachsenBeitrag : v::Beitrag;
        if (code == v::Zuschuss) pv = sachsen ? v::SachsenZuschuss : v::Zuschuss;
        if (code == v::Keine) pv = v::Keine;
    }
}

Rueckmeldung Sitzung::auswahlTreffen(Seite s, int zeile, int code) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (zeile == zeile::Fall) return fallWaehlen(code >= kFaelle ? code - kFaelle : code);
    if (zeile == zeile::Versorgungsbeginn) {
        if (code < wahl::beginn::Bis2005 || code > wahl::beginn::Im2007) return abgelehnt();
        for (const int c : empfaenger(s))
            kopf(c).Versorgungsbeginn = static_cast<std::int16_t>(code);
        return berechnungAusloesen();
    }
    if (!istAuswahlzeile(zeile) || code < 0 || code >= auswahlAnzahl(zeile)) return abgelehnt();
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
    const Zeilenregel regel = zeilenregel(zeile);
    if (!regel.quoten) return abgelehnt();
    auto flag = [&](int c, int m) -> bool& {
        auto& tabelle = tage ? kopf(c).InTagesquote : kopf(c).InStundenquote;
        return tabelle[zeile - kErsteAnteilZeile][m];
    };
    const bool neu = !flag(berechnung(s), monat_);
    // The flags of the current pay and pension carry forward; one-time rows are per month.
    const int bis = regel.quotenBisDezember ? kMonate : monat_ + 1;
    for (const int c : empfaenger(s)) {
        for (int m = monat_; m < bis; ++m) flag(c, m) = neu;
    }
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::tagesquoteUmschalten(Seite s, int zeile) {
    return quoteUmschalten(s, zeile, true);
}
Rueckmeldung Sitzung::stundenquoteUmschalten(Seite s, int zeile) {
    return quoteUmschalten(s, zeile, false);
}

Rueckmeldung Sitzung::pfeilAuf(Seite s, int zeile) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (!zeilenregel(zeile).pfeile) return abgelehnt();
    std::int32_t& betrag = satz(berechnung(s), monat_).Betrag[zeile];
    // The salary rises; the deduction (stored negative) grows by one euro.
    const std::int64_t neu =
        zeile == zeile::Gehalt ? std::int64_t{betrag} + 100 : std::int64_t{betrag} - 100;
    if (neu > kMaxBetragHundertstel || neu < -kMaxBetragHundertstel) {
        return abgelehnt(hoechstbetragMeldung());
    }
    betrag = static_cast<std::int32_t>(neu);
    return berechnungAusloesen();
}

Rueckmeldung Sitzung::pfeilAb(Seite s, int zeile) {
    if (jahresmodus_) return jahresmodusAblehnen();
    if (!zeilenregel(zeile).pfeile) return abgelehnt();
    std::int32_t& betrag = satz(berechnung(s), monat_).Betrag[zeile];
    if (zeile == zeile::Gehalt) {
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
    for (const int c : {gruen_, zwilling(gruen_)})
        kopf(c).Fallname = ohneEndblanks(kopf(c).Fallname);
}

void Sitzung::monatWaehlen(int monat) {
    if (monat < 0 || monat >= kMonate) return;
    ansicht_ = Ansicht::Monat;
    jahresmodus_ = false;
    letzterMonat_ = monat;
    monat_ = monat;
}

void Sitzung::jahresgehaltZeigen() {
    ansicht_ = Ansicht::Jahresgehalt;
    jahresmodus_ = true;
}

void Sitzung::alleMonateZeigen(Seite seite) {
    ansicht_ = seite == Seite::Gruen ? Ansicht::AlleMonateGruen : Ansicht::AlleMonateBlau;
    jahresmodus_ = true;
}

std::optional<Seite> Sitzung::alleMonateSeite() const {
    if (ansicht_ == Ansicht::AlleMonateGruen) return Seite::Gruen;
    if (ansicht_ == Ansicht::AlleMonateBlau) return Seite::Blau;
    return std::nullopt;
}

std::optional<Seite> seiteDesBefehls(Befehl befehl) {
    switch (befehl) {
        case Befehl::GruenDrucken:
        case Befehl::InterneWerteGruen:
        case Befehl::VersorgungGruen:
            return Seite::Gruen;
        case Befehl::BlauDrucken:
        case Befehl::InterneWerteBlau:
        case Befehl::VersorgungBlau:
            return Seite::Blau;
        default:
            return std::nullopt;
    }
}

bool befehlSichtbar(Befehl befehl, std::optional<Seite> alleMonateTabelle) {
    const std::optional<Seite> seite = seiteDesBefehls(befehl);
    return !seite || !alleMonateTabelle || *seite == *alleMonateTabelle;
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

std::string Sitzung::infotext(Seite s, int zeile) const {
    const int c = berechnung(s);
    if (infotextGesperrt(zeile, satz(c, monat_).Auswahl[zeile::SvStatus])) return {};
    const Fallkopf& k = kopf(c);
    return infotextAlsText(zeile, jahr_,
                           Versorgungsangaben{k.ErsterVollerMonatsbezug.toInt64(),
                                              k.VersorgungsSonderzahlung.toInt64()});
}

std::string Sitzung::periodentext() const {
    if (ansicht_ != Ansicht::Monat) return "Jahresgehalt " + std::to_string(jahr_);
    return "Monatsgehalt " + std::string(kMonatskuerzel[static_cast<std::size_t>(monat_)]) + " " +
           std::to_string(jahr_);
}

}  // namespace brelvanostik
