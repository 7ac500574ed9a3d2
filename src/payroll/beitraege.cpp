// Social insurance of the current pay: the pay liable to contributions within the month's
// ceilings, and the employee's shares of the five branches.

#include <algorithm>

#include "payroll/gleitzone.h"
#include "payroll/monatsberechnung.h"
#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

void Monatsberechnung::beitragspflichtigesEntgelt(int m) {
    Monatssatz& satz = *monate_[m];
    const auto& b = satz.Betrag;
    const int art = satz.Auswahl[zeile::Abzug];
    const std::int64_t gehalt = satz.tagesanteil(zeile::Gehalt);
    const std::int64_t versorgung = satz.tagesanteil(zeile::Versorgungsbezug);

    // The sliding zone is judged on all the month's pay, pensions and every saving but the
    // retention included; contributions are levied on the salary alone, less the salary
    // conversions that are free of social insurance (kinds 0 and 2).
    const std::int64_t zone = gehalt + versorgung + b[zeile::ZusaetzlichSvPflichtig] +
                              (art < wahl::abzug::Einbehalt ? b[zeile::Abzug] : 0);
    beitragsentgelt_ = Money::whole(std::max<std::int64_t>(zone, 0));
    const std::int64_t pflichtig = gehalt + b[zeile::ZusaetzlichSvPflichtig] +
                                   (wahl::abzug::svFrei(art) ? b[zeile::Abzug] : 0);
    kvpflichtig_ = gesaettigt(std::max<std::int64_t>(pflichtig, 0));
    rvpflichtig_ = kvpflichtig_;
    satz.Kennwert[kennwert::SvEntgelt] = gesaettigt(
        static_cast<std::int64_t>(satz.tagesanteil(zeile::EinmaligerBezug)) + rvpflichtig_);

    // A part month has the part of the ceilings that its days bear.
    const Parameter& p = parameter();
    const double tage = tagesquote_[m];
    kvbbgmonat_ = centAus(tage * p.kvbbg[tabellenindex_]);
    rvbbgmonat_ = centAus(tage * p.rvbbg[tabellenindex_]);
    kvpflichtig_ = std::min(kvpflichtig_, kvbbgmonat_);
    rvpflichtig_ = std::min(rvpflichtig_, rvbbgmonat_);
    kopf_->KvBbgRest[m] = gesaettigt(static_cast<std::int64_t>(kvbbgmonat_) - kvpflichtig_);
    kopf_->RvBbgRest[m] = gesaettigt(static_cast<std::int64_t>(rvbbgmonat_) - rvpflichtig_);
}

void Monatsberechnung::laufendeBeitraege(int m) {
    Monatssatz& satz = *monate_[m];
    const auto& wahl = satz.Auswahl;
    auto& b = satz.Betrag;
    const Parameter& p = parameter();
    const Money pv = p.pvsatz[tabellenindex_];
    const Money rv = p.rvsatz[tabellenindex_];
    const Money av = p.avsatz[tabellenindex_];
    const Money kvSatz = cent(b[zeile::KvSatz]);  // percent x 100: both halves of the rate
    const Money kv = cent(kvpflichtig_);
    const Money rvPflichtig = cent(rvpflichtig_);

    // In the sliding zone the branch's total rate is twice the employee's share.
    const auto gleitzone = [&](Money beitragssatz) {
        return gleitzonenbeitrag(beitragsentgelt_, beitragssatz, jahr_, m);
    };
    const auto gleitzonenanteil = [&](Money beitragssatz) {
        return gesaettigt(-gleitzone(beitragssatz).arbeitnehmeranteil.toInt64());
    };

    auto& kvBeitrag = b[zeile::Krankenversicherung];
    switch (wahl[zeile::Krankenversicherung]) {
        case wahl::vers::Beitrag:
        case wahl::vers::Zuschuss:
            kvBeitrag = halberBeitrag(wahl[zeile::Krankenversicherung], kv, halberKvSatz(kvSatz));
            break;
        case wahl::vers::Gleitzone:
            kvBeitrag = gleitzonenanteil(kvSatz);
            break;
        default:
            kvBeitrag = 0;
    }
    auto& pvBeitrag = b[zeile::Pflegeversicherung];
    switch (wahl[zeile::Pflegeversicherung]) {
        case wahl::vers::Beitrag:
        case wahl::vers::Zuschuss:
            pvBeitrag = halberBeitrag(wahl[zeile::Pflegeversicherung], kv, pv);
            break;
        case wahl::vers::Gleitzone:
            pvBeitrag = gleitzonenanteil(pv * 200);
            break;
        case wahl::vers::SachsenBeitrag:
            pvBeitrag = -beitragsanteil(kv, kPvSatzSachsen);
            break;
        case wahl::vers::SachsenZuschuss:
            pvBeitrag = beitragsanteil(kv, kPvZuschussSachsen);
            break;
        default:
            pvBeitrag = 0;
    }
    auto& rvBeitrag = b[zeile::Rentenversicherung];
    switch (wahl[zeile::Rentenversicherung]) {
        case wahl::vers::Beitrag:
        case wahl::vers::Zuschuss:
            rvBeitrag = halberBeitrag(wahl[zeile::Rentenversicherung], rvPflichtig, rv);
            break;
        case wahl::vers::Gleitzone:
            rvBeitrag = gleitzonenanteil(rv * 200);
            break;
        default:
            rvBeitrag = 0;
    }
    auto& avBeitrag = b[zeile::Arbeitslosenversicherung];
    switch (wahl[zeile::Arbeitslosenversicherung]) {
        case wahl::alv::Beitrag:
            avBeitrag = -beitragsanteil(rvPflichtig, av);
            break;
        case wahl::alv::Gleitzone:
            avBeitrag = gleitzonenanteil(av * 200);
            break;
        default:
            avBeitrag = 0;
    }
    // The surcharges are the employee's alone: in the sliding zone on the reduced pay.
    const Money zusatz = zusatzbeitragssatz(wahl[zeile::Zusatzbeitrag]);
    const Money zusatzEntgelt = wahl[zeile::Krankenversicherung] == wahl::vers::Gleitzone
                                    ? gleitzone(kvSatz).bemessungsentgelt
                                    : kv;
    b[zeile::Zusatzbeitrag] = -beitragsanteil(zusatzEntgelt, zusatz);
}

}  // namespace brelvanostik
