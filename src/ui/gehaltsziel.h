#pragma once

#include <QDialog>

#include <optional>

#include "payout/gehaltssuche.h"
#include "session/sitzung.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brelvanostik {

class Meldungsanzeige;

/// "Gehalt zur gewünschten Auszahlung": for the displayed month of one side, the smallest
/// salary whose payout reaches the amount the user wants, with the payout it gives.
/// "Übernehmen" stores that salary exactly as if it had been typed into the salary field;
/// until then nothing in the workspace changes.
class Gehaltsziel : public QDialog {
    Q_OBJECT
  public:
    Gehaltsziel(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern = nullptr);

    /// Shows the panel for a side, the wanted payout preset with the month's payout.
    void oeffnen(Seite seite);
    Seite seite() const { return seite_; }

    /// Reads the wanted payout and searches; a text that is no amount is refused with a
    /// message. False when nothing was searched.
    bool berechnen();
    /// Stores the salary found (searched again first, should the case have changed since).
    void uebernehmen();

    QLineEdit* gewuenschtFeld() const { return gewuenscht_; }
    QLabel* gehaltAnzeige() const { return gehalt_; }
    QLabel* auszahlungAnzeige() const { return auszahlung_; }
    QLabel* hinweisAnzeige() const { return hinweis_; }
    QPushButton* uebernehmenKnopf() const { return uebernehmen_; }
    const std::optional<Gehaltsantwort>& antwort() const { return antwort_; }

  signals:
    /// A salary was stored: the main window redraws.
    void gespeichert(const Rueckmeldung& rueckmeldung);

  private:
    void anzeigen();

    Sitzung& sitzung_;
    Meldungsanzeige& meldungen_;
    Seite seite_ = Seite::Gruen;
    std::optional<Gehaltsantwort> antwort_;
    QLabel* fall_ = nullptr;
    QLineEdit* gewuenscht_ = nullptr;
    QLabel* gehalt_ = nullptr;
    QLabel* auszahlung_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
};

}  // namespace brelvanostik
