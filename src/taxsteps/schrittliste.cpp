#include "taxsteps/schrittliste.h"

#include <algorithm>
#include <cmath>

#include "basis/zahltext.h"
#include "engine/tarifwerte.h"
#include "payroll/parameter.h"

namespace brelvanostik {

void Steuereingaben::setzen(Lohnsteuerrechner& e) const {
    e.JAHR = JAHR;
    e.LZZ = LZZ;
    e.RE4 = RE4;
    e.VBEZ = VBEZ;
    e.WFundF = WFundF;
    e.HINZUR = HINZUR;
    e.STKL = STKL;
    e.ZKF = ZKF;
    e.KRV = KRV;
    e.R = R;
    e.AJAHR = AJAHR;
    e.Alter1 = Alter1;
    e.VJAHR = VJAHR;
    e.VBEZM = VBEZM;
    e.VBEZS = VBEZS;
    e.ZMVB = ZMVB;
}

Steuereingaben Steuereingaben::aus(const Lohnsteuerrechner& e) {
    Steuereingaben s;
    s.JAHR = e.JAHR;
    s.LZZ = e.LZZ;
    s.RE4 = e.RE4;
    s.VBEZ = e.VBEZ;
    s.WFundF = e.WFundF;
    s.HINZUR = e.HINZUR;
    s.STKL = e.STKL;
    s.ZKF = e.ZKF;
    s.KRV = e.KRV;
    s.R = e.R;
    s.AJAHR = e.AJAHR;
    s.Alter1 = e.Alter1;
    s.VJAHR = e.VJAHR;
    s.VBEZM = e.VBEZM;
    s.VBEZS = e.VBEZS;
    s.ZMVB = e.ZMVB;
    return s;
}

bool istKopfzeile(int zeile) {
    return std::find(kKopfzeilen.begin(), kKopfzeilen.end(), zeile) != kKopfzeilen.end();
}

bool Schrittliste::fremderBlock(int zeile) const {
    if (eingaben.KRV == 1) return zeile >= kBlockRvPflichtAnfang && zeile <= kBlockRvPflichtEnde;
    return zeile >= kBlockRvFreiAnfang && zeile <= kBlockRvFreiEnde;
}

namespace {

using zahltext::zahl;
using namespace steuerwerte;

// Amounts the engine keeps in euros.
std::string euro(Money betrag) {
    return zahl(betrag, 2);
}
// Amounts the engine keeps in cents, shown in euros.
std::string euroAusCent(Money cent) {
    return zahl(cent.geteilt(100), 2);
}
// Years, counts and codes: the number and a blank.
std::string ganz(long long n) {
    return std::to_string(n) + " ";
}
// A count the engine keeps as an amount (child allowances may be halves).
std::string anzahl(Money n) {
    return zahltext::dezimal(n) + " ";
}
std::string anzahlText(Money n) {
    return zahltext::dezimal(n);
}
// Table shares with three decimals ("0,384").
std::string anteil(double wert) {
    return zahl(Money::fromDouble(wert), 3, false);
}
// A rate as percent without trailing zeros (0.11 is "11", 0.055 is "5,5").
std::string prozent(double satz) {
    return zahltext::dezimal(Money::fromDouble(satz * 100));
}
// A statutory amount in whole euros as the listing writes it in a text: "1308".
std::string euroText(std::int64_t betrag) {
    return std::to_string(betrag);
}

// Monthly amount of an annual euro amount: a twelfth, cut to whole cents.
Money monatsbetrag(Money jahr) {
    return jahr.geteilt(12).abgeschnittenHundertstel();
}

class Schreiber {
  public:
    explicit Schreiber(std::array<Schrittzeile, kSchrittzeilen>& z) : z_(z) {}
    void operator()(int zeile, std::string name, std::string text, std::string wert = {}) {
        Schrittzeile& s = z_[static_cast<std::size_t>(zeile)];
        s.name = std::move(name);
        s.text = std::move(text);
        s.wert = std::move(wert);
    }
    void ergebnis(int zeile, std::string wert) {
        z_[static_cast<std::size_t>(zeile)].ergebnis = std::move(wert);
    }
    void wert(int zeile, std::string wert) {
        z_[static_cast<std::size_t>(zeile)].wert = std::move(wert);
    }

