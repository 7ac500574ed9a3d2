#include "ui/hauptfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

#include "help/adresse.h"
#include "help/infotexte.h"
#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "session/taschenrechner_uebergabe.h"
#include "ui/allemonatetabelle.h"
#include "ui/anleitung.h"
#include "ui/auswahlpanel.h"
#include "ui/befehlsleiste.h"
#include "ui/betragsfeld.h"
#include "ui/csvspeichern.h"
#include "ui/drucken.h"
#include "ui/ergebnisspalte.h"
#include "ui/farben.h"
#include "ui/gehaltsziel.h"
#include "ui/hilfelinks.h"
#include "ui/infobereich.h"
#include "ui/internewerte.h"
#include "ui/kurvenfenster.h"
#include "ui/meldungen.h"
#include "ui/namenspanel.h"
#include "ui/navigationsleiste.h"
#include "ui/programminfo.h"
#include "ui/seitenpanel.h"
#include "ui/steuerschrittefenster.h"
#include "ui/taschenrechnerpanel.h"
#include "ui/tippzeile.h"
#include "ui/zeilenknopf.h"
#include "workspace/auswahllisten.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

constexpr int kGelbeSpalte = raster::kSpaltenJeSeite;
constexpr int kBlaueSpalten = kGelbeSpalte + 1;

/// The size at which the window shows its base font; larger windows scale the font.
constexpr int kBezugsbreite = 1000;
constexpr int kBezugshoehe = 700;
/// Below this the rows would no longer be readable.
constexpr int kMindestbreite = 1000;
constexpr int kMindesthoehe = 680;

/// The standard window size of the settings record, in twips.
constexpr double kTwipsJeZoll = 1440.0;

double twipsJePixel(const QWidget* fenster) {
    const QScreen* schirm =
        fenster->screen() != nullptr ? fenster->screen() : QGuiApplication::primaryScreen();
    const double dpi =
        schirm != nullptr && schirm->logicalDotsPerInch() > 0 ? schirm->logicalDotsPerInch() : 96.0;
    return kTwipsJeZoll / dpi;
}

int inPixel(std::int32_t twips, double faktor) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / faktor));
}

std::int32_t inTwips(int pixel, double faktor) {
    const double twips = std::round(pixel * faktor);
    return static_cast<std::int32_t>(std::clamp(twips, -2.0e9, 2.0e9));
}

}  // namespace

