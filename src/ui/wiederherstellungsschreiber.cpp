#include "ui/wiederherstellungsschreiber.h"

#include <ctime>

#include "session/sitzung.h"
#include "ui/meldungen.h"

namespace brelvanostik {

Wiederherstellungsschreiber::Wiederherstellungsschreiber(const Verzeichnissperre& sperre,
                                                         const Sitzung& sitzung,
                                                         const Datenstand& basis,
                                                         Meldungsanzeige& meldungen)
    : sperre_(sperre),
      sitzung_(sitzung),
      basis_(basis),
      meldungen_(meldungen),
      geschrieben_(arbeitsstand(sitzung.arbeitsbereich())) {
    takt_.setSingleShot(true);
    takt_.setInterval(kVerzoegerungMs);
    connect(&takt_, &QTimer::timeout, this, [this] { schreibenFallsGeaendert(); });
}

void Wiederherstellungsschreiber::anstossen() {
    // Not restarted by further edits: the first edit not yet written sets the deadline.
    if (!abgeschlossen_ && !takt_.isActive()) takt_.start();
}

void Wiederherstellungsschreiber::schreibenFallsGeaendert() {
    takt_.stop();
    if (abgeschlossen_) return;
    std::vector<std::uint8_t> stand = arbeitsstand(sitzung_.arbeitsbereich());
    if (stand == geschrieben_) return;
    const std::vector<std::uint8_t> bytes = wiederherstellungBytes(
        sitzung_.arbeitsbereich(), sitzung_.einstellungen(), basis_, std::time(nullptr));
    if (auto fehler = wiederherstellungSchreiben(sperre_, bytes)) {
        // Told once; the next edit tries again, and the exit saves as always.
        if (!fehlerGemeldet_) {
            fehlerGemeldet_ = true;
            meldungen_.zeigen(
                {"Wiederherstellung",
                 "Ihre letzten Änderungen konnten nicht für eine Wiederherstellung nach einem "
                 "Absturz aufbewahrt werden. " +
                     *fehler +
                     "\nBeim Beenden werden sie wie gewohnt in den Datendateien gespeichert.",
                 Meldung::Symbol::Ausrufezeichen});
        }
        return;
    }
    fehlerGemeldet_ = false;
    geschrieben_ = std::move(stand);
}

void Wiederherstellungsschreiber::abschliessen() {
    takt_.stop();
    abgeschlossen_ = true;
    wiederherstellungEntfernen(sperre_);
}

}  // namespace brelvanostik
