#include "taxsteps/steuerschritte.h"

#include <algorithm>
#include <cstdlib>

#include "workspace/auswahllisten.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

// --- Outline -----------------------------------------------------------------------

bool Schrittgliederung::klicken(int zeile) {
    if (!istKopfzeile(zeile)) return false;
    offen_ = offen_ == zeile ? -1 : zeile;
    return true;
}

void Schrittgliederung::oeffnen(int kopfzeile) {
    if (istKopfzeile(kopfzeile)) offen_ = kopfzeile;
}

std::string Schrittgliederung::markierung(int zeile) const {
    if (!istKopfzeile(zeile)) return {};
    return zeile == offen_ ? "-" : "+";
}

bool Schrittgliederung::sichtbar(int zeile, const Schrittliste& liste) const {
    if (zeile < 0 || zeile >= kSchrittzeilen) return false;
    if (istKopfzeile(zeile)) return true;
    if (offen_ < 0 || zeile < offen_) return false;
    const auto naechste = std::upper_bound(kKopfzeilen.begin(), kKopfzeilen.end(), offen_);
    const int ende = naechste == kKopfzeilen.end() ? kSchrittzeilen : *naechste;
    if (zeile >= ende) return false;
    if (offen_ == 58) {
        // Only the block of the computed pension insurance case, without the gap between them.
        const bool frei = liste.eingaben.KRV == 1;
        return frei ? zeile >= kBlockRvFreiAnfang && zeile <= kBlockRvFreiEnde
                    : zeile >= kBlockRvPflichtAnfang && zeile <= kBlockRvPflichtEnde;
    }
    return true;
}

// --- The window's state ----------------------------------------------------------------

namespace {

constexpr std::size_t nr(Steuerschritte::Liste l) {
    return static_cast<std::size_t>(l);
}

std::vector<std::string> kinderEintraege() {
    std::vector<std::string> e;
    for (int halbe = 0; halbe <= 12; ++halbe) {
        e.push_back(std::to_string(halbe / 2) + (halbe % 2 ? ",5" : ""));
    }
    return e;
}

std::vector<std::string> monatsEintraege() {
    std::vector<std::string> e = {"1 Monat"};
    for (int m = 2; m <= 12; ++m) e.push_back(std::to_string(m) + " Monate");
    return e;
}

}  // namespace

const std::vector<std::string>& Steuerschritte::eintraege(Liste liste) {
    static const std::array<std::vector<std::string>, 8> listen = {
        std::vector<std::string>{"2005", "2006", "2007", "2008"},
        std::vector<std::string>{"Jahr", "Monat"},
        std::vector<std::string>{"I", "II", "III", "IV"},
        kinderEintraege(),
        std::vector<std::string>{"0 %", "8 %", "9 %"},
        std::vector<std::string>{"<1940", "1940", "1941", "1942", ">1942"},
        std::vector<std::string>{"2005", "2006", "2007", "2008"},
        monatsEintraege(),
    };
    return listen[nr(liste)];
}

std::string_view Steuerschritte::beschriftung(Liste liste) {
    static constexpr std::array<std::string_view, 8> texte = {
        "Steuerjahr",    "LZ-Zeitraum", "Steuerklasse",   "Kinder-Freibetr.",
        "Kirchensteuer", "Geburtsjahr", "Erstbezugsjahr", "V.-Bezug 2007",
    };
    return texte[nr(liste)];
}

std::string_view Steuerschritte::feldbeschriftung(Feld feld) {
    static constexpr std::array<std::string_view, 5> texte = {
        "Monatsbrutto", "+/- lt. LSt-Karte", "davon Versorg.B", "1. voller Monat", "Sonderzahlung",
    };
    return texte.at(static_cast<std::size_t>(feld));
}

Steuerschritte::Steuerschritte() {
    index_[nr(Liste::Jahr)] = 2;
    index_[nr(Liste::Zeitraum)] = 1;
    index_[nr(Liste::Geburt)] = 4;
    index_[nr(Liste::Bezugsmonate)] = 11;
    steuerjahr_ = 2007;
    bereit_ = true;
    darstellen();
}

