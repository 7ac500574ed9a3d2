#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "session/sitzung.h"

class QWidget;

namespace brelvanostik {

/// Everything the program asks or tells the user in a dialog of its own. The window and
/// the start and exit code speak only to this interface, so that the tests answer in
/// place of the user instead of blocking on a modal dialog.
class Meldungsanzeige {
  public:
    /// What becomes of the user's work when it could not be saved at exit.
    enum class Entscheidung {
        Wiederholen,         ///< try the working directory once more
        AnderesVerzeichnis,  ///< save into a directory the user picks
        NichtSpeichern,      ///< end without saving, as the user explicitly chose
        Zurueck,             ///< do not end; back to the program
    };

    virtual ~Meldungsanzeige() = default;

    /// A message box with title, lines and icon; returns when the user has read it.
    virtual void zeigen(const Meldung& meldung) = 0;
    /// Saving failed (`text` says why). `wiederholbar` is false when the working directory
    /// must not be written at all.
    virtual Entscheidung speicherproblem(const QString& text, bool wiederholbar) = 0;
    /// A directory to save into instead of the working directory; nothing when abandoned.
    virtual std::optional<std::filesystem::path> verzeichnisWaehlen() = 0;
    /// A yes/no question; true for yes.
    virtual bool bestaetigen(const QString& titel, const QString& text) = 0;
    /// The last session did not end normally (`text` says when it was last edited): true for
    /// "Wiederherstellen", false for "Verwerfen".
    virtual bool wiederherstellen(const QString& text) = 0;
    /// The file a printout is saved to as PDF (`vorschlag` is the offered name); nothing
    /// when the user abandons it.
    virtual std::optional<std::filesystem::path> pdfDateiWaehlen(const QString& vorschlag) = 0;
    /// The file the all-months table is saved to as CSV; nothing when abandoned.
    virtual std::optional<std::filesystem::path> csvDateiWaehlen(const QString&) {
        return std::nullopt;
    }
};

/// The real dialogs: QMessageBox and QFileDialog, in German through Qt's own translations.
class Meldungsfenster final : public Meldungsanzeige {
  public:
    /// `eltern` is the window the dialogs belong to; it may change (see elternSetzen).
    explicit Meldungsfenster(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void elternSetzen(QWidget* eltern) { eltern_ = eltern; }

    void zeigen(const Meldung& meldung) override;
    Entscheidung speicherproblem(const QString& text, bool wiederholbar) override;
    std::optional<std::filesystem::path> verzeichnisWaehlen() override;
    bool bestaetigen(const QString& titel, const QString& text) override;
    bool wiederherstellen(const QString& text) override;
    std::optional<std::filesystem::path> pdfDateiWaehlen(const QString& vorschlag) override;
    std::optional<std::filesystem::path> csvDateiWaehlen(const QString& vorschlag) override;

  private:
    QWidget* eltern_;
};

}  // namespace brelvanostik
