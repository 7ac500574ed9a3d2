#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

#include "workspace/einstellungen.h"
#include "workspace/sitzung.h"

class QGridLayout;
class QPushButton;

namespace brelvanostik {

class AlleMonateTabelle;
class Auswahlpanel;
class Befehlsleiste;
class Ergebnisspalte;
class InterneWerteTabelle;
class Meldungsanzeige;
class Namenspanel;
class Navigationsleiste;
class Seitenpanel;
class SteuerschritteFenster;
class Tippzeile;

/// The main window: the green calculation on the left, its blue twin on the right, the
/// yellow column between them, the month and year buttons above and the tip line below.
/// Every user action goes to the session; afterwards the window draws what the session
/// shows. It computes nothing itself.
class Hauptfenster : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitel =
        "    B R E L V A N O S T I K     -    Berechnung der gesetzlichen Abzüge         "
        "Stand :  04. Mai 2007";

    Hauptfenster(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern = nullptr);
    ~Hauptfenster() override;

    /// Asked when the window is about to close; false keeps it open. The program's exit
    /// (saving) is done here, after the window has stored what the user was still typing.
    void schliessenPruefenSetzen(std::function<bool()> pruefen) { schliessenPruefen_ = std::move(pruefen); }

    /// Places and sizes the window as the settings record says (twips), kept on a screen.
    void geometrieHerstellen(const Einstellungen& einstellungen);

    /// Redraws both sides, the yellow column and the buttons from the session.
    void darstellen();

    /// Opens the tax steps window, preset from the current case and month.
    void steuerschritteOeffnen();

    /// "Als CSV speichern …" of the all-months table: the shown side, or both sides.
    void alleMonateAlsCsvSpeichern(bool beide);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void aufbauen();
    QRect rechteckDerZeile(Seite seite, int zeile) const;
    void melden(const Rueckmeldung& rueckmeldung);
    void jahresmodusMelden();
    void ueberlagerungenSchliessen();
    void geometrieMerken();
    void schriftSkalieren();

    // What the user did.
    void zeileGeklickt(Seite seite, int zeile);
    void zeileRechtsGeklickt(Seite seite, int zeile);
    void eintragGewaehlt(Seite seite, int zeile, int code);
    void auswahlFreiGeklickt();
    void betragAuswerten(Seite seite, int zeile, const QString& text);
    void versorgungOeffnen(Seite seite);
    void monatGeklickt(int knopf);
    void jahrGeklickt(int knopf);
    void standardgroesse();
    void bildschirmgroesse();
    void drucken(Seite seite);
    void beideDrucken();
    void interneWerteZeigen(Seite seite);
    void alleMonateZeigen();

    Sitzung& sitzung_;
    void zeilenaktion(Rueckmeldung (Sitzung::*aktion)(Seite, int), Seite s, int zeile);

    Meldungsanzeige& meldungen_;
    std::function<bool()> schliessenPruefen_;
    SteuerschritteFenster* steuerschritte_ = nullptr;

    QWidget* flaeche_ = nullptr;
    Tippzeile* tipp_ = nullptr;
    Navigationsleiste* navigation_ = nullptr;
    Seitenpanel* gruen_ = nullptr;
    Seitenpanel* blau_ = nullptr;
    Ergebnisspalte* gelb_ = nullptr;
    Auswahlpanel* auswahl_ = nullptr;
    Namenspanel* namen_ = nullptr;
    Befehlsleiste* befehle_ = nullptr;
    QPushButton* versorgungBlau_ = nullptr;
    AlleMonateTabelle* tabelle_ = nullptr;
    InterneWerteTabelle* interne_ = nullptr;

    double basisPunkte_ = 8.0;
    /// The geometry set from the settings record, and the record's values: an unmoved
    /// window writes back exactly what it was given.
    QRect hergestellt_;
    Einstellungen geladen_;
};

}  // namespace brelvanostik
