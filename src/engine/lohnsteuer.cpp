#include "engine/lohnsteuer.h"

#include <algorithm>

#include "engine/tarifwerte.h"

namespace brelvanostik {

using namespace steuerwerte;

namespace {

Money euro(std::int64_t n) {
    return Money::whole(n);
}

// Single-precision store of a double, as the flowchart keeps Y and the table values.
float einfach(double wert) {
    return static_cast<float>(wert);
}

}  // namespace

void Lohnsteuerrechner::lohnsteuer() {
    zwischenwerteLoeschen();
    // Pensions are handled in whole cents.
    VBEZ = VBEZ.gerundet();
    if (JAHR >= 2006) {
        tabellenwerte();
    }
    mre4();
    // Period wage after the pension allowance and age relief; the tax-card entries reduce
    // the taxable wage but not the base of the provision allowance.
    RE4LZZ = RE4 - FVB - ALTE - WFundF + HINZUR;
    RE4LZZV = RE4 - FVB - ALTE;
    jahreswerte();
    mztabfb();
    steuerlauf();
    JAHRESLST = ST;
    LSTPERIODE = periodenanteil(ST * 100).ANTEILAB;
    // Child allowances reduce only the base of the surcharges, never the wage tax.
    if (ZKF <= Money()) {
        JBMG = JAHRESLST;
    } else {
        TABFBSUMME += KFB;
        steuerlauf();
        JBMG = ST;
    }
    solz();
}

void Lohnsteuerrechner::zwischenwerteLoeschen() {
    FVB = ZUSCHLAGVFB = VBEZB = HFVB = ALTE = BMG = Money();
    Tab1 = Tab2 = Tab3 = Tab4 = Tab5 = 0;
    RE4LZZ = RE4LZZV = ZRE4 = ZRE4VP = ZVBEZ = Money();
    ANP = EFA = SAP = KFB = SPLITFAKTOR = TABFBSUMME = Money();
    VSP = VSP1 = VSP2 = VSBN = VSPO = VSPKURZ = VSPVOR = VSPMAX1 = VSPMAX2 = RESTBETRAG = Money();
    ZVEINK = X = RW = ST = Money();
    Y = 0;
    JAHRESLST = JBMG = SOLZGRENZE = SOLZJ = SOLZMIN = Money();
}

Periodenanteil Lohnsteuerrechner::periodenanteil(Money JAHRESWERT) const {
    if (LZZ == 1) {
        return {JAHRESWERT, JAHRESWERT};
    }
    Money q;
    std::int64_t stellen = 100;  // week and day: the first two decimals decide rounding up
    switch (LZZ) {
        case 2:
            q = JAHRESWERT.geteilt(12);
            stellen = 10;  // month: only the first decimal decides
            break;
        case 3:
            q = Money::fromDouble(JAHRESWERT.toDouble() * 7 / 360);
            break;
        default:
            q = JAHRESWERT.geteilt(360);
            break;
    }
    const Money ab = q.abgeschnitten();
    const std::int64_t nachkomma =
        (q * Money::whole(stellen)).abgeschnitten().units() / Money::kScale % stellen;
    return {ab, nachkomma > 0 ? ab + euro(1) : ab};
}

// Table values of the old-age income rules (2006 and later): the tax-free share of a pension
// falls with the year it started, the age relief with the year after the 64th birthday.
void Lohnsteuerrechner::tabellenwerte() {
    auto index = [](int& jahr) {
        if (jahr < 2006) {
            jahr = 2005;
            return 1;
        }
        return jahr < 2040 ? jahr - 2004 : 36;
    };
    const int J = index(VJAHR);
    const int K = index(AJAHR);
    const Altersstufe versorgung = versorgungsstufe(J - 1);
    Tab1 = einfach(versorgung.anteil);
    Tab2 = einfach(versorgung.hoechstbetrag);
    Tab3 = einfach(versorgung.zuschlag);
    const Altersstufe alter = altersstufe(K - 1);
    Tab4 = einfach(alter.anteil);
    Tab5 = einfach(alter.hoechstbetrag);
}

// Pension allowance FVB and age relief ALTE for the pay period (step MRE4).
void Lohnsteuerrechner::mre4() {
    if (JAHR == 2004) {
        if (VBEZ != Money()) {
            FVB = VBEZ.mal(kAltersanteil).aufgerundet();
            const Money hoechst =
                periodenanteil(Money::whole(kVersorgungsHoechstbetrag2004 * 100)).ANTEILAUF;
            if (FVB > hoechst) FVB = hoechst;
        }
        if (Alter1 != 0) {
            BMG = RE4 - VBEZ;
            ALTE = BMG.mal(kAltersanteil).aufgerundet();
            const Money hoechst =
                periodenanteil(Money::whole(kAltersHoechstbetrag2004 * 100)).ANTEILAUF;
            if (ALTE > hoechst) ALTE = hoechst;
        }
        return;
    }

    // From 2005 the allowance is computed on the annual pension basis of the starting year
    // and then shared out to the period.
    if (VBEZ != Money()) {
        Money hoechst;
        if (LZZ == 1) {
            VBEZB = VBEZM * ZMVB + VBEZS;
            if (JAHR == 2005) {
                ZUSCHLAGVFB = ZMVB * (kVersorgungsZuschlag2005 / 12);
                hoechst = Money::whole(kVersorgungsHoechstbetrag2005 * 100);
            } else {
                HFVB = Money::fromDouble(ZMVB.toDouble() * (static_cast<double>(Tab2) / 12) * 100);
                ZUSCHLAGVFB = Money::fromDouble(ZMVB.toDouble() * (static_cast<double>(Tab3) / 12))
                                  .aufgerundet();
                hoechst = HFVB;
            }
        } else {
            VBEZB = VBEZM * 12 + VBEZS;
            if (JAHR == 2005) {
                ZUSCHLAGVFB = euro(kVersorgungsZuschlag2005);
                hoechst = Money::whole(kVersorgungsHoechstbetrag2005 * 100);
            } else {
                HFVB = Money::fromDouble(static_cast<double>(Tab2) * 100);
                ZUSCHLAGVFB = Money::fromDouble(Tab3);
                hoechst = HFVB;
            }
        }
        const double anteil = JAHR == 2005 ? kAltersanteil : static_cast<double>(Tab1);
        FVB = VBEZB.mal(anteil).aufgerundet();
        if (FVB > hoechst) FVB = hoechst;
        FVB = periodenanteil(FVB).ANTEILAUF;
    }

    if (Alter1 == 0) {
        return;
    }
    BMG = RE4 - VBEZ;
    const double anteil = JAHR == 2005 ? kAltersanteil : static_cast<double>(Tab4);
    ALTE = BMG.mal(anteil).aufgerundet();
    const Money jahreshoechst = JAHR == 2005 ? Money::whole(kAltersHoechstbetrag2005 * 100)
                                             : Money::fromDouble(static_cast<double>(Tab5) * 100);
    const Money hoechst = periodenanteil(jahreshoechst).ANTEILAUF;
    if (ALTE > hoechst) ALTE = hoechst;
}

Money Lohnsteuerrechner::aufsJahr(int LZZ, Money betrag) {
    switch (LZZ) {
        case 1:
            return betrag.geteilt(100);
        case 2:
            return (betrag + Money::raw(6700)).mal(0.12);
        case 3:
            return Money::fromDouble((betrag + Money::raw(8900)).toDouble() * 3.6 / 7);
        default:
            return (betrag + Money::raw(5600)).mal(3.6);
    }
}

// Annual amounts in euros from the period amounts in cents.
void Lohnsteuerrechner::jahreswerte() {
    auto aufJahr = [this](Money betrag) { return aufsJahr(LZZ, betrag); };
    // 2004 keeps the cents of an annual period and cuts the others to whole euros; 2005
    // cuts everything to whole euros; from 2006 the annual wage is kept to the cent.
    auto kappen = [this](Money betrag) {
        if (JAHR == 2004) return LZZ == 1 ? betrag : betrag.abgeschnitten();
        if (JAHR == 2005) return betrag.abgeschnitten();
        return betrag.abgeschnittenHundertstel();
    };
    ZRE4 = kappen(aufJahr(RE4LZZ));
    ZRE4VP = kappen(aufJahr(RE4LZZV));
    if (JAHR >= 2006) {
        ZVBEZ = kappen(aufJahr(VBEZ - FVB));
    }

    const Money null;
    if (JAHR <= 2006) {
        if (ZRE4 < null) ZRE4 = null;
        if (JAHR == 2006 && ZVBEZ < null) ZVBEZ = null;
    } else {
        if (RE4LZZ < null) ZRE4 = null;
        if (RE4LZZV < null) ZRE4VP = null;
        if (VBEZ == null || VBEZ - FVB < null) ZVBEZ = null;
    }
}

// Table allowances: employee lump sum, single-parent relief, special-expenses lump sum,
// child allowances and the splitting factor (step MZTABFB).
void Lohnsteuerrechner::mztabfb() {
    SPLITFAKTOR = euro(1);
    ANP = Money();
    if (JAHR == 2004) {
        if (STKL < 6) ANP = euro(kArbeitnehmerPauschbetrag);
    } else if (JAHR == 2005) {
        if (STKL < 6) {
            if (VBEZ > Money()) ANP += euro(kVersorgungsPauschbetrag);
            if (RE4 > VBEZ) ANP += euro(kArbeitnehmerPauschbetrag);
        }
    } else {
        const bool kappen = JAHR == 2006 ? ZVBEZ > Money() : ZVBEZ >= Money();
        if (kappen && ZVBEZ <= ZUSCHLAGVFB) ZUSCHLAGVFB = ZVBEZ;
        if (STKL < 6) {
            // Both parts of the lump sum are whole euros: the annual wage is kept to the cent
            // from 2006, and a lump sum of 920.08 euros is not the law's 920.
            if (ZVBEZ > Money()) {
                ANP = std::min(euro(kVersorgungsPauschbetrag), ZVBEZ - ZUSCHLAGVFB).abgeschnitten();
            }
            if (ZRE4 >= ZVBEZ) {
                ANP += std::min(euro(kArbeitnehmerPauschbetrag), ZRE4 - ZVBEZ).abgeschnitten();
            }
        }
    }

    EFA = SAP = KFB = Money();
    switch (STKL) {
        case 1:
            SAP = euro(kSonderausgabenPauschbetrag);
            KFB = ZKF * kKinderfreibetrag;
            break;
        case 2:
            EFA = euro(kEntlastungsbetragAlleinerziehende);
            SAP = euro(kSonderausgabenPauschbetrag);
            KFB = ZKF * kKinderfreibetrag;
            break;
        case 3:
            SAP = euro(2 * kSonderausgabenPauschbetrag);
            KFB = ZKF * kKinderfreibetrag;
            SPLITFAKTOR = euro(2);
            break;
        case 4:
            SAP = euro(kSonderausgabenPauschbetrag);
            KFB = ZKF * (kKinderfreibetrag / 2);
            break;
        default:
            break;
    }
    TABFBSUMME = EFA + ANP + SAP;
    if (JAHR >= 2005) TABFBSUMME += ZUSCHLAGVFB;
}

// One tax run: provision allowance, taxable income, tariff or the class V/VI rule.
void Lohnsteuerrechner::steuerlauf() {
    if (STKL < 5) {
        vorsorge();
    } else {
        VSP = Money();
    }
    ZVEINK = ZRE4 - TABFBSUMME - VSP;
    if (ZVEINK < euro(1)) {
        ZVEINK = Money();
        X = Money();
    } else {
        X = ZVEINK.geteilt(SPLITFAKTOR.units() / Money::kScale).abgeschnitten();
    }
    if (STKL < 5) {
        tarif();
    } else {
        klasse56();
    }
}

void Lohnsteuerrechner::vorsorge() {
    if (JAHR == 2004) {
        mvsp();
    } else {
        upevp();
    }
}

// Provision allowance from 2005: the share of the pension contributions plus other
// provisions, compared with the older percentage rule; the larger one counts.
void Lohnsteuerrechner::upevp() {
    if (KRV == 1) {
        VSP1 = Money();
    } else {
        const Rentenanteil rv = rentenanteil(JAHR);
        if (ZRE4VP > euro(rv.hoechstlohn)) ZRE4VP = euro(rv.hoechstlohn);
        VSP1 = ZRE4VP.mal(rv.anteil).mal(rv.beitragssatz);
    }
    VSP2 = ZRE4VP.mal(kKrankenPflegeSatz);
    const Money hoechstVSP2 = SPLITFAKTOR * kKrankenPflegeHoechstbetrag;
    if (VSP2 > hoechstVSP2) VSP2 = hoechstVSP2;
    VSBN = (VSP1 + VSP2).aufgerundet();
    mvsp();
    if (VSBN > VSP) VSP = VSBN;
}

// The percentage rule with maximum amounts (step MVSP).
void Lohnsteuerrechner::mvsp() {
    VSPO = ZRE4VP.mal(kVorsorgeSatz);
    VSPVOR = SPLITFAKTOR * kVorsorgeGrundbetrag;
    VSPMAX1 = SPLITFAKTOR * kVorsorgeHoechstbetrag1;
    VSPMAX2 = SPLITFAKTOR * kVorsorgeHoechstbetrag2;
    VSPKURZ = SPLITFAKTOR * kVorsorgeKurzHoechstbetrag;
    // 2005 and 2006 round the allowance up to whole euros, the other years cut it.
    auto ganzeEuro = [this](Money betrag) {
        return (JAHR == 2005 || JAHR == 2006) ? betrag.aufgerundet() : betrag.abgeschnitten();
    };

    if (KRV == 1) {
        VSP = ganzeEuro(VSPO > VSPKURZ ? VSPKURZ : VSPO);
        return;
    }
    VSPVOR = VSPVOR - ZRE4VP.mal(kVorsorgeKuerzungssatz);
    if (VSPVOR < Money()) VSPVOR = Money();
    if (VSPO <= VSPVOR) {
        VSP = VSPO.abgeschnitten();
        return;
    }
    VSP = VSPVOR;
    RESTBETRAG = VSPO - VSPVOR;
    if (RESTBETRAG > VSPMAX1) {
        VSP += VSPMAX1;
        RESTBETRAG = (RESTBETRAG - VSPMAX1).geteilt(2).aufgerundetHundertstel();
        VSP += RESTBETRAG > VSPMAX2 ? VSPMAX2 : RESTBETRAG;
    } else {
        VSP += RESTBETRAG;
    }
    VSP = ganzeEuro(VSP);
}

// Income tax tariff of the year: ST in whole euros from X, times the splitting factor.
void Lohnsteuerrechner::tarif() {
    const Progression k = progression(JAHR);
    const Tarifzone zone = tarifzone(JAHR, X);
    if (zone == Tarifzone::Frei) {
        ST = Money();
    } else if (zone == Tarifzone::ErsteZone) {
        Y = einfach((X - euro(kGrundfreibetrag)).toDouble() / 10000);
        RW = Money::fromDouble(static_cast<double>(Y) * k.a);
        RW += Money::fromDouble(k.b);
        ST = RW.mal(static_cast<double>(Y)).abgeschnitten();
    } else if (zone == Tarifzone::ZweiteZone) {
        Y = einfach((X - euro(kErsteZoneBis)).toDouble() / 10000);
        RW = Money::fromDouble(static_cast<double>(Y) * k.c);
        RW += Money::fromDouble(k.d);
        RW = RW.mal(static_cast<double>(Y));
        ST = (RW + Money::fromDouble(k.e)).abgeschnitten();
    } else {
        // The linear zone; from 2007 the top rate above its bound.
        const Linearzone l = linearzone(JAHR, zone);
        ST = Money::fromDouble(X.toDouble() * l.satz - l.abzug).abgeschnitten();
    }
    ST = ST * (SPLITFAKTOR.units() / Money::kScale);
}

// Evaluation of the class V/VI rule at one point Z: twice the difference of the tariff at
// 1.25 Z and 0.75 Z, at least the minimum rate.
Money Lohnsteuerrechner::klasse56Stelle(Money Z) {
    X = Z.mal(1.25);
    tarif();
    const Money oben = ST;
    X = Z.mal(0.75);
    tarif();
    const Money unten = ST;
    const Money differenz = (oben - unten) * 2;
    const Money mindeststeuer = Z.mal(JAHR == 2004 ? 0.16 : 0.15).abgeschnitten();
    return mindeststeuer > differenz ? mindeststeuer : differenz;
}

// Tax classes V and VI.
void Lohnsteuerrechner::klasse56() {
    const bool vor2005 = JAHR == 2004;
    const Money untereGrenze = euro(vor2005 ? 9228 : 9144);
    const Money obereGrenze = euro(vor2005 ? 26072 : 25812);
    const double satz = vor2005 ? 0.45 : 0.42;
    const Money A = X;

    if (A <= obereGrenze) {
        ST = klasse56Stelle(A);
        if (A <= untereGrenze) return;
        const Money kappung = ST;
        ST = klasse56Stelle(untereGrenze);
        const Money vergleich = (ST + (A - untereGrenze).mal(satz)).abgeschnitten();
        ST = vergleich < kappung ? vergleich : kappung;
        return;
    }
    ST = klasse56Stelle(obereGrenze);
    if (JAHR >= 2007 && A > euro(200000)) {
        // 73158.96 is the tax of the 42 % zone from the upper bound to 200,000 euros. Each
        // step is cut to whole euros on its own; one cut at the end charges a euro too much.
        ST = (ST + Money::raw(731589600)).abgeschnitten();
        ST = (ST + (A - euro(200000)).mal(0.45)).abgeschnitten();
    } else {
        ST = (ST + (A - obereGrenze).mal(satz)).abgeschnitten();
    }
}

// Solidarity surcharge and church tax base of the period.
void Lohnsteuerrechner::solz() {
    SOLZGRENZE = SPLITFAKTOR * kSolzFreigrenze;
    if (JBMG > SOLZGRENZE) {
        // Cut to whole cents first: half a cent of surcharge is not an amount anyone pays.
        SOLZJ =
            Money::fromDouble(JBMG.toDouble() * kSolzSatz.toDouble()).abgeschnittenHundertstel();
        SOLZMIN = Money::fromDouble((JBMG - SOLZGRENZE).toDouble() * kSolzUebergangProzent / 100);
        if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
        SOLZLZZ = periodenanteil(SOLZJ * 100).ANTEILAB;
    } else {
        SOLZLZZ = Money();
    }
    BK = R < 1 ? Money() : periodenanteil(JBMG * 100).ANTEILAB;
}

}  // namespace brelvanostik
