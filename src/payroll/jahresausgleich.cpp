// The employer's annual wage tax adjustment (Lohnsteuerjahresausgleich des Arbeitgebers):
// in December the tax of the whole year is recomputed on the real annual wage and the
// difference to what January to November withheld is settled with the December salary.

#include "payroll/monatsberechnung.h"
#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

bool Monatsberechnung::jahresausgleich() {
    Monatssatz& dezember = *monate_[kMonate - 1];
    std::array<Money, kEinkommenZeilen> a{};
    Money zusaetzlich, umwandlung;
    std::array<std::int64_t, 3> einbehalten{};  // wage tax, surcharge, church tax Jan..Nov
    int unvollstaendig = 0;
    for (int k = 0; k < kMonate; ++k) {
        const Monatssatz& satz = *monate_[k];
        for (int z = 5; z <= 9; ++z) a[z - 5] += cent(satz.tagesanteil(z));
        zusaetzlich += cent(satz.Betrag[15]);
        if (satz.Auswahl[25] < 2) umwandlung += cent(satz.Betrag[25]);
        if (k < kMonate - 1) {
            for (int z = 0; z < 3; ++z) einbehalten[z] += satz.Betrag[17 + z];
        }
        if (satz.Betrag[2] != satz.Betrag[3]) ++unvollstaendig;
    }

    // The employer may settle the year only when every month was paid for all its days.
    if (unvollstaendig > 0) {
        for (Monatssatz* satz : monate_) satz->Auswahl[4] = 0;
        return false;
    }

    Money jahreslohn = zusaetzlich + umwandlung;
    for (Money x : a) jahreslohn += x;
    const Jahressteuer jahr = jahreslauf(jahreslohn, a[1] + a[3]);
    dezember.Betrag[17] = gesaettigt(jahr.lohnsteuer - einbehalten[0]);
    dezember.Betrag[18] = gesaettigt(jahr.soli - einbehalten[1]);
    // The minimum church tax is a monthly amount, not a share of the annual tax: with it
    // there is nothing to settle, and December keeps its own minimum.
    const int kirchencode = dezember.Auswahl[19];
    if (kirchencode != 3 && kirchencode != 4) {
        dezember.Betrag[19] = gesaettigt(jahr.kirchensteuer - einbehalten[2]);
    }
    return true;
}

}  // namespace brelvanostik
