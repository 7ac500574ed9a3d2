#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

/// The rows of a month record: the index into `Auswahl` and `Betrag`, and of the row's
/// controls on one side of the main window. Rows 0-4 hold a choice and an amount of
/// different meaning; both names are given.
namespace zeile {
enum Zeile : int {
    Fall = 0,
    NormalWochenstunden = 0,
    Geburtsjahrgang = 1,
    Wochenstunden = 1,
    Bundesland = 2,
    NormalTage = 2,
    SvStatus = 3,
    Tage = 3,
    Jahresausgleich = 4,
    KvSatz = 4,
    Gehalt = 5,
    Versorgungsbezug = 6,
    EinmaligerBezug = 7,
    EinmaligerVersorgungsbezug = 8,
    MehrjahresVerguetung = 9,
    Monatsgehalt = 10,  ///< the choice holds the month index
    NachWochenstunden = 11,
    Brutto = 12,  ///< "Tage von normal": the pay after both ratios
    Freibetrag = 13,
    Hinzurechnung = 14,
    ZusaetzlichSteuerpflichtig = 15,
    ZusaetzlichSvPflichtig = 16,
    Steuerklasse = 17,
    Lohnsteuer = 17,
    Soli = 18,
    Kirchensteuer = 19,
    Krankenversicherung = 20,
    Pflegeversicherung = 21,
    Rentenversicherung = 22,
    Arbeitslosenversicherung = 23,
    Zusatzbeitrag = 24,
    Abzug = 25,
    Auszahlung = 26,
    Versorgungsbeginn = 27,  ///< the choice panel's pension start; nothing is stored in the row
    Kinderfreibetraege = 28,
    Stundenlohn = 29,
};
}  // namespace zeile

/// The rows of bank 4 (`Kennwert`): intermediate results of the month calculation.
namespace kennwert {
enum Kennwert : int {
    SteuerpflichtigBisher = 0,  ///< taxable pay up to the previous month
    JahreslohnOhneEinmal = 1,
    JahreslohnMitEinmal = 2,
    LohnsteuerLaufend = 3,
    SoliLaufend = 4,
    KirchensteuerLaufend = 5,
    LohnsteuerEinmal = 6,
    SoliEinmal = 7,
    KirchensteuerEinmal = 8,
    KvLaufend = 9,  ///< the five contributions of the current pay
    PvLaufend = 10,
    RvLaufend = 11,
    AvLaufend = 12,
    ZusatzLaufend = 13,
    KvEinmal = 14,  ///< the same five of one-time payments
    PvEinmal = 15,
    RvEinmal = 16,
    AvEinmal = 17,
    ZusatzEinmal = 18,
    KvBbgOffen = 19,  ///< health ceiling: not yet subject so far, used, left over
    KvBbgGenutzt = 20,
    KvBbgUebrig = 21,
    RvBbgOffen = 22,  ///< the same for the pension ceiling
    RvBbgGenutzt = 23,
    RvBbgUebrig = 24,
    Ungenutzt = 25,  ///< cleared by every calculation, read by nothing
    SvEntgelt = 26,  ///< pay liable to social insurance, one-time payments included
    KvEntgelt = 27,
    RvEntgelt = 28,
    SteuerpflichtigesEntgelt = 29,
};
}  // namespace kennwert

/// A statutory deduction (rows 17-24) and the slots of its part from the current pay and of
/// its part from one-time payments.
struct Abzugsteile {
    zeile::Zeile zeile;
    kennwert::Kennwert laufend, einmalig;
};
inline constexpr std::array<Abzugsteile, 8> kAbzugsteile = {{
    {zeile::Lohnsteuer, kennwert::LohnsteuerLaufend, kennwert::LohnsteuerEinmal},
    {zeile::Soli, kennwert::SoliLaufend, kennwert::SoliEinmal},
    {zeile::Kirchensteuer, kennwert::KirchensteuerLaufend, kennwert::KirchensteuerEinmal},
    {zeile::Krankenversicherung, kennwert::KvLaufend, kennwert::KvEinmal},
    {zeile::Pflegeversicherung, kennwert::PvLaufend, kennwert::PvEinmal},
    {zeile::Rentenversicherung, kennwert::RvLaufend, kennwert::RvEinmal},
    {zeile::Arbeitslosenversicherung, kennwert::AvLaufend, kennwert::AvEinmal},
    {zeile::Zusatzbeitrag, kennwert::ZusatzLaufend, kennwert::ZusatzEinmal},
}};
/// The three taxes (wage tax, solidarity surcharge, church tax) and the five contributions.
inline constexpr std::span<const Abzugsteile, 3> kSteuerabzuege{kAbzugsteile.data(), 3};
inline constexpr std::span<const Abzugsteile, 5> kBeitragsabzuege{kAbzugsteile.data() + 3, 5};