Hauptfenster::Hauptfenster(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern)
    : QWidget(eltern),
      sitzung_(sitzung),
      meldungen_(meldungen),
      hilfelinks_(basisadresse()),
      desktop_(std::make_unique<Desktopoeffner>()),
      oeffner_(desktop_.get()) {
    setWindowTitle(QString::fromUtf8(kTitel));
    setObjectName(QStringLiteral("hauptfenster"));
    setMinimumSize(kMindestbreite, kMindesthoehe);
    QFont basis = font();
    basis.setPointSizeF(basisPunkte_);
    setFont(basis);
    aufbauen();
    resize(kBezugsbreite, kBezugshoehe);
    darstellen();
    anleitungZeigen();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::steuerschritteOeffnen() {
    // Created once and shown again; every opening starts from the case shown now.
    if (steuerschritte_ == nullptr) steuerschritte_ = new SteuerschritteFenster(meldungen_, this);
    steuerschritte_->vorbelegen(sitzung_);
    steuerschritte_->show();
    steuerschritte_->raise();
    steuerschritte_->activateWindow();
}

void Hauptfenster::aufbauen() {
    auto* spalte = new QVBoxLayout(this);
    spalte->setSizeConstraint(QLayout::SetNoConstraint);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->setSpacing(4);

    tipp_ = new Tippzeile(this);
    tipp_->leerflaecheAnmelden(this);

    navigation_ = new Navigationsleiste(tipp_, this);
    navigation_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    spalte->addWidget(navigation_, 13);
    connect(navigation_, &Navigationsleiste::monatGeklickt, this,
            [this](int monat) { monatGeklickt([this, monat] { sitzung_.monatWaehlen(monat); }); });
    connect(navigation_, &Navigationsleiste::jahresgehaltGeklickt, this,
            [this] { monatGeklickt([this] { sitzung_.jahresgehaltZeigen(); }); });
    connect(navigation_, &Navigationsleiste::alleMonateGeklickt, this, [this](Seite seite) {
        monatGeklickt([this, seite] { sitzung_.alleMonateZeigen(seite); });
    });
    connect(navigation_, &Navigationsleiste::jahrGeklickt, this, &Hauptfenster::jahrGeklickt);

    // Both sides and the yellow column share one grid, so that their rows line up.
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("rechenflaeche"));
    flaeche_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    tipp_->leerflaecheAnmelden(flaeche_);
    auto* raster = new QGridLayout(flaeche_);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setHorizontalSpacing(3);
    raster->setVerticalSpacing(2);
    gruen_ = new Seitenpanel(Seite::Gruen, raster, 0, flaeche_, tipp_);
    gelb_ = new Ergebnisspalte(raster, kGelbeSpalte, flaeche_, tipp_);
    blau_ = new Seitenpanel(Seite::Blau, raster, kBlaueSpalten, flaeche_, tipp_);
    // Label, amount, rate, two toggles, two arrows; then the yellow column.
    const std::array<int, raster::kSpaltenJeSeite> breiten = {32, 11, 5, 3, 3, 3, 3};
    for (int i = 0; i < raster::kSpaltenJeSeite; ++i) {
        raster->setColumnStretch(i, breiten[static_cast<std::size_t>(i)]);
        raster->setColumnStretch(kBlaueSpalten + i, breiten[static_cast<std::size_t>(i)]);
    }
    raster->setColumnStretch(kGelbeSpalte, 11);
    for (int r = 0; r <= raster::kKommentarZeile; ++r) raster->setRowStretch(r, 1);
    spalte->addWidget(flaeche_, 30 * 20);

    for (Seitenpanel* seite : {gruen_, blau_}) {
        connect(seite, &Seitenpanel::zeileGeklickt, this, &Hauptfenster::zeileGeklickt);
        connect(seite, &Seitenpanel::zeileRechtsGeklickt, this, &Hauptfenster::zeileRechtsGeklickt);
        connect(seite, &Seitenpanel::betragAuswerten, this, &Hauptfenster::betragAuswerten);
        connect(seite, &Seitenpanel::betragGeklickt, this, [this, seite](Seite s, int zeile) {
            betragGeklickt(s, zeile, seite->feld(zeile));
        });
        connect(seite, &Seitenpanel::gesperrtBedient, this, &Hauptfenster::jahresmodusMelden);
        connect(seite, &Seitenpanel::tagesquoteGeklickt, this, [this](Seite s, int zeile) {
            zeilenaktion(&Sitzung::tagesquoteUmschalten, s, zeile);
        });
        connect(seite, &Seitenpanel::stundenquoteGeklickt, this, [this](Seite s, int zeile) {
            zeilenaktion(&Sitzung::stundenquoteUmschalten, s, zeile);
        });
        connect(seite, &Seitenpanel::pfeilAufGeklickt, this,
                [this](Seite s, int zeile) { zeilenaktion(&Sitzung::pfeilAuf, s, zeile); });
        connect(seite, &Seitenpanel::pfeilAbGeklickt, this,
                [this](Seite s, int zeile) { zeilenaktion(&Sitzung::pfeilAb, s, zeile); });
        connect(seite, &Seitenpanel::kommentarGeaendert, this,
                [this](Seite s, const QString& text) {
                    sitzung_.kommentarSetzen(s, text.toStdString());
                });
    }
    connect(gelb_, &Ergebnisspalte::modusGeklickt, this, [this] {
        ueberlagerungenSchliessen();
        sitzung_.modusUmschalten();
        darstellen();
    });

    auswahl_ = new Auswahlpanel(flaeche_);
    connect(auswahl_, &Auswahlpanel::eintragGewaehlt, this, &Hauptfenster::eintragGewaehlt);
    connect(auswahl_, &Auswahlpanel::freiGeklickt, this, &Hauptfenster::auswahlFreiGeklickt);
    connect(auswahl_, &Auswahlpanel::versorgungsbetragAuswerten, this,
            [this](Seite s, Versorgungsfeld feld, const QString& text) {
                const Rueckmeldung r = sitzung_.betragEingeben(s, feld, text.toStdString());
                darstellen();
                melden(r);
            });
    connect(auswahl_, &Auswahlpanel::versorgungsbetragGeklickt, this,
            [this](Seite s, Versorgungsfeld feld) { versorgungGeklickt(s, feld); });
    namen_ = new Namenspanel(flaeche_);
    taschenrechnerpanel_ = new Taschenrechnerpanel(taschenrechner_, meldungen_, tipp_, flaeche_);
    taschenrechnerpanel_->hide();
    connect(namen_, &Namenspanel::umbenannt, this, [this](Seite s, const QString& name) {
        sitzung_.umbenennen(s, name.toStdString());
        darstellen();
    });

    tabelle_ = new AlleMonateTabelle(flaeche_);
    connect(tabelle_, &AlleMonateTabelle::csvSpeichernVerlangt, this,
            &Hauptfenster::alleMonateAlsCsvSpeichern);
    interne_ = new InterneWerteTabelle(flaeche_);

    // Foot: the command buttons around the tip line.
    befehle_ = new Befehlsleiste(tipp_, this);
    befehle_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    versorgungBlau_ = befehle_->knopf(Befehl::VersorgungBlau);
    connect(befehle_, &Befehlsleiste::befehlBeginnt, this,
            &Hauptfenster::ueberlagerungenSchliessen);
    connect(befehle_, &Befehlsleiste::druckenGeklickt, this, &Hauptfenster::drucken);
    connect(befehle_, &Befehlsleiste::beideDruckenGeklickt, this, &Hauptfenster::beideDrucken);
    connect(befehle_, &Befehlsleiste::interneWerteGeklickt, this,
            &Hauptfenster::interneWerteZeigen);
    connect(befehle_, &Befehlsleiste::versorgungGeklickt, this, &Hauptfenster::versorgungOeffnen);
    connect(befehle_, &Befehlsleiste::taschenrechnerGeklickt, this,
            &Hauptfenster::taschenrechnerUmschalten);
    connect(befehle_, &Befehlsleiste::programminfoGeklickt, this,
            &Hauptfenster::programminfoZeigen);
    connect(befehle_, &Befehlsleiste::steuerschritteGeklickt, this,
            &Hauptfenster::steuerschritteOeffnen);
    connect(befehle_, &Befehlsleiste::standardgroesseGeklickt, this,
            &Hauptfenster::standardgroesse);
    connect(befehle_, &Befehlsleiste::bildschirmgroesseGeklickt, this,
            &Hauptfenster::bildschirmgroesse);
    hilfeAufbauen(spalte);
    spalte->addWidget(befehle_, 2 * 20);
}

