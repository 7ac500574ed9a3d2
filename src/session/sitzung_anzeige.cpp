// What the main window shows: one side's rows, the yellow column and the marks of blue
// values that differ from green. Reads the workspace only; the values were computed before.
#include <cmath>
#include <cstdlib>

#include "payroll/parameter.h"
#include "session/sitzung.h"
#include "workspace/auswahllisten.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

// Percent x 100 of a Money percentage, doubled (employee share to the whole rate).
std::int64_t ganzerSatz(Money anteil) {
    return (anteil * 2).units() / 100;
}

// The surcharge rates of row 24 by code, percent x 100.
std::optional<std::int64_t> zusatzSatz(int code) {
    switch (code) {
        case wahl::zusatz::Sozialversicherung:
            return 0;
        case wahl::zusatz::Zahnersatz:
            return 90;
        case wahl::zusatz::Kinderlose:
            return 25;
        case wahl::zusatz::KvUndPv:
            return 115;
        default:
            return std::nullopt;
    }
}

}  // namespace

Seitenanzeige Sitzung::anzeige(Seite s) const {
    Seitenanzeige a;
    const int c = berechnung(s);
    const Monatssatz& ms = satz(c, monat_);
    const Fallkopf& k = kopf(c);
    const Parameter& p = parameter();
    const int index = Parameter::tabellenindex(jahr_, ms.Auswahl[zeile::Bundesland]);

    // Rates of rows 21-24, also put in front of the choice texts that begin with "%".
    a.saetze[0] = ganzerSatz(p.pvsatz[index]);
    a.saetze[1] = ganzerSatz(p.rvsatz[index]);
    a.saetze[2] = ganzerSatz(p.avsatz[index]);
    a.saetze[3] = zusatzSatz(ms.Auswahl[zeile::Zusatzbeitrag]);

    for (int r = 0; r < kZeilen; ++r) {
        Zeilenanzeige& z = a.zeilen[r];
        const Zeilenregel regel = kZeilenregeln[static_cast<std::size_t>(r)];
        if (regel.betrag != Betragsart::Keiner) {
            z.hatBetrag = true;
            z.istEingabe = regel.betrag == Betragsart::Eingabe;
            if (jahresmodus_ && r >= zeile::Gehalt) {
                std::int64_t summe = 0;
                for (int m = 0; m < kMonate; ++m) summe += satz(c, m).Betrag[r];
                z.betrag = summe;
            } else {
                z.betrag = ms.Betrag[r];
            }
            if (!z.istEingabe && z.betrag < 0) z.textFarbe = Farbe::Hellrot;
        }
        if (r == zeile::Fall) {
            z.beschriftung = k.Fallname;
        } else if (r == zeile::Monatsgehalt) {
            z.beschriftung = periodentext();
        } else if (regel.auswahl) {
            const auto liste = auswahlliste(r, bereich_, jahr_);
            const int code = ms.Auswahl[r];
            if (code >= 0 && code < static_cast<int>(liste.size())) z.beschriftung = liste[code];
            if (!z.beschriftung.empty() && z.beschriftung.front() == '%') {
                if (r == zeile::Krankenversicherung) z.beschriftungSatz = ms.Betrag[zeile::KvSatz];
                if (r >= zeile::Pflegeversicherung && r <= zeile::Zusatzbeitrag) {
                    z.beschriftungSatz = a.saetze[r - zeile::Pflegeversicherung];
                }
            }
        } else if (regel.beschriftung != nullptr) {
            z.beschriftung = regel.beschriftung;
        }
        if (regel.quoten) {
            z.bru = k.inTagesquote(r, monat_) ? 'B' : '-';
            z.tei = k.inStundenquote(r, monat_) ? 'T' : '-';
        }
    }

    a.kommentar = ms.Kommentar;
    a.versorgungsbeginn = k.Versorgungsbeginn;
    a.ersterVollerMonatsbezug = k.ErsterVollerMonatsbezug.toInt64();
    a.versorgungsSonderzahlung = k.VersorgungsSonderzahlung.toInt64();

    // Hourly payout: the payout per day times seven, per weekly hour.
    a.auszahlung = ms.Betrag[zeile::Auszahlung];
    a.tage = ms.Betrag[zeile::Tage];
    a.wochenstunden = ms.Betrag[zeile::Wochenstunden];
    if (a.tage > 0 && a.wochenstunden > 0) {
        const double woche =
            static_cast<double>(a.auszahlung) * 7.0 / (static_cast<double>(a.tage) / 100.0);
        const double stunde = woche / (static_cast<double>(a.wochenstunden) / 100.0);
        a.wochenlohn = std::llround(woche);
        a.stundenlohn = std::llround(stunde);
    }

    // Bars: the month's deductions as positive amounts, or the year's sums negated.
    const auto& z = a.zeilen;
    std::int64_t steuer = 0, sozial = 0;
    for (int r = zeile::Lohnsteuer; r <= zeile::Kirchensteuer; ++r)
        steuer += jahresmodus_ ? -z[r].betrag : std::llabs(z[r].betrag);
    for (int r = zeile::Krankenversicherung; r <= zeile::Zusatzbeitrag; ++r)
        sozial += jahresmodus_ ? -z[r].betrag : std::llabs(z[r].betrag);
    a.balken = balkenBerechnen(steuer, sozial, z[zeile::Brutto].betrag);

    if (s == Seite::Blau) {
        const Seitenanzeige gruen = anzeige(Seite::Gruen);
        const Monatssatz& g = satz(gruen_, monat_);
        const Fallkopf& gk = kopf(gruen_);
        for (int r = 0; r < kZeilen; ++r) {
            Zeilenanzeige& zb = a.zeilen[r];
            const Zeilenanzeige& zg = gruen.zeilen[r];
            const Zeilenregel regel = kZeilenregeln[static_cast<std::size_t>(r)];
            if (regel.auswahl && (zb.beschriftung != zg.beschriftung ||
                                  zb.beschriftungSatz != zg.beschriftungSatz)) {
                zb.beschriftungHintergrund = Farbe::Hellgelb;
            }
            if (!jahresmodus_ && regel.betrag == Betragsart::Eingabe &&
                ms.Betrag[r] != g.Betrag[r]) {
                zb.feldHintergrund = Farbe::Hellgelb;
            }
            if (regel.quotenMarkiert) {
                if (k.inTagesquote(r, monat_) != gk.inTagesquote(r, monat_))
                    zb.bruHintergrund = Farbe::Hellgelb;
                if (k.inStundenquote(r, monat_) != gk.inStundenquote(r, monat_))
                    zb.teiHintergrund = Farbe::Hellgelb;
            }
        }
        a.versorgungAbweichend = k.ErsterVollerMonatsbezug != gk.ErsterVollerMonatsbezug ||
                                 k.VersorgungsSonderzahlung != gk.VersorgungsSonderzahlung;
    }
    return a;
}

GelbeSpalte Sitzung::gelbeSpalte() const {
    GelbeSpalte g;
    g.gemeinsam = satz(gruen_, monat_).Gemeinsam;
    g.modusText = g.gemeinsam ? "gemeinsam" : "Unterschied";
    g.modusFarbe = g.gemeinsam ? Farbe::Schwarz : Farbe::Hellrot;
    for (int r = zeile::Gehalt; r <= zeile::Auszahlung; ++r) {
        std::int64_t gruen = 0, blau = 0;
        for (int m = jahresmodus_ ? 0 : monat_; m < (jahresmodus_ ? kMonate : monat_ + 1); ++m) {
            gruen += satz(gruen_, m).Betrag[r];
            blau += satz(zwilling(gruen_), m).Betrag[r];
        }
        g.werte[r] = g.gemeinsam ? gruen + blau : blau - gruen;
        g.farben[r] = g.werte[r] < 0 ? Farbe::Hellrot : Farbe::Schwarz;
    }
    return g;
}

}  // namespace brelvanostik
