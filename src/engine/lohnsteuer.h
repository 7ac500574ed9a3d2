#pragma once

#include "engine/money.h"

namespace brelvanostik {

/// Result of the period share helper: the annual amount's share of one pay period,
/// rounded down (tax, surcharge, church base) and rounded up (pension allowance, age relief).
struct Periodenanteil {
    Money ANTEILAB;
    Money ANTEILAUF;
};

/// The wage tax engine: the federal finance ministry's flowchart for the mechanical
/// computation of wage tax, tax years 2004 to 2007 (a later year by the rules of 2007).
///
/// The caller writes the inputs, calls lohnsteuer() and reads the outputs. Inputs and
/// the three outputs keep their values between runs (an input left unset keeps what the
/// previous caller gave it); every intermediate is reset at the start of a run and can be
/// read afterwards, as the tax steps listing does. The members carry the flowchart's names.
///
/// Units: pay-period amounts and the pension and age amounts are cents; everything from
/// ZRE4 onward (annual wage, allowances, X, ST, JBMG) is euros.
class Lohnsteuerrechner {
  public:
    /// The solidarity surcharge: 5.5 % of the wage tax.
    static constexpr Money kSolzSatz = Money::raw(550);

    // Inputs.
    int JAHR = 2007;  ///< tax year 2004..2008
    int LZZ = 2;      ///< pay period: 1 year, 2 month, 3 week, 4 day
    Money RE4;        ///< taxable wage of the period, pensions included (cents)
    Money VBEZ;       ///< pension payments contained in RE4 (cents)
    Money WFundF;     ///< tax-card allowance of the period (cents)
    Money HINZUR;     ///< tax-card amount to add for the period (cents)
    int STKL = 1;     ///< tax class 1..6
    Money ZKF;        ///< number of child allowances (0, 0.5, 1, ...)
    int KRV = 0;      ///< 1 = exempt from statutory pension insurance
    int R = 0;        ///< 1 = member of a church that levies church tax
    int AJAHR = 0;    ///< calendar year following the 64th birthday
    int Alter1 = 0;   ///< 1 = 64th birthday completed before the tax year
    int VJAHR = 0;    ///< year in which the pension payments started
    Money VBEZM;      ///< first full monthly pension payment (cents)
    Money VBEZS;      ///< special pension payment in the starting year (cents)
    Money ZMVB;       ///< months with pension payments (annual period only)

    // Outputs.
    Money LSTPERIODE;  ///< wage tax of the period (whole cents)
    Money SOLZLZZ;     ///< solidarity surcharge of the period (whole cents)
    Money BK;          ///< church tax base of the period (whole cents); 0 when R = 0

    // Intermediates: pension allowance, age relief, table values.
    Money FVB, ZUSCHLAGVFB, VBEZB, HFVB, ALTE, BMG;
    float Tab1 = 0, Tab2 = 0, Tab3 = 0, Tab4 = 0, Tab5 = 0;
    // Period wage and annual amounts.
    Money RE4LZZ, RE4LZZV, ZRE4, ZRE4VP, ZVBEZ;
    // Table allowances.
    Money ANP, EFA, SAP, KFB, SPLITFAKTOR, TABFBSUMME;
    // Provision allowance.
    Money VSP, VSP1, VSP2, VSBN, VSPO, VSPKURZ, VSPVOR, VSPMAX1, VSPMAX2, RESTBETRAG;
    // Tariff.
    Money ZVEINK, X;
    float Y = 0;
    Money RW, ST;
    // Surcharge base, solidarity surcharge.
    Money JAHRESLST, JBMG, SOLZGRENZE, SOLZJ, SOLZMIN;

    /// One run of the flowchart on the current inputs.
    void lohnsteuer();

    /// The period share of an annual amount in cents for the current LZZ.
    Periodenanteil periodenanteil(Money JAHRESWERT) const;

    // The flowchart's steps, public so that tests and the tax steps listing can run them
    // one at a time on a prepared state.
    void zwischenwerteLoeschen();
    void tabellenwerte();
    void mre4();
    void jahreswerte();
    /// A period amount in cents as the annual amount in euros, before any cutting: the
    /// conversion `jahreswerte` applies (the tax steps listing shows it too).
    static Money aufsJahr(int LZZ, Money betrag);
    void mztabfb();
    void steuerlauf();
    void vorsorge();
    void mvsp();
    void upevp();
    void tarif();
    void klasse56();
    void solz();

  private:
    Money klasse56Stelle(Money Z);
};

}  // namespace brelvanostik
