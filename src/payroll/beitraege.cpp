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
    const int art = satz.Auswahl[25];
    const std::int64_t gehalt = satz.tagesanteil(5);
    const std::int64_t versorgung = satz.tagesanteil(6);

    // The sliding zone is judged on all the month's pay, pensions and every saving but the
    // retention included; contributions are levied on the salary alone, less the salary
    // conversions that are free of social insurance (kinds 0 and 2).
    const std::int64_t zone = gehalt + versorgung + b[16] + (art < 7 ? b[25] : 0);
    beitragsentgelt_ = Money::whole(std::max<std::int64_t>(zone, 0));
    const std::int64_t pflichtig = gehalt + b[16] + (art == 0 || art == 2 ? b[25] : 0);
    kvpflichtig_ = gesaettigt(std::max<std::int64_t>(pflichtig, 0));
    rvpflichtig_ = kvpflichtig_;
    satz.Kennwert[26] = gesaettigt(static_cast<std::int64_t>(satz.tagesanteil(7)) + rvpflichtig_);

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
    const double kv = kvpflichtig_;
    const double rvPflichtig = rvpflichtig_;

    // In the sliding zone the branch's total rate is twice the employee's share.
    const auto gleitzone = [&](Money beitragssatz) {
        return gleitzonenbeitrag(beitragsentgelt_, beitragssatz, jahr_, m);
    };
    const auto gleitzonenanteil = [&](Money beitragssatz) {
        return gesaettigt(-gleitzone(beitragssatz).arbeitnehmeranteil.toInt64());
    };
    // Half the rate, as a deduction (code 0) or as the employer's subsidy paid out (code 1).
    const auto haelfte = [](int code, double betrag) {
        return code == 0 ? centAus(-betrag) : centAus(betrag);
    };

    const double kvSatz = b[4];
    switch (wahl[20]) {
        case 0:
        case 1:
            b[20] = haelfte(wahl[20], kvSatz * kv / 20000.0);
            break;
        case 2:
            b[20] = gleitzonenanteil(cent(b[4]));
            break;
        default:
            b[20] = 0;
    }
    switch (wahl[21]) {
        case 0:
        case 1:
            b[21] = haelfte(wahl[21], pv.toDouble() * kv / 100.0);
            break;
        case 2:
            b[21] = gleitzonenanteil(pv * 200);
            break;
        case 4:
            b[21] = centAus(-kPvSatzSachsen * kv / 100.0);
            break;
        case 5:
            b[21] = centAus(kPvZuschussSachsen * kv / 100.0);
            break;
        default:
            b[21] = 0;
    }
    switch (wahl[22]) {
        case 0:
        case 1:
            b[22] = haelfte(wahl[22], rv.toDouble() * rvPflichtig / 100.0);
            break;
        case 2:
            b[22] = gleitzonenanteil(rv * 200);
            break;
        default:
            b[22] = 0;
    }
    switch (wahl[23]) {
        case 0:
            b[23] = centAus(-av.toDouble() * rvPflichtig / 100.0);
            break;
        case 1:
            b[23] = gleitzonenanteil(av * 200);
            break;
        default:
            b[23] = 0;
    }
    // The surcharges are the employee's alone: in the sliding zone on the reduced pay.
    const double zusatz = zusatzbeitragssatz(wahl[24]) / 100.0;
    if (wahl[20] == 2) {
        b[24] = centAus(-gleitzone(cent(b[4])).bemessungsentgelt.toDouble() * zusatz);
    } else {
        b[24] = centAus(-zusatz * kv);
    }
}

}  // namespace brelvanostik
