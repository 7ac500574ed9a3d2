#pragma once

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

#include "calculator/taschenrechner.h"
#include "help/hilfelinks.h"
#include "session/sitzung.h"
#include "workspace/einstellungen.h"

class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace brelvanostik {

class Adressoeffner;
class AlleMonateTabelle;
class Anleitung;
class Auswahlpanel;
class Befehlsleiste;
class Betragsfeld;
class Ergebnisspalte;
class Gehaltsziel;
class Infobereich;
class InterneWerteTabelle;
class Kurvenfenster;
class Linkfeld;
class Meldungsanzeige;
class Namenspanel;
class Navigationsleiste;
class Taschenrechnerpanel;
class Programminfo;
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
    void schliessenPruefenSetzen(std::function<bool()> pruefen) {
        schliessenPruefen_ = std::move(pruefen);
    }

    /// Places and sizes the window as the settings record says (twips), kept on a screen.
    void geometrieHerstellen(const Einstellungen& einstellungen);

    /// Redraws both sides, the yellow column and the buttons from the session.
    void darstellen();

  signals:
    /// The window has drawn the session after a user action, which may have been an edit.
    void dargestellt();

  public:
    /// Opens the tax steps window, preset from the current case and month.
    void steuerschritteOeffnen();

    /// The payout row's context menu on either side: the salary for a wanted payout of the
    /// displayed month, and the month's burden curve. Nothing is stored until the panel's
    /// "Übernehmen". In the year view there is no month to work on: refused with a message.
    Gehaltsziel* gehaltszielOeffnen(Seite seite);
    Kurvenfenster* belastungskurveOeffnen(Seite seite);

    /// "Als CSV speichern …" of the all-months table: the shown side, or both sides.
    void alleMonateAlsCsvSpeichern(bool beide);

    /// The calculator command: shows the pocket calculator beside the calculation, or hides
    /// it. Its state stays as it was.
    void taschenrechnerUmschalten();
    // --- Help: program information and the links into the help pages ----------------
    /// Shows the program information panel; a click on it hides it again.
    void programminfoZeigen();
    /// The topic link: opens the help page of the row last clicked (a row without a page
    /// opens the page opened last).
    void hilfethemaOeffnen();
    /// The maker's home page and the page on new versions.
    void startseiteOeffnen();
    void benachrichtigungOeffnen();
    /// Who opens the addresses; nullptr gives the desktop's browser back.
    void adressoeffnerSetzen(Adressoeffner* oeffner);
    Adressoeffner& adressoeffner() const { return *oeffner_; }
    Hilfelinks& hilfelinks() { return hilfelinks_; }
    /// Shows the instruction panel over the calculation; a click on its text hides it.
    void anleitungZeigen();

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void aufbauen();
    QRect rechteckDerZeile(Seite seite, int zeile) const;
    void melden(const Rueckmeldung& rueckmeldung);
    void jahresmodusMelden();
    void ueberlagerungenSchliessen();
    void hilfeAufbauen(QVBoxLayout* spalte);
    /// Shows the long text of a row in the info area over its side and sets the topic link.
    void zeileErklaeren(Seite seite, int zeile);
    QRect infoflaeche(Seite seite, int zeile) const;
    QRect seitenflaeche(Seite seite) const;
    /// The side's column of row captions: panels laid there hide no amount.
    QRect beschriftungsspalte(Seite seite) const;
    /// The user worked on `zeile` of a side: the topic link names and opens its page.
    void themaMerken(int zeile);
    /// Opens `adresse` in the browser; a browser that does not start is told in the tip line.
    void adresseOeffnen(const std::string& adresse);
    void geometrieMerken();
    void schriftSkalieren();

    // What the user did.
    void zeileGeklickt(Seite seite, int zeile);
    void zeileRechtsGeklickt(Seite seite, int zeile);
    void eintragGewaehlt(Seite seite, int zeile, int code);
    void auswahlFreiGeklickt();
    void betragAuswerten(Seite seite, int zeile, const QString& text);
    void betragGeklickt(Seite seite, int zeile, Betragsfeld* feld);
    void versorgungGeklickt(Seite seite, Versorgungsfeld art);
    /// A click on an amount field while the calculator is shown: its amount goes into the
    /// field and is evaluated as typed (`zeile` decides whether a sign is allowed). False
    /// when the calculator is hidden.
    bool taschenrechnerUebergeben(Betragsfeld* feld, int zeile,
                                  const std::function<Rueckmeldung(std::string_view)>& eingeben);
    void taschenrechnerPlatzieren();
    void versorgungOeffnen(Seite seite);
    /// A month button: close what lies over the calculation, let `waehlen` tell the
    /// session, draw.
    void monatGeklickt(const std::function<void()>& waehlen);
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
    Gehaltsziel* gehaltsziel_ = nullptr;
    Kurvenfenster* kurvenfenster_ = nullptr;

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
    Taschenrechner taschenrechner_;
    Taschenrechnerpanel* taschenrechnerpanel_ = nullptr;
    Infobereich* info_ = nullptr;
    Programminfo* programminfo_ = nullptr;
    Linkfeld* themaLink_ = nullptr;
    Linkfeld* anleitungLink_ = nullptr;
    Anleitung* anleitung_ = nullptr;
    Linkfeld* startLink_ = nullptr;
    Linkfeld* hinweisLink_ = nullptr;

    Hilfelinks hilfelinks_;
    std::unique_ptr<Adressoeffner> desktop_;
    Adressoeffner* oeffner_ = nullptr;

    double basisPunkte_ = 8.0;
    /// The geometry set from the settings record, and the record's values: an unmoved
    /// window writes back exactly what it was given.
    QRect hergestellt_;
    Einstellungen geladen_;
};

}  // namespace brelvanostik