void Hauptfenster::hilfeAufbauen(QVBoxLayout* spalte) {
    // The info area lies over the calculation area and is emptied by pointer movement over
    // the bare window and over the sides' panels.
    info_ = new Infobereich(flaeche_);
    info_->leerflaecheAnmelden(this);
    info_->leerflaecheAnmelden(flaeche_);
    for (const char* name : {"seite_0", "seite_30"}) {
        if (auto* panel = flaeche_->findChild<QWidget*>(QString::fromLatin1(name)))
            info_->leerflaecheAnmelden(panel);
    }
    // A click into an amount field records the field as the row the help is about.
    for (Seitenpanel* seite : {gruen_, blau_}) {
        for (int zeile = 0; zeile < kZeilen; ++zeile) {
            if (Betragsfeld* feld = seite->feld(zeile))
                beiKlick(feld, [this, zeile] { themaMerken(zeile); });
        }
    }
    programminfo_ = new Programminfo(this);

    // The link line: the help page of the current row, the maker's home page, news.
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(4);
    auto* themaPanel = new QFrame(this);
    themaPanel->setObjectName(QStringLiteral("themapanel"));
    themaPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    themaPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* themaZeile = new QHBoxLayout(themaPanel);
    themaZeile->setContentsMargins(2, 1, 2, 1);
    auto* themaText = new QLabel(QStringLiteral("Hilfe im Internet:"), themaPanel);
    themaText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    themaLink_ = new Linkfeld({}, linkfarben::kMagenta, true, themaPanel);
    themaLink_->setObjectName(QStringLiteral("themalink"));
    anleitungLink_ = new Linkfeld(QStringLiteral("Anleitung"), linkfarben::kRot, false, themaPanel);
    anleitungLink_->setObjectName(QStringLiteral("anleitunglink"));
    connect(anleitungLink_, &Linkfeld::geklickt, this, &Hauptfenster::anleitungZeigen);
    themaZeile->addWidget(anleitungLink_, 1);
    themaZeile->addWidget(themaText, 1);
    themaZeile->addWidget(themaLink_, 3);  // the link takes three quarters of its panel
    themaMerken(0);
    anleitung_ = new Anleitung(flaeche_);
    connect(anleitung_, &Anleitung::geklickt, this, &Hauptfenster::ueberlagerungenSchliessen);
    startLink_ =
        new Linkfeld(QString::fromStdString(hilfelinks_.basis()), linkfarben::kRot, false, this);
    startLink_->setObjectName(QStringLiteral("startlink"));
    hinweisLink_ = new Linkfeld(QStringLiteral("Benachrichtigung über neue Versionen"),
                                linkfarben::kRot, false, this);
    hinweisLink_->setObjectName(QStringLiteral("hinweislink"));
    connect(themaLink_, &Linkfeld::geklickt, this, &Hauptfenster::hilfethemaOeffnen);
    connect(startLink_, &Linkfeld::geklickt, this, &Hauptfenster::startseiteOeffnen);
    connect(hinweisLink_, &Linkfeld::geklickt, this, &Hauptfenster::benachrichtigungOeffnen);
    zeile->addWidget(themaPanel, 50);
    zeile->addWidget(startLink_, 25);
    zeile->addWidget(hinweisLink_, 25);
    spalte->addLayout(zeile, 20);
}