/// The choice codes of the fixed lists (the position of the entry in the row's list).
namespace wahl {
namespace jahrgang {
enum : int { Vor1940 = 0, Im1940, Im1941, Im1942, Nach1942 };
}
namespace land {
enum : int {
    BadenWuerttemberg = 0,
    Bayern,
    Berlin,
    Brandenburg,
    Bremen,
    Hamburg,
    Hessen,
    MecklenburgVorpommern,
    Niedersachsen,
    NordrheinWestfalen,
    RheinlandPfalz,
    Saarland,
    Sachsen,
    SachsenAnhalt,
    SchleswigHolstein,
    Thueringen,
};
/// The new states, where the eastern tables apply (Berlin counts as west).
constexpr bool imOsten(int code) {
    return code == Brandenburg || code == MecklenburgVorpommern || code == Sachsen ||
           code == SachsenAnhalt || code == Thueringen;
}
}  // namespace land
namespace sv {
enum : int { Pflichtig = 0, NichtPflichtig, MiniJob, Gleitzone };
}
namespace klasse {
/// Tax classes I-VI; the engine counts them from 1.
enum : int { I = 0, II, III, IV, V, VI };
}  // namespace klasse
namespace ausgleich {
enum : int { Ohne = 0, Mit };
}
namespace kirche {
enum : int { Ohne = 0, Acht, Neun, Mindest015, Mindest030 };
/// The codes of a fixed minimum church tax a month instead of a rate.
constexpr bool istMindest(int code) {
    return code == Mindest015 || code == Mindest030;
}
}  // namespace kirche
/// Health and pension insurance (rows 20 and 22); care insurance adds the Saxon entries.
namespace vers {
enum : int { Beitrag = 0, Zuschuss, Gleitzone, Keine, SachsenBeitrag, SachsenZuschuss };
}
namespace alv {
enum : int { Beitrag = 0, Gleitzone, Keine };
}
namespace zusatz {
enum : int { Sozialversicherung = 0, Zahnersatz, Kinderlose, KvUndPv };
}
/// The pension's first year (the calculation header's `Versorgungsbeginn`).
namespace beginn {
enum : int { Bis2005 = 0, Im2006, Im2007 };
}
namespace abzug {
/// Codes 0-6 are deductions (stored negative); only the retention is paid out.
enum : int {
    UmwandlungSteuerUndSvFrei = 0,
    UmwandlungSteuerfrei,
    UmwandlungSvFrei,
    Riesterrente,
    Bausparrate,
    Vermoegenswirksam,
    Sonstiger,
    Einbehalt,
};
/// A salary conversion free of wage tax: it lowers the taxable wage.
constexpr bool steuerfrei(int art) {
    return art == UmwandlungSteuerUndSvFrei || art == UmwandlungSteuerfrei;
}
/// A salary conversion free of social insurance: it lowers the pay liable to contributions.
constexpr bool svFrei(int art) {
    return art == UmwandlungSteuerUndSvFrei || art == UmwandlungSvFrei;
}
}  // namespace abzug
}  // namespace wahl

/// Start values of a new workspace that loading also uses to mend a record.
inline constexpr std::int32_t kAnfangsWochenstunden = 4000;
inline constexpr std::int16_t kAnfangsGeburtsjahrgang = wahl::jahrgang::Nach1942;

/// What the amount of a row is.
enum class Betragsart : std::uint8_t {
    Keiner,    ///< no amount (rows 27-30)
    Eingabe,   ///< typed into the row's field
    Ergebnis,  ///< written by the month calculation, shown in a label
};

/// Into which months a typed amount of a row is stored.
enum class Geltung : std::uint8_t {
    Keine,        ///< nothing is stored from the row's field
    BisDezember,  ///< the displayed month and every later month through December
    NurMonat,     ///< the displayed month only
};

/// The rules of one row that storing, loading and the fronts share.
struct Zeilenregel {
    Betragsart betrag = Betragsart::Keiner;
    Geltung geltung = Geltung::Keine;
    /// A green edit of the row also reaches the blue twin.
    bool gespiegelt = false;
    /// The user picks the row's choice from its fixed list (stored through December).
    bool auswahl = false;
    /// The amount must stay within kMaxBetragHundertstel.
    bool betragsgrenze = false;
    /// Range rule: a typed amount above `hoechstwert` becomes `ersatz`; a loaded amount
    /// above it is mended too. 0 for rows without one.
    std::int32_t hoechstwert = 0;
    std::int32_t ersatz = 0;
    /// Income rows 5-9: the "bru" and "tei" ratio toggles.
    bool quoten = false;
    /// The ratio flags carry forward through December (else the displayed month only).
    bool quotenBisDezember = false;
    /// The blue ratio toggles are marked when their flag differs from green's.
    bool quotenMarkiert = false;
    /// The 1-euro arrows.
    bool pfeile = false;
    /// Fixed caption of the row's label; nullptr when it comes from a list or elsewhere.
    const char* beschriftung = nullptr;
};

