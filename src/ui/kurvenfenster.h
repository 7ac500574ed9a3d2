#pragma once

#include <QWidget>

#include <optional>

#include "curve/belastungskurve.h"
#include "print/dokument.h"
#include "session/sitzung.h"

class QLabel;

namespace brelvanostik {

class Meldungsanzeige;

/// The drawing of the burden curve on the screen: the print layer's drawing, painted by the
/// one renderer and scaled to the widget.
class Kurvenflaeche : public QWidget {
    Q_OBJECT
  public:
    explicit Kurvenflaeche(QWidget* eltern = nullptr);
    void setzen(druck::Zeichnung zeichnung);
    const druck::Zeichnung& zeichnung() const { return zeichnung_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    druck::Zeichnung zeichnung_;
};

/// "Belastungskurve": the month's taxes, contributions and payout of the displayed case over
/// the salary, and below them what a further 100 euros costs, for the side it was opened
/// for, the twin drawn over it where the two differ. Prints, saves as PDF and saves its points
/// as CSV. Computed on copies: nothing in the workspace changes.
class Kurvenfenster : public QWidget {
    Q_OBJECT
  public:
    Kurvenfenster(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern = nullptr);

    /// Computes the curves of the displayed case and month and shows the window for a side.
    void oeffnen(Seite seite);

    const Belastungskurve& kurve() const { return kurve_; }
    const Belastungskurve& zwilling() const { return zwilling_; }
    /// The printout: the same drawing on a landscape page.
    druck::Dokument bericht() const;
    void drucken();
    /// Asks for a file and writes the printout as PDF; the written name, or nothing.
    std::optional<std::string> alsPdfSpeichern();
    /// Asks for a file and writes the side's points as CSV; the written name, or nothing.
    std::optional<std::string> alsCsvSpeichern();

  private:
    Sitzung& sitzung_;
    Meldungsanzeige& meldungen_;
    Belastungskurve kurve_;
    Belastungskurve zwilling_;
    QLabel* titel_ = nullptr;
    Kurvenflaeche* flaeche_ = nullptr;
};

}  // namespace brelvanostik