void Hauptfenster::adressoeffnerSetzen(Adressoeffner* oeffner) {
    oeffner_ = oeffner != nullptr ? oeffner : desktop_.get();
}

void Hauptfenster::themaMerken(int zeile) {
    hilfelinks_.zeileMerken(zeile);
    const std::string_view titel = hilfelinks_.thema().titel;
    const QString text = QString::fromUtf8(titel.data(), static_cast<qsizetype>(titel.size()));
    if (themaLink_->text() != text) themaLink_->setText(text);
}

void Hauptfenster::adresseOeffnen(const std::string& adresse) {
    if (!oeffner_->oeffnen(QString::fromStdString(adresse)))
        tipp_->setText(QString::fromStdString(browserFehlerText(adresse)));
}

void Hauptfenster::hilfethemaOeffnen() {
    adresseOeffnen(hilfelinks_.themaOeffnen());
}

void Hauptfenster::startseiteOeffnen() {
    adresseOeffnen(hilfelinks_.startseite());
}

void Hauptfenster::benachrichtigungOeffnen() {
    adresseOeffnen(hilfelinks_.benachrichtigung());
}

void Hauptfenster::anleitungZeigen() {
    ueberlagerungenSchliessen();
    anleitung_->zeigen(flaeche_->rect());
}

void Hauptfenster::programminfoZeigen() {
    ueberlagerungenSchliessen();
    programminfo_->zeigen();
}

QRect Hauptfenster::seitenflaeche(Seite seite) const {
    const int versatz = (seite == Seite::Gruen ? gruen_ : blau_)->versatz();
    const QWidget* hintergrund =
        flaeche_->findChild<QWidget*>(QStringLiteral("seite_%1").arg(versatz));
    return hintergrund != nullptr ? hintergrund->geometry() : flaeche_->rect();
}

QRect Hauptfenster::infoflaeche(Seite seite, int zeile) const {
    // Over the side's half that does not hold the clicked row, so the row stays in view.
    const Seitenpanel* panel = seite == Seite::Gruen ? gruen_ : blau_;
    const QRect ganz = seitenflaeche(seite);
    constexpr int kTrennzeile = zeile::ZusaetzlichSteuerpflichtig;
    const Zeilenknopf* trenn = panel->knopf(kTrennzeile);
    const int mitte = trenn != nullptr ? trenn->geometry().top() - 1 : ganz.center().y();
    const bool unten = zeile < kTrennzeile;
    return unten ? QRect(QPoint(ganz.left(), mitte), ganz.bottomRight())
                 : QRect(ganz.topLeft(), QPoint(ganz.right(), mitte));
}

void Hauptfenster::zeileErklaeren(Seite seite, int zeile) {
    const std::string text = sitzung_.infotext(seite, zeile);
    if (text.empty()) return;  // the area keeps what it shows
    if (zeile == zeile::Versorgungsbeginn) {
        // Beside the pension panel over the side's captions: the figures stay in view.
        const QRect spalte = beschriftungsspalte(seite);
        const int oben = auswahl_->isVisible() ? auswahl_->geometry().bottom() + 2 : spalte.top();
        const QRect flaeche(spalte.left(), oben, spalte.width(), spalte.bottom() - oben);
        info_->zeigen(seite, QString::fromStdString(text), flaeche, flaeche);
        return;
    }
    info_->zeigen(seite, QString::fromStdString(text), infoflaeche(seite, zeile),
                  seitenflaeche(seite));
}

