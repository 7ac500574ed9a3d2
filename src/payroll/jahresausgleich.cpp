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
    std::array<std::int64_t, kSteuerabzuege.size()>
        einbehalten{};  // wage tax, surcharge, church tax Jan..Nov
    int unvollstaendig = 0;
    for (int k = 0; k < kMonate; ++k) {
        const Monatssatz& satz = *monate_[k];
        for (int z = zeile::Gehalt; z <= zeile::MehrjahresVerguetung; ++z) {
            a[einkommen(z)] += cent(satz.tagesanteil(z));
        }
        zusaetzlich += cent(satz.Betrag[zeile::ZusaetzlichSteuerpflichtig]);
        if (wahl::abzug::steuerfrei(satz.Auswahl[zeile::Abzug])) {
            umwandlung += cent(satz.Betrag[zeile::Abzug]);
        }
        if (k < kMonate - 1) {
            for (std::size_t i = 0; i < kSteuerabzuege.size(); ++i) {
                einbehalten[i] += satz.Betrag[kSteuerabzuege[i].zeile];
            }
        }
        if (satz.Betrag[zeile::NormalTage] != satz.Betrag[zeile::Tage]) ++unvollstaendig;
    }

    // The employer may settle the year only when every month was paid for all its days.
    if (unvollstaendig > 0) {
        for (Monatssatz* satz : monate_)
            satz->Auswahl[zeile::Jahresausgleich] = wahl::ausgleich::Ohne;
        return false;
    }

    Money jahreslohn = zusaetzlich + umwandlung;
    for (Money x : a) jahreslohn += x;
    const Jahressteuer jahr =
        jahreslauf(jahreslohn, a[einkommen(zeile::Versorgungsbezug)] +
                                   a[einkommen(zeile::EinmaligerVersorgungsbezug)]);
    dezember.Betrag[zeile::Lohnsteuer] = gesaettigt(jahr.lohnsteuer - einbehalten[0]);
    dezember.Betrag[zeile::Soli] = gesaettigt(jahr.soli - einbehalten[1]);
    // The minimum church tax is a monthly amount, not a share of the annual tax: with it
    // there is nothing to settle, and December keeps its own minimum.
    if (!wahl::kirche::istMindest(dezember.Auswahl[zeile::Kirchensteuer])) {
        dezember.Betrag[zeile::Kirchensteuer] = gesaettigt(jahr.kirchensteuer - einbehalten[2]);
    }
    return true;
}

}  // namespace brelvanostik
