#pragma once

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

#include "basis/verzeichnissperre.h"

namespace brelvanostik {

class Abschiedsfenster;
class Hauptfenster;
class Meldungsanzeige;
class Sitzung;
class Wiederherstellungsschreiber;
struct Ladeergebnis;

/// One run of the program in a working directory: locks the directory against a second
/// copy, loads the data files (telling the user what was mended), builds the session and
/// the main window, and saves everything when the window closes. Saving is the only way
/// out: when it fails the user decides whether to retry, to save elsewhere or, knowingly,
/// to end without saving.
class Programm {
  public:
    static constexpr const char* kSperrdateiName = Verzeichnissperre::kDateiName;

    Programm(std::filesystem::path verzeichnis, Meldungsanzeige& meldungen);
    ~Programm();

    /// Locks, loads and builds the window (not yet shown). False when the program must not
    /// run: another copy works in the same directory, or the user has been told why not.
    bool starten();

    Hauptfenster* fenster() const { return fenster_.get(); }
    /// The farewell window, once the work has been saved at the end of the run.
    Abschiedsfenster* abschiedsfenster() const { return abschied_.get(); }

    /// The system ends the program (terminate or hang-up at logout or shutdown): the window
    /// closes and saves as always, but no farewell window keeps the program alive; one that
    /// is already shown closes.
    void aufSignalBeenden();
    Sitzung* sitzung() const { return sitzung_.get(); }

  private:
    /// Saves at exit; false keeps the window open.
    bool beenden();
    bool beendenFragen();
    bool speichernNach(const std::filesystem::path& verzeichnis, QString& fehler);
    /// A recovery file left by a session that did not end normally: the user restores it
    /// into `geladen` or it is set aside. False when recovery files must not be written in
    /// this run (one that could not be set aside would be overwritten).
    bool wiederherstellungKlaeren(Ladeergebnis& geladen);

    std::filesystem::path verzeichnis_;
    Meldungsanzeige& meldungen_;
    std::optional<Verzeichnissperre> sperre_;
    std::unique_ptr<Sitzung> sitzung_;
    std::unique_ptr<Hauptfenster> fenster_;
    std::unique_ptr<Abschiedsfenster> abschied_;
    /// Declared last: it refers to the lock and the session until it goes.
    std::unique_ptr<Wiederherstellungsschreiber> schreiber_;
    /// The working directory's files could not be read and must not be overwritten.
    std::optional<std::string> lesefehler_;
    bool gespeichert_ = false;
    bool imBeenden_ = false;
    bool ohneAbschied_ = false;
};

}  // namespace brelvanostik