QRect Hauptfenster::beschriftungsspalte(Seite seite) const {
    const Seitenpanel* panel = seite == Seite::Gruen ? gruen_ : blau_;
    const QRect ganz = seitenflaeche(seite);
    const Zeilenknopf* knopf = panel->knopf(zeile::Fall);
    const int rechts = knopf != nullptr ? knopf->geometry().right() : ganz.center().x();
    return QRect(QPoint(ganz.left(), ganz.top()), QPoint(rechts, ganz.bottom()));
}

void Hauptfenster::darstellen() {
    const bool jahresmodus = sitzung_.jahresmodus();
    const QString periode = QString::fromStdString(sitzung_.periodentext());
    const Seitenanzeige gruen = sitzung_.anzeige(Seite::Gruen);
    const Seitenanzeige blau = sitzung_.anzeige(Seite::Blau);
    gruen_->darstellen(gruen, periode, jahresmodus);
    blau_->darstellen(blau, periode, jahresmodus);
    gelb_->darstellen(sitzung_.gelbeSpalte(), jahresmodus);
    navigation_->darstellen(sitzung_);
    farben::setzen(versorgungBlau_, QPalette::Button,
                   blau.versorgungAbweichend ? farben::kHellgelb : farben::kHellcyan);
    if (auswahl_->isVisible() && auswahl_->fuerVersorgung()) {
        const Seitenanzeige& a = auswahl_->seite() == Seite::Gruen ? gruen : blau;
        auswahl_->versorgungZeigen(a.versorgungsbeginn, a.ersterVollerMonatsbezug,
                                   a.versorgungsSonderzahlung);
        // Its text names the side's pension figures as they are now.
        if (info_->isVisible()) zeileErklaeren(auswahl_->seite(), zeile::Versorgungsbeginn);
    }
    emit dargestellt();
}

void Hauptfenster::melden(const Rueckmeldung& rueckmeldung) {
    for (const Meldung& meldung : rueckmeldung.meldungen) meldungen_.zeigen(meldung);
}

void Hauptfenster::jahresmodusMelden() {
    meldungen_.zeigen(Meldung{std::string(kJahresmodusTitel), std::string(kJahresmodusText),
                              Meldung::Symbol::Ausrufezeichen});
}

void Hauptfenster::ueberlagerungenSchliessen() {
    auswahl_->hide();
    namen_->hide();
    tabelle_->hide();
    befehle_->alleMonateZeigen(std::nullopt);
    interne_->hide();
    programminfo_->hide();
    anleitung_->hide();
    info_->leeren();
}

void Hauptfenster::alleMonateAlsCsvSpeichern(bool beide) {
    brelvanostik::alleMonateAlsCsvSpeichern(sitzung_, beide, meldungen_);
}

void Hauptfenster::alleMonateZeigen() {
    const std::optional<Seite> seite = sitzung_.alleMonateSeite();
    if (!seite) return;
    tabelle_->zeigen(sitzung_, *seite);
    befehle_->alleMonateZeigen(seite);
}

// The print buttons of a side: the month report, or the year as a table in annual mode.
void Hauptfenster::drucken(Seite seite) {
    const druck::Dokument dokument =
        sitzung_.jahresmodus()
            ? druck::berichtTabelle(
                  sitzung_, seite,
                  QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString(),
                  hilfelinks_.basis())
            : druck::berichtEinzeln(sitzung_, seite, hilfelinks_.basis());
    druckenOderPdfAnbieten(dokument, meldungen_);
}

void Hauptfenster::beideDrucken() {
    druckenOderPdfAnbieten(druck::berichtBeide(sitzung_, hilfelinks_.basis()), meldungen_);
}

void Hauptfenster::interneWerteZeigen(Seite seite) {
    // Over the side's own half: the yellow column and the other side stay in view.
    interne_->zeigen(sitzung_, seite, seitenflaeche(seite));
}

QRect Hauptfenster::rechteckDerZeile(Seite seite, int zeile) const {
    const Seitenpanel* panel = seite == Seite::Gruen ? gruen_ : blau_;
    const Zeilenknopf* knopf = panel->knopf(zeile);
    return knopf != nullptr ? knopf->geometry() : QRect(0, 0, flaeche_->width() / 4, 20);
}