void Steuerschritte::vorbelegen(const Sitzung& sitzung) {
    bereit_ = false;
    const int jahrIndex = sitzung.jahr() - kErstesJahr;
    const int fall = sitzung.fallIndex();
    const Monatssatz& satz = sitzung.arbeitsbereich().monat(jahrIndex, fall, sitzung.monat());
    const Fallkopf& kopf = sitzung.arbeitsbereich().kopf(jahrIndex, fall);
    const auto& code = satz.Auswahl;
    const auto im = [](int wert, int anzahl, int sonst) {
        return wert >= 0 && wert < anzahl ? wert : sonst;
    };

    index_[nr(Liste::Geburt)] =
        im(code[zeile::Geburtsjahrgang], wahl::jahrgang::Nach1942 + 1, wahl::jahrgang::Nach1942);
    index_[nr(Liste::Zeitraum)] = 1;
    index_[nr(Liste::Klasse)] = im(code[zeile::Steuerklasse], 4, 0);  // V and VI show "I"
    index_[nr(Liste::Kinder)] =
        im(code[zeile::Kinderfreibetraege], auswahlAnzahl(zeile::Kinderfreibetraege), 0);
    // The green calculation's pension start: what its payroll run gives the engine.
    index_[nr(Liste::Erstbezugsjahr)] = im(kopf.Versorgungsbeginn, 4, 0);
    index_[nr(Liste::Bezugsmonate)] = 11;
    // The minimum church tax shows "0 %".
    index_[nr(Liste::Kisatz)] = im(code[zeile::Kirchensteuer], wahl::kirche::Neun + 1, 0);
    rvPflicht_ = code[zeile::SvStatus] != wahl::sv::NichtPflichtig;

    const auto& b = satz.Betrag;
    wert(Feld::Brutto) = std::int64_t{b[zeile::Gehalt]} + b[zeile::Versorgungsbezug];
    // The tax card's allowance lowers the taxable wage, its amount to add raises it: the
    // field holds the allowance as a negative amount.
    wert(Feld::Steuerkarte) = std::int64_t{b[zeile::Hinzurechnung]} - b[zeile::Freibetrag];
    wert(Feld::Versorgungsbezug) = b[zeile::Versorgungsbezug];
    wert(Feld::ErsterMonatsbezug) =
        kopf.ErsterVollerMonatsbezug.abgeschnitten().units() / Money::kScale;
    wert(Feld::Sonderzahlung) =
        kopf.VersorgungsSonderzahlung.abgeschnitten().units() / Money::kScale;
    begrenzen();

    gliederung_ = {};
    bereit_ = true;
    jahrVorgeben(sitzung.jahr());
}

void Steuerschritte::jahrVorgeben(int jahr) {
    jahr = std::clamp(jahr, 2004, 2008);
    // 2004 is not offered: no item is selected, and the listing is computed for 2004.
    index_[nr(Liste::Jahr)] = jahr >= 2005 ? jahr - 2005 : -1;
    steuerjahr_ = jahr;
    darstellen();
}

int Steuerschritte::index(Liste liste) const {
    return index_[nr(liste)];
}

std::optional<Meldung> Steuerschritte::waehlen(Liste liste, int index) {
    const int anzahl = static_cast<int>(eintraege(liste).size());
    if (index < 0 || index >= anzahl) return std::nullopt;
    index_[nr(liste)] = index;
    std::optional<Meldung> meldung;
    switch (liste) {
        case Liste::Jahr:
            steuerjahr_ = 2005 + index;
            darstellen();  // the year always recomputes
            return std::nullopt;
        case Liste::Zeitraum:
            begrenzen();
            break;
        case Liste::Bezugsmonate:
            // A monthly pension is always paid for twelve months a year here.
            if (monatsmodus() && index < 11) {
                meldung = Meldung{std::string(kBezugsmonateTitel), std::string(kBezugsmonateText),
                                  Meldung::Symbol::Information};
                index_[nr(liste)] = 11;
            }
            break;
        default:
            break;
    }
    if (bereit_) darstellen();
    return meldung;
}

