#include "payroll/monatsberechnung.h"

#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Ausgleichshindernis Monatsberechnung::berechne(Arbeitsbereich& bereich, int jahr, int berechnung,
                                               int startMonat, int letzterMonat) {
    Ausgleichshindernis hindernis = Ausgleichshindernis::Keines;
    if (jahr < kErstesJahr || jahr >= kErstesJahr + kJahre || berechnung < 0 ||
        berechnung >= kBerechnungen || startMonat < 0 || startMonat >= kMonate ||
        letzterMonat < startMonat || letzterMonat >= kMonate) {
        return hindernis;
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
        for (int k = kennwert::KvBbgOffen; k <= kennwert::SteuerpflichtigesEntgelt; ++k) {
            satz.Kennwert[k] = 0;
        }
        satz.Betrag[zeile::Auszahlung] = 0;

        laufendeSteuern(m);
        einmalSteuern(m);
        mindestkirchensteuer(m);
        if (m == kMonate - 1 && satz.Auswahl[zeile::Jahresausgleich] == wahl::ausgleich::Mit) {
            hindernis = jahresausgleich();
        }
        beitragspflichtigesEntgelt(m);
        laufendeBeitraege(m);
        // The contributions of the current pay, before the one-time payment's join them.
        for (const Abzugsteile& t : kBeitragsabzuege)
            satz.Kennwert[t.laufend] = satz.Betrag[t.zeile];
        einmalBeitraege(m);
        auszahlung(m);
    }
    return hindernis;
}

void Monatsberechnung::anteileAktualisieren(int startMonat) {
    for (int m = startMonat; m < kMonate; ++m) {
        Monatssatz& satz = *monate_[m];
        const auto& b = satz.Betrag;
        // The ratios are single precision; a zero divisor gives 0, and no hours mean no days.
        const auto normalStunden = b[zeile::NormalWochenstunden];
        const auto normalTage = b[zeile::NormalTage];
        const float stunden =
            normalStunden == 0
                ? 0.0f
                : static_cast<float>(static_cast<double>(b[zeile::Wochenstunden]) / normalStunden);
        const float tage =
            normalTage == 0 || stunden == 0.0f
                ? 0.0f
                : static_cast<float>(static_cast<double>(b[zeile::Tage]) / normalTage);
        stundenquote_[m] = stunden;
        tagesquote_[m] = tage;

        std::int64_t monatsgehalt = 0, nachStunden = 0, nachTagen = 0;
        for (int z = zeile::Gehalt; z <= zeile::MehrjahresVerguetung; ++z) {
            const Money betrag = cent(b[z]);
            const Money a = kopf_->inStundenquote(z, m) ? begrenzt(betrag.mal(stunden)) : betrag;
            const Money r = kopf_->inTagesquote(z, m) ? begrenzt(a.mal(tage)) : a;
            satz.stundenanteil(z) = a.toInt32();
            satz.tagesanteil(z) = r.toInt32();
            reduziert_[m][einkommen(z)] = r;  // the taxes take the four decimals
            monatsgehalt += b[z];
            nachStunden += satz.stundenanteil(z);
            nachTagen += satz.tagesanteil(z);
        }
        satz.Betrag[zeile::Monatsgehalt] = gesaettigt(monatsgehalt);
        satz.Betrag[zeile::NachWochenstunden] = gesaettigt(nachStunden);
        satz.Betrag[zeile::Brutto] = gesaettigt(nachTagen);
    }
}

void Monatsberechnung::laufendeSteuern(int m) {
    Monatssatz& satz = *monate_[m];
    const auto& wahl = satz.Auswahl;
    tabellenindex_ = Parameter::tabellenindex(jahr_, wahl[zeile::Bundesland]);

    // The 64th birthday falls before the tax year for the birth-year classes below
    // 1 (2004), 2 (2005), 3 (2006), 4 (2007); the class code counts from "before 1940".
    const int jahrgang = wahl[zeile::Geburtsjahrgang];
    engine_.Alter1 = jahrgang < jahr_ - 2003 ? 1 : 0;
    engine_.AJAHR = engine_.Alter1 == 1 ? 2004 + jahrgang : 2004;

    const auto& r = reduziert_[m];
    const Money versorgung = r[einkommen(zeile::Versorgungsbezug)];
    Money lohn = r[einkommen(zeile::Gehalt)] + versorgung;
    // Salary conversion into a tax-free scheme lowers the taxable wage.
    if (wahl::abzug::steuerfrei(wahl[zeile::Abzug])) lohn += cent(satz.Betrag[zeile::Abzug]);
    satz.Kennwert[kennwert::SteuerpflichtigesEntgelt] =
        gesaettigt((lohn + r[einkommen(zeile::EinmaligerBezug)] +
                    r[einkommen(zeile::EinmaligerVersorgungsbezug)])
                       .toInt64());
    kirchensatz_ = kirchensatz(wahl[zeile::Kirchensteuer]);

    // A month paid for only part of its days is taxed as a part period: the tax of the
    // full-month equivalent of the pay, times the days ratio. The pay itself already carries
    // the ratio, so the engine gets it divided back; otherwise the ratio would count twice.
    const float tage = tagesquote_[m];
    Money re4 = lohn;
    Money vbez = versorgung;
    if (tage > 0.0f && tage < 1.0f) {
        re4 = begrenzt(Money::fromDouble(lohn.toDouble() / tage));
        vbez = begrenzt(Money::fromDouble(versorgung.toDouble() / tage));
    }
    engine_.LZZ = 2;
    engine_.RE4 = re4;
    engine_.VBEZ = vbez.gerundet();  // the engine takes pensions in whole cents
    engine_.WFundF = cent(satz.Betrag[zeile::Freibetrag]);
    engine_.HINZUR = cent(satz.Betrag[zeile::Hinzurechnung]);
    engine_.STKL = wahl[zeile::Steuerklasse] + 1;
    engine_.KRV = wahl[zeile::SvStatus];
    engine_.ZKF =
        Money::raw(wahl[zeile::Kinderfreibetraege] * (Money::kScale / 2));  // half allowances
    engine_.VJAHR = kopf_->Versorgungsbeginn + 2005;
    engine_.VBEZM = kopf_->ErsterVollerMonatsbezug;
    engine_.VBEZS = kopf_->VersorgungsSonderzahlung;
    if (beobachter_) beobachter_(m, engine_);
    engine_.lohnsteuer();

    // Wage tax and surcharge to the nearest cent; church tax is cut to whole cents.
    satz.Betrag[zeile::Lohnsteuer] = gesaettigt(-engine_.LSTPERIODE.mal(tage).toInt64());
    satz.Betrag[zeile::Soli] = gesaettigt(-engine_.SOLZLZZ.mal(tage).toInt64());
    satz.Betrag[zeile::Kirchensteuer] =
        gesaettigt(-(engine_.BK * kirchensatz_).mal(tage).abgeschnitten().toInt64());
    for (const Abzugsteile& t : kSteuerabzuege) {
        satz.Kennwert[t.laufend] = satz.Betrag[t.zeile];
        satz.Kennwert[t.einmalig] = 0;
    }
}

void Monatsberechnung::auszahlung(int m) {
    Monatssatz& satz = *monate_[m];
    std::int64_t summe = satz.Betrag[zeile::Brutto];
    for (int z = zeile::Lohnsteuer; z <= zeile::Abzug; ++z) summe += satz.Betrag[z];
    satz.Betrag[zeile::Auszahlung] = gesaettigt(summe);
}

}  // namespace brelvanostik