void Hauptfenster::zeileGeklickt(Seite seite, int zeile) {
    taschenrechnerpanel_->hide();
    auswahl_->hide();
    if (sitzung_.jahresmodus()) {
        jahresmodusMelden();
        return;
    }
    tabelle_->hide();
    interne_->hide();
    anleitung_->hide();
    themaMerken(zeile);
    zeileErklaeren(seite, zeile);
    // Rows without a list, and the insurance rows while the status excludes insurance,
    // open nothing.
    if (!sitzung_.auswahlMoeglich(seite, zeile)) return;
    const std::vector<std::string> eintraege =
        auswahlliste(zeile, sitzung_.arbeitsbereich(), sitzung_.jahr());
    if (eintraege.empty()) return;
    const int berechnung = sitzung_.berechnung(seite);
    const int aktuell = zeile == zeile::Fall ? berechnung
                                             : sitzung_.arbeitsbereich()
                                                   .monat(sitzung_.jahr() - kErstesJahr, berechnung,
                                                          sitzung_.monat())
                                                   .Auswahl[static_cast<std::size_t>(zeile)];
    auswahl_->oeffnen(seite, zeile, eintraege, aktuell, rechteckDerZeile(seite, zeile),
                      seitenflaeche(seite));
}

void Hauptfenster::zeileRechtsGeklickt(Seite seite, int zeile) {
    if (zeile == zeile::Auszahlung) {
        QMenu menue(this);
        menue.addAction(QStringLiteral("Gehalt zur gewünschten Auszahlung …"), this,
                        [this, seite] { gehaltszielOeffnen(seite); });
        menue.addAction(QStringLiteral("Belastungskurve …"), this,
                        [this, seite] { belastungskurveOeffnen(seite); });
        menue.exec(QCursor::pos());
        return;
    }
    if (zeile != zeile::Fall) return;  // only the case name is renamed
    ueberlagerungenSchliessen();
    const Zeilenknopf* knopf = (seite == Seite::Gruen ? gruen_ : blau_)->knopf(0);
    namen_->oeffnen(seite, knopf->text(), rechteckDerZeile(seite, 0));
}

Gehaltsziel* Hauptfenster::gehaltszielOeffnen(Seite seite) {
    if (sitzung_.jahresmodus()) {
        jahresmodusMelden();
        return nullptr;
    }
    if (gehaltsziel_ == nullptr) {
        gehaltsziel_ = new Gehaltsziel(sitzung_, meldungen_, this);
        connect(gehaltsziel_, &Gehaltsziel::gespeichert, this, [this](const Rueckmeldung& r) {
            darstellen();
            melden(r);
        });
    }
    gehaltsziel_->oeffnen(seite);
    return gehaltsziel_;
}

Kurvenfenster* Hauptfenster::belastungskurveOeffnen(Seite seite) {
    if (sitzung_.jahresmodus()) {
        jahresmodusMelden();
        return nullptr;
    }
    if (kurvenfenster_ == nullptr) kurvenfenster_ = new Kurvenfenster(sitzung_, meldungen_, this);
    kurvenfenster_->oeffnen(seite);
    return kurvenfenster_;
}

void Hauptfenster::eintragGewaehlt(Seite seite, int zeile, int code) {
    Rueckmeldung r;
    if (zeile == zeile::Versorgungsbeginn) {
        r = sitzung_.auswahlTreffen(seite, zeile, code);  // the panel stays open for the amounts
    } else {
        auswahl_->hide();
        info_->leeren();  // the results the choice changes come into view
        // Row 0 lists green and blue names; either name of a pair shows that case.
        r = zeile == zeile::Fall ? sitzung_.fallWaehlen(code % kFaelle)
                                 : sitzung_.auswahlTreffen(seite, zeile, code);
    }
    darstellen();
    melden(r);
}

void Hauptfenster::auswahlFreiGeklickt() {
    const bool versorgung = auswahl_->fuerVersorgung();
    auswahl_->hide();
    if (!versorgung) return;
    const Rueckmeldung r = sitzung_.berechnungAusloesen();
    darstellen();
    melden(r);
}

void Hauptfenster::betragAuswerten(Seite seite, int zeile, const QString& text) {
    if (sitzung_.jahresmodus()) return;  // the year's totals take no input
    info_->leeren();                     // the results the entry changes come into view
    const Rueckmeldung r = sitzung_.betragEingeben(seite, zeile, text.toStdString());
    darstellen();
    melden(r);
}