namespace detail {
constexpr Zeilenregel eingabe(Geltung geltung, std::int32_t hoechstwert = 0,
                              std::int32_t ersatz = 0) {
    return {.betrag = Betragsart::Eingabe,
            .geltung = geltung,
            .gespiegelt = true,
            .hoechstwert = hoechstwert,
            .ersatz = ersatz};
}
constexpr Zeilenregel einkommen(Geltung geltung, bool markiert, const char* text) {
    return {.betrag = Betragsart::Eingabe,
            .geltung = geltung,
            .gespiegelt = true,
            .betragsgrenze = true,
            .quoten = true,
            .quotenBisDezember = geltung == Geltung::BisDezember,
            .quotenMarkiert = markiert,
            .beschriftung = text};
}
constexpr Zeilenregel betrag(const char* text) {
    return {.betrag = Betragsart::Eingabe,
            .geltung = Geltung::BisDezember,
            .gespiegelt = true,
            .betragsgrenze = true,
            .beschriftung = text};
}
constexpr Zeilenregel ergebnis(const char* text = nullptr) {
    return {.betrag = Betragsart::Ergebnis, .beschriftung = text};
}
constexpr Zeilenregel mitAuswahl(Zeilenregel regel) {
    regel.auswahl = true;
    regel.gespiegelt = true;
    return regel;
}
}  // namespace detail

/// The rules of rows 0-30, by row.
inline constexpr std::array<Zeilenregel, kZeilen> kZeilenregeln = [] {
    using namespace detail;
    using G = Geltung;
    std::array<Zeilenregel, kZeilen> r{};
    auto regel = [&r](int z) -> Zeilenregel& { return r[static_cast<std::size_t>(z)]; };
    using namespace zeile;
    // Weekly hours above 100 become 40, days above 31 become 30, a health rate above 16 %
    // stays at 16 %.
    regel(NormalWochenstunden) = eingabe(G::BisDezember, 10000, kAnfangsWochenstunden);
    regel(Wochenstunden) = mitAuswahl(eingabe(G::BisDezember, 10000, kAnfangsWochenstunden));
    regel(NormalTage) = mitAuswahl(eingabe(G::NurMonat, 3100, 3000));
    regel(Tage) = mitAuswahl(eingabe(G::NurMonat, 3100, 3000));
    regel(KvSatz) = mitAuswahl(eingabe(G::BisDezember, 1600, 1600));
    regel(Gehalt) = einkommen(G::BisDezember, true, "Laufendes Gehalt");
    regel(Gehalt).pfeile = true;
    regel(Versorgungsbezug) = einkommen(G::BisDezember, false, "Lfd. Versorgungsbezüge");
    regel(EinmaligerBezug) = einkommen(G::NurMonat, true, "Einmaliger Bezug");
    regel(EinmaligerVersorgungsbezug) = einkommen(G::NurMonat, true, "Einmaliger Versorgungsbezug");
    regel(MehrjahresVerguetung) = einkommen(G::NurMonat, true, "Vergütung für mehrere Jahre");
    regel(Monatsgehalt) = ergebnis();
    regel(NachWochenstunden) = ergebnis("Wochenstd.v.normal");
    regel(Brutto) = ergebnis("Tage von normal");
    regel(Freibetrag) = betrag(" Monatlicher Steuerfreibetrag");
    regel(Hinzurechnung) = betrag(" Monatlicher Hinzurechnungsbetrag");
    regel(ZusaetzlichSteuerpflichtig) = betrag(" zusätzlich steuerpflichtig");
    regel(ZusaetzlichSvPflichtig) = betrag(" zusätzlich SV-pflichtig");
    regel(Steuerklasse) = mitAuswahl(ergebnis());
    regel(Soli) = ergebnis("Solidaritätszuschlag");
    for (int z = Kirchensteuer; z <= Zusatzbeitrag; ++z) regel(z) = mitAuswahl(ergebnis());
    regel(Abzug) = mitAuswahl(betrag(nullptr));
    regel(Abzug).pfeile = true;
    regel(Auszahlung) = ergebnis("AUSZAHLUNG");
    regel(Kinderfreibetraege) = mitAuswahl({});
    return r;
}();

/// The rules of a row; a row outside 0-30 has none.
constexpr Zeilenregel zeilenregel(int zeile) {
    return zeile >= 0 && zeile < kZeilen ? kZeilenregeln[static_cast<std::size_t>(zeile)]
                                         : Zeilenregel{};
}

/// The row has an amount field on a side of the main window.
constexpr bool hatBetragsfeld(int zeile) {
    return zeilenregel(zeile).betrag == Betragsart::Eingabe;
}

/// The row's choice is picked by the user from a fixed list.
constexpr bool istAuswahlzeile(int zeile) {
    return zeilenregel(zeile).auswahl;
}

}  // namespace brelvanostik
