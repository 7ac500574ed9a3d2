#include "payout/gehaltssuche.h"

#include <algorithm>
#include <cmath>

#include "basis/zahltext.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

// How far the payout of a month can exceed the straight-line bound through roundings, in
// hundredths. Between two salaries 0 < a < s the payout rises by at most
// steigungsgrenze() x (s - a) apart from steps that roundings make: the annual wage tax is
// cut to whole euros after the provision allowance was rounded up to whole euros (a twelfth
// of that in a month's run), the minimum church tax (0.30 euros) comes and goes with the
// first cent of wage tax, the one-time payment's two annual runs and the December
// adjustment's annual run each step by whole euros (two in classes V and VI) with surcharge
// and church tax, and the contributions are rounded per branch. Scanning 80 random cases
// cent by cent up to 6,000 euros, the largest such excess was 4.52 euros (one-time payments
// in classes V and VI); the reserve is more than four times that.
constexpr std::int64_t kRundungsreserve = 2000;

// The search itself. Going up from a salary a whose payout P(a) falls short by d, every
// salary s with steigungsgrenze x (s - a) + reserve < d falls short too, so the next one that
// can reach the amount lies that far on; within the last reserve of the amount the search
// goes cent by cent. Nothing is passed over that could reach the amount, so the first
// salary found is the smallest. Also keeps the highest payout met.
//
// No salary at all is a case of its own: with a pension alone the flowchart allows only the
// pensions' lump sum of 102 euros, with one cent of wage also the employee's 920 euros, so
// the first cent can pay out some twenty euros more. 0 is tried by itself; the straight
// line starts at one cent.
struct Suche {
    Gehaltsprobe& probe;
    Monatsbild hoechste{};
    bool hoechsteGesetzt = false;

    Monatsbild pruefen(std::int32_t gehalt) {
        const Monatsbild bild = probe.mit(gehalt);
        if (!hoechsteGesetzt || bild.auszahlung > hoechste.auszahlung) {
            hoechste = bild;
            hoechsteGesetzt = true;
        }
        return bild;
    }

    std::optional<Monatsbild> kleinstes(std::int64_t ziel) {
        if (const Monatsbild ohne = pruefen(0); ohne.auszahlung >= ziel) return ohne;
        std::int32_t a = 1;
        for (;;) {
            const Monatsbild bild = pruefen(a);
            if (bild.auszahlung >= ziel) return bild;
            if (a >= kMaxBetragHundertstel) return std::nullopt;
            const double fehlt = static_cast<double>(ziel - bild.auszahlung - kRundungsreserve);
            const double weiter = std::floor(fehlt / probe.steigungsgrenze());
            const double schritt =
                std::clamp(weiter, 1.0, static_cast<double>(kMaxBetragHundertstel));
            a = static_cast<std::int32_t>(
                std::min<double>(static_cast<double>(a) + schritt, kMaxBetragHundertstel));
        }
    }
};

}  // namespace

Gehaltsantwort gehaltFuerAuszahlung(const Sitzung& sitzung, Seite seite, std::int64_t gewuenscht) {
    Gehaltsprobe probe(sitzung, seite);
    Suche suche{probe};
    Gehaltsantwort antwort;
    antwort.gewuenscht = gewuenscht;
    if (const auto gefunden = suche.kleinstes(gewuenscht)) {
        antwort.erreicht = true;
        antwort.bild = probe.mitGanzemJahr(gefunden->gehalt);
        return antwort;
    }
    // The highest payout: between one that is reached and one that is not, halved until
    // they meet; each half is decided by the same exact search.
    std::int64_t erreichbar = suche.hoechste.auszahlung;
    std::int64_t unerreichbar = gewuenscht;
    while (unerreichbar - erreichbar > 1) {
        const std::int64_t mitte = erreichbar + (unerreichbar - erreichbar) / 2;
        if (suche.kleinstes(mitte)) {
            erreichbar = std::max<std::int64_t>(mitte, suche.hoechste.auszahlung);
        } else {
            unerreichbar = mitte;
        }
    }
    const auto bester = suche.kleinstes(erreichbar);
    antwort.bild = probe.mitGanzemJahr(bester ? bester->gehalt : suche.hoechste.gehalt);
    return antwort;
}

Rueckmeldung gehaltUebernehmen(Sitzung& sitzung, Seite seite, std::int32_t gehalt) {
    return sitzung.betragEingeben(seite, zeile::Gehalt, zahltext::feldtext(gehalt));
}

}  // namespace brelvanostik