bool Hauptfenster::taschenrechnerUebergeben(
    Betragsfeld* feld, int zeile, const std::function<Rueckmeldung(std::string_view)>& eingeben) {
    // Only while the calculator is shown does a click hand its amount over.
    if (!taschenrechnerpanel_->isVisible()) return false;
    if (sitzung_.jahresmodus()) {
        jahresmodusMelden();
        return true;
    }
    const std::string text = taschenrechner_.uebergabetext();
    if (feld != nullptr) feld->setText(QString::fromStdString(text));
    const Uebergabe uebergabe = taschenrechnerUebergabe(text, zeile);
    if (!uebergabe.feldtext) {
        darstellen();  // the field shows its stored amount again
        meldungen_.zeigen(*uebergabe.meldung);
        return true;
    }
    // From here on exactly as a typed entry that leaves the field.
    const Rueckmeldung r = eingeben(*uebergabe.feldtext);
    darstellen();
    melden(r);
    return true;
}

void Hauptfenster::betragGeklickt(Seite seite, int zeile, Betragsfeld* feld) {
    taschenrechnerUebergeben(feld, zeile, [this, seite, zeile](std::string_view text) {
        return sitzung_.betragEingeben(seite, zeile, text);
    });
}

void Hauptfenster::versorgungGeklickt(Seite seite, Versorgungsfeld art) {
    // The pension amounts belong to the pension inputs' row; like every amount they are
    // never negative.
    taschenrechnerUebergeben(nullptr, zeile::Versorgungsbeginn,
                             [this, seite, art](std::string_view text) {
                                 return sitzung_.betragEingeben(seite, art, text);
                             });
}

void Hauptfenster::taschenrechnerUmschalten() {
    if (taschenrechnerpanel_->isVisible()) {
        taschenrechnerpanel_->hide();
        return;
    }
    taschenrechnerPlatzieren();
    taschenrechnerpanel_->show();
    taschenrechnerpanel_->raise();
    taschenrechnerpanel_->setFocus(Qt::OtherFocusReason);
}

void Hauptfenster::taschenrechnerPlatzieren() {
    // Over the yellow column in the lower half, where it hides no amount field.
    const int breite = std::max(150, flaeche_->width() * 22 / 100);
    const int hoehe = std::max(130, flaeche_->height() * 32 / 100);
    taschenrechnerpanel_->setGeometry((flaeche_->width() - breite) / 2, flaeche_->height() - hoehe,
                                      breite, hoehe);
}

void Hauptfenster::versorgungOeffnen(Seite seite) {
    ueberlagerungenSchliessen();
    themaMerken(zeile::Versorgungsbeginn);
    const Seitenanzeige a = sitzung_.anzeige(seite);
    // The panel lies over the side's captions from the top, its text below it: every
    // amount, and the results a pension entry changes, stay in view.
    const QRect spalte = beschriftungsspalte(seite);
    auswahl_->oeffnen(seite, zeile::Versorgungsbeginn, versorgungsbeginnliste(),
                      a.versorgungsbeginn, spalte, spalte);
    auswahl_->versorgungZeigen(a.versorgungsbeginn, a.ersterVollerMonatsbezug,
                               a.versorgungsSonderzahlung);
    zeileErklaeren(seite, zeile::Versorgungsbeginn);
}

void Hauptfenster::monatGeklickt(const std::function<void()>& waehlen) {
    ueberlagerungenSchliessen();
    waehlen();
    darstellen();
    alleMonateZeigen();
}

void Hauptfenster::jahrGeklickt(int knopf) {
    ueberlagerungenSchliessen();
    sitzung_.jahresknopfKlicken(knopf);
    darstellen();
    alleMonateZeigen();
}

void Hauptfenster::standardgroesse() {
    ueberlagerungenSchliessen();
    showNormal();
    const double faktor = twipsJePixel(this);
    resize(std::max(minimumWidth(), inPixel(kStandardBreiteTwips, faktor)),
           std::max(minimumHeight(), inPixel(kStandardHoeheTwips, faktor)));
    befehle_->groesseZeigen(false);
}

void Hauptfenster::bildschirmgroesse() {
    ueberlagerungenSchliessen();
    showMaximized();
    befehle_->groesseZeigen(true);
}