  private:
    std::array<Schrittzeile, kSchrittzeilen>& z_;
};

void eingabezeilen(Schreiber& s, const Lohnsteuerrechner& e, const Listenangaben& a) {
    s(0, "LST" + std::to_string(e.JAHR), "");
    s.ergebnis(0, euroAusCent(e.RE4));
    s(1, "STJAHR", "Steuerjahr", ganz(e.JAHR));
    s(2, "LZZ",
      a.monatsmodus
          ? "Lohnzahlungszeitraum = Monat; berechnungsintern wird mit Jahresbeträgen gerechnet"
          : "Lohnzahlungszeitraum = Jahr",
      ganz(e.LZZ));
    s(3, "AJAHR", "Auf die Vollendung des 64. Lj. folgendes Kalenderjahr", ganz(e.AJAHR));
    s(4, "Alter1", "wenn das 64. Lj. im Vorjahr vollendet war/wurde = 1, sonst = 0",
      ganz(e.Alter1));
    s(5, "HINZUR", "Hinzurechnungsbetrag", euroAusCent(e.HINZUR));
    s(6, "WFundF", "Freibetrag", euroAusCent(e.WFundF));
    s(7, "RE4", "Steuerpflichtiger Arbeitslohn", euroAusCent(e.RE4));
    s(8, "VBEZ", "Versorgungsbezüge in RE4", euroAusCent(e.VBEZ));
    s(9, "ZMVB", "Anzahl der Monate mit Versorgungsbezügen", anzahl(e.ZMVB));
    s(10, "VJAHR", "Erstbezugsjahr der Versorgungsbezüge", ganz(e.VJAHR));
    s(11, "VBEZM", "erster voller Monatsbezug der Versorgung im Erstbezugsjahr",
      euroAusCent(e.VBEZM));
    s(12, "VBEZS", "Versorgungs-Sonderzahlung im Erstbezugsjahr", euroAusCent(e.VBEZS));
    s(13, "STKL", "Steuerklasse", ganz(e.STKL));
    s(14, "ZKF", "Anzahl der Kinderfreibeträge", anzahl(e.ZKF));
    s(15, "KRV", "Rentenversicherungspflichtig = 0, RV-befreit = 1", ganz(e.KRV));
    s(16, "R", "Religionszugehörigkeit = 1, sonst 0", ganz(e.R));
}

void versorgungsfreibetrag(Schreiber& s, const Lohnsteuerrechner& e) {
    s(18, "MRE4LZZ-1", "Versorgungsfreibetrag");
    s.ergebnis(18, euroAusCent(e.FVB));
    // Until 2005 the share is 40 % whatever the starting year; the engine then keeps no table.
    const double tab1 = e.JAHR >= 2006 ? static_cast<double>(e.Tab1) : kAltersanteil;
    // With an annual pay period the flowchart counts the months with pensions; otherwise twelve.
    const bool monateGezaehlt = e.LZZ == 1 && e.JAHR >= 2005 && e.ZMVB != Money::whole(12);
    if (e.JAHR == 2004) {
        // 2004: 40 % of the current pensions, at most 3,072 euros a year; no starting year.
        if (e.VBEZ == Money()) {
            s(27, "", "kein Freibetrag, weil keine Versorgungsbezüge im lfd. Jahr");
            return;
        }
        s(24, "HFVB",
          "Höchstbetrag des Versorgungsfreibetrags = " + euroText(kVersorgungsHoechstbetrag2004) +
              " Euro",
          euroAusCent(
              e.periodenanteil(Money::whole(kVersorgungsHoechstbetrag2004 * 100)).ANTEILAUF));
        s(25, "FVB", euroAusCent(e.VBEZ) + " * " + anteil(kAltersanteil) + ", maximal HFVB",
          euroAusCent(e.FVB));
        return;
    }
    const Money vbezb = e.VBEZB;
    if (e.VBEZ == Money() || vbezb == Money()) {
        s(27, "",
          e.VBEZ == Money() ? "kein Freibetrag, weil keine Versorgungsbezüge im lfd. Jahr"
                            : "kein Freibetrag, weil keine Versorgungsbezüge im Erstbezugsjahr");
        return;
    }
    for (int stufe = 0; stufe < 4; ++stufe) {
        s(19 + stufe, "Tab1",
          "Anrechnungsquote bei Versorgungsbeginn " + std::to_string(2005 + stufe) +
              (stufe == 0 ? " oder früher" : ""),
          anteil(versorgungsstufe(stufe).anteil));
    }
    s(23, "VBEZB",
      monateGezaehlt ? "Maßgebliche Versorgungsbezüge im Erstbezugsjahr= VBEZM * " +
                           anzahlText(e.ZMVB) + " + VBEZS"
                     : "Maßgebliche Versorgungsbezüge im Erstbezugsjahr= VBEZM * 12 + VBEZS",
      euroAusCent(vbezb));
    // 2005 caps the allowance at a fixed amount; the engine keeps that cap apart.
    const Money hfvb =
        e.JAHR >= 2006
            ? e.HFVB
            : e.periodenanteil(Money::whole(kVersorgungsHoechstbetrag2005 * 100)).ANTEILAUF;
    // The maximum written as a base times the share: 3,000 euros are 7,500 times 40 %.
    const auto basis =
        std::lround(static_cast<double>(kVersorgungsHoechstbetrag2005) / kAltersanteil);
    s(24, "HFVB",
      "Höchstbetrag des Versorgungsfreibetrags = " + std::to_string(basis) + " * " + anteil(tab1) +
          " / 12 * Bezugsmonate",
      euroAusCent(hfvb));
    s(25, "FVB", euroAusCent(vbezb) + " * " + anteil(tab1) + ", maximal HFVB", euroAusCent(e.FVB));
}

void altersentlastung(Schreiber& s, const Lohnsteuerrechner& e) {
    s(28, "MRE4LZZ-2", "Altersentlastungsbetrag");
    s.ergebnis(28, euroAusCent(e.ALTE));
    if (e.Alter1 == 0) {
        s(37, "", "Kein Freibetrag, weil das 64. Lebensjahr im Vorjahr noch nicht vollendet");
        return;
    }
    const Money bmg = e.RE4 - e.VBEZ;
    if (e.JAHR == 2004) {
        // 2004: 40 % of the wage without pensions, at most 1,908 euros a year.
        s(34, "BMG", "Bemessungsgrundlage = RE4 - VBEZ", euroAusCent(bmg));
        s(35, "HAEB",
          "Höchstbetrag = " + zahl(Money::whole(kAltersHoechstbetrag2004), 2, false) + " Euro",
          euroAusCent(e.periodenanteil(Money::whole(kAltersHoechstbetrag2004 * 100)).ANTEILAUF));
        s(36, "ALTE",
          "Altersentlastungsbetrag = " + euroAusCent(bmg) + " * " + anteil(kAltersanteil) +
              ", maximal HAEB",
          euroAusCent(e.ALTE));
        return;
    }
    const double tab4 = e.JAHR >= 2006 ? static_cast<double>(e.Tab4) : kAltersanteil;
    // The 64th birthday in 2004 or before is the birth year 1940 or before.
    for (int stufe = 0; stufe < 5; ++stufe) {
        s(29 + stufe, "Tab4",
          "Tabellenwert für Geburtsjahrgang " +
              (stufe == 0 ? std::string("vor 1941") : std::to_string(1940 + stufe)),
          anteil(altersstufe(stufe).anteil));
    }
    s(34, "BMG", "Bemessungsgrundlage = RE4 - VBEZ", euroAusCent(bmg));
    // The maximum written as a base times the share: 1,900 euros are 4,750 times 40 %.
    const double basis = std::round(static_cast<double>(kAltersHoechstbetrag2005) / kAltersanteil);
    const Money haeb = Money::fromDouble(std::round(tab4 * basis * 100) / 100);
    s(35, "HAEB",
      "Höchstbetrag = " + zahl(Money::fromDouble(basis), 2, false) + " Euro * " + anteil(tab4),
      euro(haeb));
    s(36, "ALTE",
      "Altersentlastungsbetrag = " + euroAusCent(bmg) + " * " + anteil(tab4) + ", maximal HAEB",
      euroAusCent(e.ALTE));
}

void jahreslohn(Schreiber& s, const Lohnsteuerrechner& e) {
    s(38, "MRE4", "Maßgeblicher Arbeitslohn für die Jahreslohnsteuertabelle");
    s.ergebnis(38, euro(e.ZRE4));
    s(39, "RE4LZZ", "Lohn - Versorg.FB - AltersEB - Freibetrag + Hinzurechnungsbetrag",
      euroAusCent(e.RE4LZZ));
    s(40, "RE4LZZV", "Lohn - Versorgungsfreibetrag - Altersentlastungsbetrag",
      euroAusCent(e.RE4LZZV));
    s(41, "ZRE4", "Jahreslohn in Euro = " + euro(Lohnsteuerrechner::aufsJahr(e.LZZ, e.RE4LZZ)),
      euro(e.ZRE4));
    s(42, "ZRE4VP",
      "Jahreslohn für die Vorsorgepauschale in Euro = " +
          euro(Lohnsteuerrechner::aufsJahr(e.LZZ, e.RE4LZZV)),
      euro(e.ZRE4VP));
    s(43, "ZVBEZ",
      "Jahresversorgungsbezüge in Euro = " + euroAusCent(e.VBEZ) + " - " + euroAusCent(e.FVB),
      euro(e.ZVBEZ));
}

void pauschbetraege(Schreiber& s, const Lohnsteuerrechner& e) {
    // The two parts of the employee lump sum: the engine keeps only their sum.
    Money grundlageA, grundlageB, teilA;
    if (e.STKL < 6) {
        if (e.JAHR >= 2006) {
            if (e.ZVBEZ > Money()) {
                grundlageA = e.ZVBEZ - e.ZUSCHLAGVFB;
                teilA =
                    std::min(Money::whole(kVersorgungsPauschbetrag), grundlageA).abgeschnitten();
            }
            if (e.ZRE4 >= e.ZVBEZ) grundlageB = e.ZRE4 - e.ZVBEZ;
        } else if (e.JAHR == 2005 && e.VBEZ > Money()) {
            teilA = grundlageA = Money::whole(kVersorgungsPauschbetrag);
        }
    }
    const Money teilB = e.ANP - teilA;
    if (e.JAHR < 2006) grundlageB = teilB;

    s(45, "MZTABFB", "Werbungskosten-Pauschbetrag");
    s.ergebnis(45, euro(e.ANP));
    s(46, "ANP",
      "a) Pauschbetrag für Versorgungsbezüge = " + euro(grundlageA) + ", maximal " +
          euroText(kVersorgungsPauschbetrag) + " Euro",
      euro(teilA));
    s(47, "ANP",
      "b) Pauschbetrag für aktiven Arbeitslohn = " + euro(grundlageB) + ", maximal " +
          euroText(kArbeitnehmerPauschbetrag) + " Euro",
      euro(teilB));

    s(49, "MZTABFB", "Entlastungsbetrag für Alleinerziehende");
    s.ergebnis(49, euro(e.EFA));
    s(50, "EFA",
      "Fester Jahresbetrag in Steuerklasse II = " + euroText(kEntlastungsbetragAlleinerziehende) +
          " Euro",
      euro(e.EFA));

    s(52, "MZTABFB", "Sonderausgaben-Pauschbetrag");
    s.ergebnis(52, euro(e.SAP));
    s(53, "SAP",
      "Fester Jahresbetrag = " + euroText(kSonderausgabenPauschbetrag) +
          " Euro, in Steuerklasse III = " + euroText(2 * kSonderausgabenPauschbetrag) + " Euro",
      euro(e.SAP));

    s(55, "MZTABFB", "Kinderfreibeträge");
    s.ergebnis(55, euro(e.KFB));
    const Money gesamt = e.ZKF * kKinderfreibetrag;
    const std::string produkt = anzahlText(e.ZKF) + " * " + euroText(kKinderfreibetrag);
    s(56, "KFB",
      e.STKL == 4
          ? produkt + " Euro = " + euro(gesamt) + ", also je Ehegatte = " + euro(e.KFB)
          : produkt + " = " + euro(gesamt) + " Euro; wirkt nur auf Soli-Zuschlag und Kirchensteuer",
      euro(e.KFB));
    s(57, "",
      "Bei der Lohnsteuer wird vorläufig statt der Kinderfreibeträge das Kindergeld gewährt.");
}

// The percentage rule's result before the comparison with VSBN, as the engine rounds it.
Money prozentregel(const Lohnsteuerrechner& e, Money betrag) {
    return (e.JAHR == 2005 || e.JAHR == 2006) ? betrag.aufgerundet() : betrag.abgeschnitten();
}

void vorsorgepauschale(Schreiber& s, const Lohnsteuerrechner& e, const Schrittliste& liste) {
    const bool klasse3 = e.SPLITFAKTOR == Money::whole(2);
    // Class III doubles every amount of the provision allowance.
    const auto betrag = [klasse3](std::int64_t euro) { return klasse3 ? 2 * euro : euro; };
    const std::string vsp2Text =
        "Teilbetrag für Kranken- und Pflegeversicherung = " + prozent(kKrankenPflegeSatz) +
        " % des Jahreslohns ZRE4VP, höchstens " +
        zahl(Money::whole(betrag(kKrankenPflegeHoechstbetrag)), 0) + " Euro";
    const std::string vspoText = "VSPO = " + prozent(kVorsorgeSatz) + " % des Lohns";
    const auto wert = [&](int zeile, Money betrag) {
        return liste.fremderBlock(zeile) ? std::string() : euro(betrag);
    };

    s(58, "UPEVP",
      e.KRV == 1 ? "Vorsorgepauschale bei RV-Versicherungsfreiheit"
                 : "Vorsorgepauschale bei RV-Versicherungspflicht");
    s.ergebnis(58, euro(e.VSP));

    // Without pension insurance: VSP2 against the short maximum.
    s(59, "VSP1", "VSP1 für Rentenversicherungsbeiträge entfällt, deshalb VSP1 = 0",
      wert(59, e.VSP1));
    s(60, "VSP2", vsp2Text, wert(60, e.VSP2));
    s(61, "VSBN", "Vorsorgepauschale = VSP1 + VSP2, auf ganze Euro aufgerundet", wert(61, e.VSBN));
    s(63, "MVSP", "G ü n s t i g e r p r ü f u n g :");
    s(64, "VSPO", vspoText, wert(64, e.VSPO));
    s(65, "VSPKURZ", "VSP-Höchstbetrag", wert(65, e.VSPKURZ));
    if (!liste.fremderBlock(67)) {
        // Line 62 is VSBN, line 65 VSPO, line 66 the maximum that caps it.
        const Money kurz = prozentregel(e, std::min(e.VSPO, e.VSPKURZ));
        const char* quelle = e.VSBN > kurz ? "62" : e.VSPO <= e.VSPKURZ ? "65" : "66";
        s(67, "", std::string("Der maßgebliche Betrag für die VSP ergibt sich aus Zeile ") + quelle,
          euro(e.VSP));
    }

    // With pension insurance.
    const Rentenanteil rv = rentenanteil(e.JAHR);
    const std::string faktoren = zahltext::dezimal(Money::fromDouble(rv.beitragssatz)) + " * " +
                                 zahltext::dezimal(Money::fromDouble(rv.anteil));
    if (e.JAHR == 2004) {
        // The pension share and the 11 % part came with 2005; 2004 knows the percentage rule
        // alone.
        s(78, "VSP1", "Teilbeträge VSP1 und VSP2 erst ab 2005; 2004 gilt nur die Regel unten");
    } else {
        s(78, "VSP1", "VSP für SV-Beiträge = Jahreslohn ZRE4VP in Zeile 43 * " + faktoren,
          wert(78, e.VSP1));
        s(79, "VSP2", vsp2Text, wert(79, e.VSP2));
        s(80, "VSBN", "Vorsorgepauschale = VSP1 + VSP2, auf ganze Euro aufgerundet",
          wert(80, e.VSBN));
    }
    s(82, "MVSP", "G ü n s t i g e r p r ü f u n g :");
    s(83, "VSPO", vspoText + ", soweit Alternativbetrag in Zeile 88 nicht geringer",
      wert(83, e.VSPO));
    s(84, "VSPVOR",
      "Grundbetrag = " + euroText(betrag(kVorsorgeGrundbetrag)) + " Euro abzügl. " +
          prozent(kVorsorgeKuerzungssatz) + " % des Arbeitslohns (ZRE4VP) =",
      wert(84, e.VSPVOR));
    // The supplements of the percentage rule, as the engine adds them up.
    Money aufschlag1, aufschlag2;
    const Money rest = e.VSPO - e.VSPVOR;
    if (rest > Money()) {
        if (rest > e.VSPMAX1) {
            aufschlag1 = e.VSPMAX1;
            aufschlag2 =
                std::min((rest - e.VSPMAX1).geteilt(2).aufgerundetHundertstel(), e.VSPMAX2);
        } else {
            aufschlag1 = rest;
        }
    }
    s(85, "VSPMAX1",
      "Aufschlag1 = VSPO - Grundbetrag, maximal " + euroText(betrag(kVorsorgeHoechstbetrag1)) +
          " Euro",
      wert(85, aufschlag1));
    s(86, "VSPMAX2",
      "Aufschlag2 = Hälfte von VSPO - Grundbetrag - Aufschlag1, maximal " +
          euroText(betrag(kVorsorgeHoechstbetrag2)) + " Euro",
      wert(86, aufschlag2));
    const Money alternativ = e.VSPVOR + aufschlag1 + aufschlag2;
    s(87, "", "Alternativbetrag = Grundbetrag + Aufschlag 1 + Aufschlag 2 =", wert(87, alternativ));
    if (!liste.fremderBlock(88)) {
        // Line 81 is VSBN, line 84 VSPO (when it stays below the basic amount), line 88 the
        // alternative amount.
        const Money regel =
            e.VSPO <= e.VSPVOR ? e.VSPO.abgeschnitten() : prozentregel(e, alternativ);
        const char* quelle = e.VSBN > regel ? "81" : e.VSPO <= e.VSPVOR ? "84" : "88";
        s(88, "",
          std::string("Der maßgebliche Betrag für die VSP ergibt sich aus Zeile ") + quelle +
              ", auf ganze Euro abgerundet",
          euro(e.VSP));
    }
}

// Tax lines: the run without child allowances.
void lohnsteuerzeilen(Schreiber& s, const Lohnsteuerrechner& e) {
    const std::int64_t split = e.SPLITFAKTOR.units() / Money::kScale;
    const bool klasse3 = split == 2;
    s(89, "X", "Zu versteuerndes Jahreseinkommen lt. Einkommensteuertabelle");
    s.ergebnis(89, euro(e.X));
    s(90, "UPTAB0" + std::to_string(e.JAHR % 10),
      "L O H N S T E U E R" + std::string(80, ' ') + "Monat / Jahr");
    s.ergebnis(90, euro(e.ST));
    s(91, "x",
      "Zu versteuerndes Jahreseinkommen im Jahr " + std::to_string(e.JAHR) +
          (klasse3 ? " in STKL III gesplittet " : " ohne Splittung"),
      euro(e.X));

    const std::string jahresText =
        klasse3 ? "Doppelter Jahresbetrag zum Ausgleich der Halbierung in Zeile 92"
                : "Jahresbetrag der Lohnsteuer";
    const std::string monat = euro(monatsbetrag(e.ST));
    const Money einfach = split > 0 ? e.ST.geteilt(split) : e.ST;
    const auto rw1 = [&](double faktor) {
        return Money::fromDouble(static_cast<double>(e.Y) * faktor);
    };

    if (e.STKL >= 5) {
        s(97, "ST",
          "Lohnsteuer nach der Sonderregel der Steuerklassen V und VI, abgerundet auf volle Euro",
          euro(e.ST));
        s(98, "ST", jahresText, euro(e.ST));
        s(99, "", "Monatssteuer = Jahressteuer / 12, abgerundet auf 2 Dezimalstellen =", monat);
        return;
    }
    const Tarifzone zone = tarifzone(e.JAHR, e.X);
    const Progression k = progression(e.JAHR);
    const auto koeffizient = [](double wert) { return zahl(Money::fromDouble(wert), 2, false); };
    const auto ganzzahl = [](double wert) { return zahltext::dezimal(Money::fromDouble(wert)); };
    if (zone == Tarifzone::Frei) {
        s(92, "ST", "Grundfreibetrag = " + euroText(kGrundfreibetrag) + " Euro, daher keine Steuer",
          "0,00");
    } else if (zone == Tarifzone::ErsteZone) {
        s(94, "Y",
          "Y = (X - " + euroText(kGrundfreibetrag) + ") / 10000 =", zahltext::dezimal(e.Y));
        s(95, "RW", "RW = Y * " + koeffizient(k.a) + " =", zahltext::dezimal(rw1(k.a)));
        s(96, "RW", "RW = RW + " + ganzzahl(k.b), zahltext::dezimal(e.RW));
        s(97, "ST", "St = RW * Y, abgerundet auf volle Euro", euro(einfach));
        s(98, "ST", jahresText, euro(e.ST));
        s(99, "", "Monatsbetrag = Jahresbetrag / 12, abgerundet auf 2 Dezimalstellen =", monat);
    } else {
        if (zone == Tarifzone::ZweiteZone) {
            const Money rw2 = rw1(k.c) + Money::fromDouble(k.d);
            s(93, "Y", "Y = (X - " + euroText(kErsteZoneBis) + ") / 10000", zahltext::dezimal(e.Y));
            s(94, "RW", "RW = y * " + koeffizient(k.c), zahltext::dezimal(rw1(k.c)));
            s(95, "RW", "RW = RW + " + ganzzahl(k.d), zahltext::dezimal(rw2));
            s(96, "RW", "RW = RW * Y", zahltext::dezimal(e.RW));
            s(97, "ST", "ST = RW + " + ganzzahl(k.e) + ", abgerundet auf volle Euro",
              euro(einfach));
        } else {
            const Linearzone l = linearzone(e.JAHR, zone);
            s(97, "ST",
              "ST = X * " + koeffizient(l.satz) + " - " + ganzzahl(l.abzug) +
                  ", abgerundet auf volle Euro" +
                  (zone == Tarifzone::Reichensteuer ? " (sog. Reichensteuer)" : ""),
              euro(einfach));
        }
        s(98, "ST", jahresText, euro(e.ST));
        s(99, "", "Monatssteuer = Jahressteuer / 12, abgerundet auf 2 Dezimalstellen =", monat);
    }
}

// Surcharge and church tax: the run with child allowances.
void zuschlagzeilen(Schreiber& s, const Lohnsteuerrechner& e, const Listenangaben& a) {
    const std::string jbmgText =
        "Jahreslohnsteuer unter Berücksichtigung der Kinderfreibeträge von " + euro(e.KFB) +
        " Euro";
    const Money soliJahr = e.JBMG > e.SOLZGRENZE ? e.SOLZJ : Money();
    const Money soliMonat = monatsbetrag(soliJahr);
    s(101, "MSOLZ",
      "S O L I D A R I T Ä T S Z U S C H L A G" + std::string(60, ' ') + "Monat / Jahr",
      euro(soliMonat));
    s.ergebnis(101, euro(soliJahr));
    s(102, "JBMG", jbmgText, euro(e.JBMG));
    s(103, "SOLZJ",
      "wenn JBMG > " + zahltext::dezimal(e.SOLZGRENZE) + " Euro, dann SOLZJ = " +
          zahltext::dezimal(Lohnsteuerrechner::kSolzSatz * 100) + " % von JBMG, sonst SOLZJ = Null",
      euro(e.SOLZJ));
    s(104, "SOLZMIN",
      "jedoch höchstens " + std::to_string(kSolzUebergangProzent) + " % von " +
          euro(e.JBMG - e.SOLZGRENZE) + " (Jahressteuer abzüglich Freibetrag)",
      euro(e.SOLZMIN));
    s(105, "SOLZLZZ", "Somit beträgt der Jahresbetrag des Solidaritätszuschlags", euro(soliJahr));
    s(106, "SOLZLZZ", "Monatsbetrag = Jahresbetrag / 12, abgerundet auf 2 Dezimalstellen",
      euro(soliMonat));

    // The church tax base is the surcharge base; without church membership there is none.
    const int satz = e.R < 1 ? 0 : a.kirchensatz;
    const Money basisMonat = e.R < 1 ? Money() : monatsbetrag(e.JBMG);
    const Money kircheMonat = (basisMonat * satz).geteilt(100).abgeschnittenHundertstel();
    const Money kircheJahr =
        e.R < 1 ? Money() : (e.JBMG * satz).geteilt(100).abgeschnittenHundertstel();
    s(108, "MSOLZ", "K I R C H E N S T E U E R" + std::string(74, ' ') + "Monat / Jahr",
      euro(kircheMonat));
    s.ergebnis(108, euro(kircheJahr));
    s(109, "JBMG", jbmgText, euro(e.JBMG));
    s(110, "BK", "Monatsbetrag abgerundet auf 2 Dezimalstellen", euro(basisMonat));
    s(111, "BK", "Monats- bzw. Jahresbetrag * " + std::to_string(satz) + " % =", euro(kircheMonat));
    s.ergebnis(111, euro(kircheJahr));
    // Where wage tax is due but the church tax of a month stays below the higher minimum
    // church tax (cents), some states levy that instead; the listing does not compute it.
    const Money hoechsteMindeststeuer =
        Money::whole(mindestkirchensteuerbetrag(wahl::kirche::Mindest030)).geteilt(100);
    if (e.R >= 1 && e.JAHRESLST > Money() && kircheMonat < hoechsteMindeststeuer) {
        s(112, "",
          "Die in einigen Bundesländern erhobene Mindestkirchensteuer ist hier nicht dargestellt.");
    }
}

}  // namespace

Schrittliste schrittlisteBerechnen(const Steuereingaben& eingaben, const Listenangaben& angaben,
                                   Lohnsteuerrechner& engine) {
    Schrittliste liste;
    liste.eingaben = eingaben;
    for (int k : kKopfzeilen) liste.zeilen[static_cast<std::size_t>(k)].kopf = true;
    Schreiber s(liste.zeilen);

    eingaben.setzen(engine);
    engine.lohnsteuer();
    eingabezeilen(s, engine, angaben);
    versorgungsfreibetrag(s, engine);
    altersentlastung(s, engine);
    jahreslohn(s, engine);
    pauschbetraege(s, engine);
    vorsorgepauschale(s, engine, liste);

    // The wage tax itself is computed without the child allowances.
    engine.ZKF = Money();
    engine.lohnsteuer();
    lohnsteuerzeilen(s, engine);

    engine.ZKF = eingaben.ZKF;
    engine.lohnsteuer();
    zuschlagzeilen(s, engine, angaben);
    return liste;
}

Schrittliste schrittlisteBerechnen(const Steuereingaben& eingaben, const Listenangaben& angaben) {
    Lohnsteuerrechner engine;
    return schrittlisteBerechnen(eingaben, angaben, engine);
}

}  // namespace brelvanostik