void Steuerschritte::rvPflichtSetzen(bool pflicht) {
    rvPflicht_ = pflicht;
    if (!bereit_) return;
    darstellen();
    gliederung_.oeffnen(58);
}

bool Steuerschritte::begrenzen() {
    const auto vorher = felder_;
    const std::int64_t grenze = monatsmodus() ? kHoechstMonatsbrutto : kHoechstJahresbrutto;
    const auto begrenzt = [this](Feld f, std::int64_t von, std::int64_t bis) {
        wert(f) = std::clamp(wert(f), von, bis);
    };
    begrenzt(Feld::Brutto, 0, grenze);
    begrenzt(Feld::Steuerkarte, -grenze, grenze);
    begrenzt(Feld::Versorgungsbezug, 0, feld(Feld::Brutto));
    // The two single pension amounts of the starting year are never converted.
    begrenzt(Feld::ErsterMonatsbezug, 0, kHoechstJahresbrutto);
    begrenzt(Feld::Sonderzahlung, 0, kHoechstJahresbrutto);
    return felder_ != vorher;
}

bool Steuerschritte::feldAendern(Feld feld, std::int64_t hundertstel) {
    if (static_cast<std::size_t>(feld) >= felder_.size()) return false;
    wert(feld) = hundertstel;
    const bool korrigiert = begrenzen();
    if (bereit_) darstellen();
    return korrigiert;
}

std::string Steuerschritte::bruttoBeschriftung() const {
    return monatsmodus() ? "Monatsbrutto" : "Jahresbrutto";
}

Steuereingaben Steuerschritte::eingaben() const {
    Steuereingaben e;
    e.ZMVB = Money::whole(index(Liste::Bezugsmonate) + 1);
    e.VJAHR = index(Liste::Erstbezugsjahr) + 2005;
    e.AJAHR = index(Liste::Geburt) + 2004;
    e.JAHR = steuerjahr_;
    e.Alter1 = e.AJAHR <= e.JAHR ? 1 : 0;
    e.ZKF = Money::raw(index(Liste::Kinder) * (Money::kScale / 2));
    e.R = index(Liste::Kisatz) > 0 ? 1 : 0;
    e.STKL = index(Liste::Klasse) + 1;
    e.KRV = rvPflicht_ ? 0 : 1;
    e.LZZ = 1;
    const auto cent = [](std::int64_t n) { return Money::whole(n); };
    const std::int64_t brutto = feld(Feld::Brutto);
    const std::int64_t versorgung = feld(Feld::Versorgungsbezug);
    const std::int64_t karte = feld(Feld::Steuerkarte);
    if (monatsmodus()) {
        // Twelve months of the monthly amounts; the 8 cents make up, over the year, for the
        // 0.67 cent the engine adds when it converts a monthly wage (12 x 0.67 = 8.04).
        e.RE4 = cent(brutto * 12 + 8);
        e.VBEZ = cent(versorgung * 12);
        (karte > 0 ? e.HINZUR : e.WFundF) = cent(std::llabs(karte) * 12);
    } else {
        e.RE4 = cent(brutto);
        e.VBEZ = cent(versorgung);
        (karte > 0 ? e.HINZUR : e.WFundF) = cent(std::llabs(karte));
    }
    e.VBEZM = cent(feld(Feld::ErsterMonatsbezug));
    e.VBEZS = cent(feld(Feld::Sonderzahlung));
    return e;
}

Listenangaben Steuerschritte::angaben() const {
    static constexpr std::array<int, 3> saetze = {0, 8, 9};
    return {monatsmodus(),
            saetze[static_cast<std::size_t>(std::clamp(index(Liste::Kisatz), 0, 2))]};
}

void Steuerschritte::darstellen() {
    liste_ = schrittlisteBerechnen(eingaben(), angaben(), engine_);
}

}  // namespace brelvanostik
