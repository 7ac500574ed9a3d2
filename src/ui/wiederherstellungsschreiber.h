#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <vector>

#include "workspace/wiederherstellung.h"

namespace brelvanostik {

class Meldungsanzeige;
class Sitzung;
class Verzeichnissperre;

/// Keeps the recovery file of the working directory up to date while the window is open:
/// an edit is written there within kVerzoegerungMs, off the input path, and only when the
/// workspace has changed since the last write.
class Wiederherstellungsschreiber : public QObject {
    Q_OBJECT
  public:
    static constexpr int kVerzoegerungMs = 500;

    /// `basis`: the data files as the session found them at start.
    Wiederherstellungsschreiber(const Verzeichnissperre& sperre, const Sitzung& sitzung,
                                const Datenstand& basis, Meldungsanzeige& meldungen);

    /// Something may have been edited: the recovery file follows shortly.
    void anstossen();
    /// Writes the recovery file now when the workspace differs from the last state written.
    void schreibenFallsGeaendert();
    /// The data files hold the work: the recovery file goes, and nothing is written any more.
    void abschliessen();

  private:
    const Verzeichnissperre& sperre_;
    const Sitzung& sitzung_;
    Datenstand basis_;
    Meldungsanzeige& meldungen_;
    QTimer takt_;
    std::vector<std::uint8_t> geschrieben_;  ///< the workspace as last written (or at start)
    bool fehlerGemeldet_ = false;
    bool abgeschlossen_ = false;
};

}  // namespace brelvanostik