void Hauptfenster::geometrieHerstellen(const Einstellungen& einstellungen) {
    geladen_ = einstellungen;
    const double faktor = twipsJePixel(this);
    QRect ziel(inPixel(einstellungen.Links, faktor), inPixel(einstellungen.Oben, faktor),
               inPixel(einstellungen.Breite, faktor), inPixel(einstellungen.Hoehe, faktor));
    const QScreen* schirm = QGuiApplication::screenAt(ziel.center());
    if (schirm == nullptr) schirm = QGuiApplication::primaryScreen();
    const QRect verfuegbar =
        schirm != nullptr ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
    // A window stored at the size of the whole screen was maximised.
    const bool maximiert =
        ziel.width() >= verfuegbar.width() && ziel.height() >= verfuegbar.height();
    ziel.setWidth(
        std::clamp(ziel.width(), minimumWidth(), std::max(minimumWidth(), verfuegbar.width())));
    ziel.setHeight(
        std::clamp(ziel.height(), minimumHeight(), std::max(minimumHeight(), verfuegbar.height())));
    if (!verfuegbar.intersects(ziel) || !verfuegbar.contains(ziel.topLeft())) {
        ziel.moveCenter(verfuegbar.center());
        ziel.moveTopLeft(QPoint(std::max(verfuegbar.left(), ziel.left()),
                                std::max(verfuegbar.top(), ziel.top())));
    }
    move(ziel.topLeft());
    resize(ziel.size());
    hergestellt_ = QRect(pos(), size());
    const bool standard = einstellungen.Hoehe == kStandardHoeheTwips;
    befehle_->groesseZeigen(!standard);
    if (maximiert) setWindowState(windowState() | Qt::WindowMaximized);
}

void Hauptfenster::geometrieMerken() {
    if (!isMaximized() && QRect(pos(), size()) == hergestellt_) {
        // Unmoved and unchanged: the record keeps its own values, without rounding drift.
        sitzung_.fensterMerken(geladen_.Oben, geladen_.Links, geladen_.Hoehe, geladen_.Breite);
        return;
    }
    const double faktor = twipsJePixel(this);
    const QRect rahmen = isMaximized() ? frameGeometry() : QRect(pos(), size());
    sitzung_.fensterMerken(inTwips(rahmen.top(), faktor), inTwips(rahmen.left(), faktor),
                           inTwips(rahmen.height(), faktor), inTwips(rahmen.width(), faktor));
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    // What the user was still typing belongs to the work that is saved.
    if (auto* feld = qobject_cast<Betragsfeld*>(QApplication::focusWidget()))
        feld->offeneEingabeAuswerten();
    geometrieMerken();
    if (schliessenPruefen_ && !schliessenPruefen_()) {
        ereignis->ignore();
        return;
    }
    // The tax steps window belongs to this one; left open it would keep the program running.
    if (steuerschritte_ != nullptr) steuerschritte_->close();
    if (gehaltsziel_ != nullptr) gehaltsziel_->close();
    if (kurvenfenster_ != nullptr) kurvenfenster_->close();
    ereignis->accept();
}

void Hauptfenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    if (info_ != nullptr) info_->leeren();  // it was placed for the old size
    schriftSkalieren();
    if (taschenrechnerpanel_ != nullptr && taschenrechnerpanel_->isVisible())
        taschenrechnerPlatzieren();
}

void Hauptfenster::schriftSkalieren() {
    // Like the rows, the font grows with the window, so that a maximised window on a large
    // screen is as readable as the standard one.
    const double faktor = std::min(static_cast<double>(width()) / kBezugsbreite,
                                   static_cast<double>(height()) / kBezugshoehe);
    const double punkte = std::clamp(basisPunkte_ * faktor, basisPunkte_, basisPunkte_ * 2.0);
    const double gerundet = std::round(punkte * 2.0) / 2.0;
    if (std::abs(font().pointSizeF() - gerundet) < 0.25) return;
    QFont schrift = font();
    schrift.setPointSizeF(gerundet);
    setFont(schrift);
}

// A toggle or an arrow of a row: close what is open, let the session act, redraw, tell.
void Hauptfenster::zeilenaktion(Rueckmeldung (Sitzung::*aktion)(Seite, int), Seite s, int zeile) {
    ueberlagerungenSchliessen();
    const Rueckmeldung r = (sitzung_.*aktion)(s, zeile);
    darstellen();
    melden(r);
}

}  // namespace brelvanostik
