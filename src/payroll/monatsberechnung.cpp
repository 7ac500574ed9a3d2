#include "payroll/monatsberechnung.h"

#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Ergebnis Monatsberechnung::berechne(Arbeitsbereich& bereich, int jahr, int berechnung,
                                    int startMonat, int letzterMonat) {
    Ergebnis ergebnis;
    if (jahr < kErstesJahr || jahr >= kErstesJahr + kJahre || berechnung < 0 ||
        berechnung >= kBerechnungen || startMonat < 0 || startMonat >= kMonate ||
        letzterMonat < startMonat || letzterMonat >= kMonate) {
        return ergebnis;
    }
    jahr_ = jahr;
    for (int k = 0; k < kMonate; ++k)
        monate_[k] = &bereich.monat(jahr - kErstesJahr, berechnung, k);
    kopf_ = &bereich.kopf(jahr - kErstesJahr, berechnung);
    engine_.JAHR = jahr;
    engine_.R = 1;

    // The annual wage of a month's one-time payment reads the pay of every later month, so
    // all of them must be current before the first month is taxed.
    anteileAktualisieren(startMonat);

    for (int m = startMonat; m <= letzterMonat; ++m) {
        Monatssatz& satz = *monate_[m];
        for (int z = 19; z <= 29; ++z) satz.Kennwert[z] = 0;
        satz.Betrag[26] = 0;

        laufendeSteuern(m);
        einmalSteuern(m);
        mindestkirchensteuer(m);
        if (m == kMonate - 1 && satz.Auswahl[4] == 1 && !jahresausgleich()) {
            ergebnis.lstAusgleichAbgelehnt = true;
        }
        beitragspflichtigesEntgelt(m);
        laufendeBeitraege(m);
        // The contributions of the current pay, before the one-time payment's join them.
        for (int z = 0; z < 5; ++z) satz.Kennwert[9 + z] = satz.Betrag[20 + z];
        einmalBeitraege(m);
        auszahlung(m);
    }
    return ergebnis;
}

void Monatsberechnung::anteileAktualisieren(int startMonat) {
    for (int m = startMonat; m < kMonate; ++m) {
        Monatssatz& satz = *monate_[m];
        const auto& b = satz.Betrag;
        // The ratios are single precision; a zero divisor gives 0, and no hours mean no days.
        const float stunden =
            b[0] == 0 ? 0.0f : static_cast<float>(static_cast<double>(b[1]) / b[0]);
        const float tage = b[2] == 0 || stunden == 0.0f
                               ? 0.0f
                               : static_cast<float>(static_cast<double>(b[3]) / b[2]);
        stundenquote_[m] = stunden;
        tagesquote_[m] = tage;

        std::int64_t monatsgehalt = 0, nachStunden = 0, nachTagen = 0;
        for (int z = 5; z <= 9; ++z) {
            const Money betrag = cent(b[z]);
            const Money a = kopf_->inStundenquote(z, m) ? begrenzt(betrag.mal(stunden)) : betrag;
            const Money r = kopf_->inTagesquote(z, m) ? begrenzt(a.mal(tage)) : a;
            satz.stundenanteil(z) = a.toInt32();
            satz.tagesanteil(z) = r.toInt32();
            reduziert_[m][z - 5] = r;  // the taxes take the four decimals
            monatsgehalt += b[z];
            nachStunden += satz.stundenanteil(z);
            nachTagen += satz.tagesanteil(z);
        }
        satz.Betrag[10] = gesaettigt(monatsgehalt);
        satz.Betrag[11] = gesaettigt(nachStunden);
        satz.Betrag[12] = gesaettigt(nachTagen);
    }
}

void Monatsberechnung::laufendeSteuern(int m) {
    Monatssatz& satz = *monate_[m];
    const auto& wahl = satz.Auswahl;
    tabellenindex_ = Parameter::tabellenindex(jahr_, wahl[2]);

    // The 64th birthday falls before the tax year for the birth-year classes below
    // 1 (2004), 2 (2005), 3 (2006), 4 (2007); the class code counts from "before 1940".
    const int jahrgang = wahl[1];
    engine_.Alter1 = jahrgang < jahr_ - 2003 ? 1 : 0;
    engine_.AJAHR = engine_.Alter1 == 1 ? 2004 + jahrgang : 2004;

    const auto& r = reduziert_[m];
    Money lohn = r[0] + r[1];
    // Salary conversion into a tax-free scheme (kinds 0 and 1) lowers the taxable wage.
    if (wahl[25] < 2) lohn += cent(satz.Betrag[25]);
    satz.Kennwert[29] = gesaettigt((lohn + r[2] + r[3]).toInt64());
    kirchensatz_ = kirchensatz(wahl[19]);

    // A month paid for only part of its days is taxed as a part period: the tax of the
    // full-month equivalent of the pay, times the days ratio. The pay itself already carries
    // the ratio, so the engine gets it divided back; otherwise the ratio would count twice.
    const float tage = tagesquote_[m];
    Money re4 = lohn;
    Money vbez = r[1];
    if (tage > 0.0f && tage < 1.0f) {
        re4 = begrenzt(Money::fromDouble(lohn.toDouble() / tage));
        vbez = begrenzt(Money::fromDouble(r[1].toDouble() / tage));
    }
    engine_.LZZ = 2;
    engine_.RE4 = re4;
    engine_.VBEZ = vbez.gerundet();  // the engine takes pensions in whole cents
    engine_.WFundF = cent(satz.Betrag[13]);
    engine_.HINZUR = cent(satz.Betrag[14]);
    engine_.STKL = wahl[17] + 1;
    engine_.KRV = wahl[3];
    engine_.ZKF = Money::raw(wahl[28] * (Money::kScale / 2));  // half allowances
    engine_.VJAHR = kopf_->Versorgungsbeginn + 2005;
    engine_.VBEZM = kopf_->ErsterVollerMonatsbezug;
    engine_.VBEZS = kopf_->VersorgungsSonderzahlung;
    if (beobachter_) beobachter_(m, engine_);
    engine_.lohnsteuer();

    // Wage tax and surcharge to the nearest cent; church tax is cut to whole cents.
    satz.Betrag[17] = gesaettigt(-engine_.LSTPERIODE.mal(tage).toInt64());
    satz.Betrag[18] = gesaettigt(-engine_.SOLZLZZ.mal(tage).toInt64());
    satz.Betrag[19] = gesaettigt(-(engine_.BK * kirchensatz_).mal(tage).abgeschnitten().toInt64());
    for (int z = 0; z < 3; ++z) {
        satz.Kennwert[3 + z] = satz.Betrag[17 + z];
        satz.Kennwert[6 + z] = 0;
    }
}

void Monatsberechnung::auszahlung(int m) {
    Monatssatz& satz = *monate_[m];
    std::int64_t summe = satz.Betrag[12];
    for (int z = 17; z <= 25; ++z) summe += satz.Betrag[z];
    satz.Betrag[26] = gesaettigt(summe);
}

}  // namespace brelvanostik
