#pragma once

#include <QFrame>

#include <cstdint>
#include <string>
#include <vector>

#include "session/sitzung.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace brelvanostik {

class Betragsfeld;

/// The choice panel that opens beside a row label: the row's entries, the current one on
/// the side's colour. For the pension start (row 27) it also holds the two pension
/// amounts, "erster voller Monatsbezug" and "Versorgungs-Sonderzahlung", which serve the
/// side the panel was opened for.
class Auswahlpanel : public QFrame {
    Q_OBJECT
  public:
    explicit Auswahlpanel(QWidget* eltern);

    /// Opens the panel for `zeile` of `seite` beside `neben` (the label's rectangle in the
    /// parent's coordinates) with `eintraege`, `aktuell` being the current code. It stays
    /// within `grenze` (the side's own half); for the pension inputs it lies on `neben`.
    void oeffnen(Seite seite, int zeile, const std::vector<std::string>& eintraege, int aktuell,
                 const QRect& neben, const QRect& grenze);
    /// Refreshes the pension part while the panel is open for row 27.
    void versorgungZeigen(int beginn, std::int64_t ersterBezug, std::int64_t sonderzahlung);
    /// Marks another entry as the current one.
    void aktuellSetzen(int aktuell);

    Seite seite() const { return seite_; }
    int zeile() const { return zeile_; }
    bool fuerVersorgung() const;

  signals:
    void eintragGewaehlt(Seite seite, int zeile, int code);
    /// The free area of the panel (or its close button) was clicked.
    void freiGeklickt();
    /// A pension amount was confirmed.
    void versorgungsbetragAuswerten(Seite seite, Versorgungsfeld feld, const QString& text);
    void versorgungsbetragGeklickt(Seite seite, Versorgungsfeld feld);

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    void platzieren();

    Seite seite_ = Seite::Gruen;
    int zeile_ = -1;
    int aktuell_ = -1;
    QRect neben_;
    QRect grenze_;
    QListWidget* liste_ = nullptr;
    QWidget* versorgung_ = nullptr;
    QLabel* ersterText_ = nullptr;
    QLabel* sonderText_ = nullptr;
    Betragsfeld* ersterFeld_ = nullptr;
    Betragsfeld* sonderFeld_ = nullptr;
};

}  // namespace brelvanostik
