#include "payout/gehaltsprobe.h"

#include <algorithm>
#include <cmath>

#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

// The share of a typed salary that reaches the month's pay: the weekly-hours ratio and the
// days ratio, each when the salary takes part in it, worked out as the month calculation
// works them out.
double gehaltsanteil(const Monatssatz& satz, const Fallkopf& kopf, int m) {
    const auto& b = satz.Betrag;
    const double stunden = b[zeile::NormalWochenstunden] == 0
                               ? 0.0
                               : static_cast<float>(static_cast<double>(b[zeile::Wochenstunden]) /
                                                    b[zeile::NormalWochenstunden]);
    const double tage =
        b[zeile::NormalTage] == 0 || stunden == 0.0
            ? 0.0
            : static_cast<float>(static_cast<double>(b[zeile::Tage]) / b[zeile::NormalTage]);
    const double a = kopf.inStundenquote(zeile::Gehalt, m) ? std::fabs(stunden) : 1.0;
    return a * (kopf.inTagesquote(zeile::Gehalt, m) ? std::fabs(tage) : 1.0);
}

void bankenUebernehmen(Monatssatz& ziel, const Monatssatz& quelle) {
    ziel.Auswahl = quelle.Auswahl;
    ziel.Betrag = quelle.Betrag;
    ziel.Stundenanteil = quelle.Stundenanteil;
    ziel.Tagesanteil = quelle.Tagesanteil;
    ziel.Kennwert = quelle.Kennwert;
}

}  // namespace

Gehaltsprobe::Gehaltsprobe(const Sitzung& sitzung, Seite seite)
    : kopie_(std::make_unique<Arbeitsbereich>(sitzung.arbeitsbereich())),
      jahr_(sitzung.jahr()),
      berechnung_(sitzung.berechnung(seite)),
      monat_(sitzung.monat()) {
    const int j = jahr_ - kErstesJahr;
    for (int k = 0; k < kMonate; ++k) urbild_[k] = kopie_->monat(j, berechnung_, k);
    urkopf_ = kopie_->kopf(j, berechnung_);
    gespeichert_ = urbild_[monat_].Betrag[zeile::Gehalt];

    const Monatssatz& dieser = urbild_[monat_];
    const double eigen = gehaltsanteil(dieser, urkopf_, monat_);
    double grenze = 2.0 * eigen;
    if (dieser.Betrag[zeile::EinmaligerBezug] != 0 ||
        dieser.Betrag[zeile::EinmaligerVersorgungsbezug] != 0) {
        // The one-time payment's annual wage counts the salary of every month to December;
        // its contributions give up the ceiling room that the current pay takes.
        double jahresanteil = 0;
        for (int k = monat_; k < kMonate; ++k)
            jahresanteil += gehaltsanteil(urbild_[k], urkopf_, k);
        grenze += 2.0 * jahresanteil + eigen;
    }
    // A little above the figure, so that the single-precision ratios never make it too small.
    steigungsgrenze_ = grenze * (1.0 + 1e-6) + 1e-9;
}

Monatsbild Gehaltsprobe::rechnen(std::int32_t gehalt, int bisMonat) {
    gehalt = std::clamp(gehalt, 0, kMaxBetragHundertstel);
    const int j = jahr_ - kErstesJahr;
    for (int k = 0; k < kMonate; ++k) {
        Monatssatz& satz = kopie_->monat(j, berechnung_, k);
        bankenUebernehmen(satz, urbild_[k]);
        if (k >= monat_) satz.Betrag[zeile::Gehalt] = gehalt;
    }
    Fallkopf& kopf = kopie_->kopf(j, berechnung_);
    kopf.KvBbgRest = urkopf_.KvBbgRest;
    kopf.RvBbgRest = urkopf_.RvBbgRest;
    monatsberechnung_.berechne(*kopie_, jahr_, berechnung_, monat_, bisMonat);

    const Monatssatz& satz = kopie_->monat(j, berechnung_, monat_);
    Monatsbild bild;
    bild.gehalt = gehalt;
    bild.auszahlung = satz.Betrag[zeile::Auszahlung];
    bild.lohnsteuer = satz.Betrag[zeile::Lohnsteuer];
    bild.soli = satz.Betrag[zeile::Soli];
    bild.kirchensteuer = satz.Betrag[zeile::Kirchensteuer];
    for (int z = zeile::Krankenversicherung; z <= zeile::Zusatzbeitrag; ++z)
        bild.sozialversicherung += satz.Betrag[z];
    return bild;
}

Monatsbild Gehaltsprobe::mit(std::int32_t gehalt) {
    return rechnen(gehalt, monat_);
}

Monatsbild Gehaltsprobe::mitGanzemJahr(std::int32_t gehalt) {
    return rechnen(gehalt, kMonate - 1);
}

}  // namespace brelvanostik
