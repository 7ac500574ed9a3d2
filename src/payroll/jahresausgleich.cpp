// The employer's annual wage tax adjustment (Lohnsteuerjahresausgleich des Arbeitgebers,
// section 42b of the income tax act): in December the tax of the whole year is recomputed on
// the real annual wage, and what January to November withheld beyond it is refunded with the
// December salary.

#include <algorithm>

#include "payroll/monatsberechnung.h"
#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Ausgleichshindernis Monatsberechnung::ausgleichshindernis() const {
    // The employer may settle the year only for an employee who was paid for every day of it,
    // in one tax class that is neither V nor VI, without tax-card amounts.
    const int klasse = monate_[0]->Auswahl[zeile::Steuerklasse];
    bool teilmonat = false, klasse56 = false, wechsel = false, steuerkarte = false;
    for (const Monatssatz* satz : monate_) {
        const auto& b = satz->Betrag;
        const int k = satz->Auswahl[zeile::Steuerklasse];
        teilmonat |= b[zeile::NormalTage] != b[zeile::Tage];
        klasse56 |= k == wahl::klasse::V || k == wahl::klasse::VI;
        wechsel |= k != klasse;
        steuerkarte |= b[zeile::Freibetrag] != 0 || b[zeile::Hinzurechnung] != 0;
    }
    return teilmonat     ? Ausgleichshindernis::Teilmonat
           : klasse56    ? Ausgleichshindernis::KlasseVoderVI
           : wechsel     ? Ausgleichshindernis::Klassenwechsel
           : steuerkarte ? Ausgleichshindernis::Steuerkarte
                         : Ausgleichshindernis::Keines;
}

Ausgleichshindernis Monatsberechnung::jahresausgleich() {
    if (const Ausgleichshindernis h = ausgleichshindernis(); h != Ausgleichshindernis::Keines) {
        for (Monatssatz* satz : monate_) {
            satz->Auswahl[zeile::Jahresausgleich] = wahl::ausgleich::Ohne;
        }
        return h;
    }

    Monatssatz& dezember = *monate_[kMonate - 1];
    const Jahreslohn jahr = jahreslohn(kMonate);
    const Jahressteuer steuer = jahreslauf(jahr.lohn, jahr.versorgung);
    const std::array<std::int64_t, kSteuerabzuege.size()> jahressteuer{
        steuer.lohnsteuer, steuer.soli, steuer.kirchensteuer};
    for (std::size_t i = 0; i < kSteuerabzuege.size(); ++i) {
        const zeile::Zeile z = kSteuerabzuege[i].zeile;
        // The minimum church tax is a monthly amount, not a share of the annual tax: with it
        // there is nothing to settle, and December keeps its own minimum.
        if (z == zeile::Kirchensteuer &&
            wahl::kirche::istMindest(dezember.Auswahl[zeile::Kirchensteuer])) {
            continue;
        }
        std::int64_t einbehalten = 0;
        for (int k = 0; k < kMonate - 1; ++k) einbehalten += monate_[k]->Betrag[z];
        // The adjustment only refunds: where the year's tax is more than January to November
        // withheld, December keeps its ordinary deduction (both are negative).
        dezember.Betrag[z] =
            gesaettigt(std::max<std::int64_t>(jahressteuer[i] - einbehalten, dezember.Betrag[z]));
    }
    return Ausgleichshindernis::Keines;
}

}  // namespace brelvanostik
