// The main window driven as a user drives it: that each kind of control shows what the
// session says and passes on what the user does. What the session decides is tested there.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStyle>
#include <QTableView>

#include "fenstertest.h"
#include "help/adresse.h"
#include "help/infotexte.h"
#include "ui/allemonatetabelle.h"
#include "ui/balkenanzeige.h"
#include "ui/gehaltsziel.h"
#include "ui/hilfelinks.h"
#include "ui/infobereich.h"
#include "ui/internewerte.h"
#include "ui/kurvenfenster.h"
#include "ui/programminfo.h"
#include "ui/schrittvergleichfenster.h"
#include "ui/steuerschrittefenster.h"
#include "ui/taschenrechnerpanel.h"
#include "ui/zahlenformat.h"

using namespace brelvanostik;

namespace {

/// Stands in for the browser.
class Testoeffner final : public Adressoeffner {
  public:
    bool oeffnen(const QString& adresse) override {
        geoeffnet.push_back(adresse);
        return browserDa;
    }
    QStringList geoeffnet;
    bool browserDa = true;
};

const QString kSeiten = QStringLiteral("https://hilfe.test/Brelvanostik/");

}  // namespace

class HauptfensterTest : public Fenstertest {
    Q_OBJECT

    Testoeffner oeffner_;
    SteuerschritteFenster* schritte_ = nullptr;

    Infobereich* info() const { return finde<Infobereich>("infobereich"); }
    QString infotext(Seite seite, int zeile) const {
        return QString::fromStdString(sitzung().infotext(seite, zeile));
    }
    AlleMonateTabelle* tabelle() const { return finde<AlleMonateTabelle>("tabelle"); }
    InterneWerteTabelle* interne() const { return finde<InterneWerteTabelle>("internewerte"); }
    QVariant zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) const {
        const auto& m = tabelle()->modell();
        return m.data(m.index(zeile, spalte), rolle);
    }
    QColor hintergrund(int zeile, int spalte) const {
        const auto* m = interne()->model();
        return m->data(m->index(zeile, spalte), Qt::BackgroundRole).value<QBrush>().color();
    }
    Taschenrechnerpanel* panel() const { return finde<Taschenrechnerpanel>("rechner"); }
    std::int32_t gehalt(Seite seite) const {
        return betrag(seite, sitzung().monat(), zeile::Gehalt);
    }
    void befehleDerSeitenSichtbar(bool gruen, bool blau) {
        for (const char* befehl : {"befehl_0", "befehl_6", "befehl_9"})
            QCOMPARE(finde(befehl)->isVisible(), gruen);
        for (const char* befehl : {"befehl_30", "befehl_5", "befehl_10"})
            QCOMPARE(finde(befehl)->isVisible(), blau);
    }
    /// At the first display already: over the side's own half only, every row in view,
    /// every figure whole.
    void ganzImBild(Seite seite) {
        const QRect haelfte = finde(seite == Seite::Gruen ? "seite_0" : "seite_30")->geometry();
        QVERIFY(haelfte.contains(interne()->geometry()));
        const auto& m = *interne()->model();
        const int letzte = m.rowCount() - 1;
        QVERIFY(interne()->rowViewportPosition(letzte) + interne()->rowHeight(letzte) <=
                interne()->viewport()->height());
        for (int z = 0; z < m.rowCount(); ++z) {
            for (int sp = 0; sp < m.columnCount(); ++sp) {
                QFont schrift = interne()->font();
                schrift.setBold(m.data(m.index(z, sp), Qt::FontRole).value<QFont>().bold());
                const int breite = QFontMetrics(schrift).horizontalAdvance(interne()->zelle(z, sp));
                QVERIFY2(breite < interne()->columnWidth(sp), qPrintable(interne()->zelle(z, sp)));
            }
        }
    }

    /// The tax steps window over green's salary 3000 in class III.
    bool steuerschritteOeffnen() {
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        sitzung().auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, 2);
        fenster()->darstellen();
        klicken("befehl_3");
        schritte_ = fenster()->findChild<SteuerschritteFenster*>();
        return schritte_ != nullptr && QTest::qWaitForWindowExposed(schritte_);
    }
    QTableView* schrittTabelle() const { return finde<QTableView>("schritte"); }
    QString schritt(int zeile, int spalte) const {
        return schrittTabelle()->model()->index(zeile, spalte).data().toString();
    }
    void waehlen(const QString& liste, int index) {
        auto* box = finde<QComboBox>(liste);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void initTestCase() { qputenv(kHilfeadresseVariable, "https://hilfe.test/"); }
    void init() {
        oeffner_.geoeffnet.clear();
        QVERIFY(programmStarten());
        fenster()->adressoeffnerSetzen(&oeffner_);
    }
    void cleanup() { programmBeenden(); }

    // The green salary typed in March and left with Tab reaches its blue twin and both
    // results; a blue entry stays blue and is marked; the arrows and ratio toggles act on
    // their own side; the key filter lets digits and one comma through, ten at most.
    void eingabenInDieBetragsfelder() {
        klicken("monat_2");
        tippen("betrag_5", "3000");
        QTest::keyClick(finde("betrag_5"), Qt::Key_Tab);
        QCOMPARE(text("betrag_5"), QStringLiteral("3.000,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("3.000,00"));
        QCOMPARE(text("satz_22"), QStringLiteral("19,90"));
        QCOMPARE(text("gelb_5"), QStringLiteral("6.000,00   "));
        QCOMPARE(farbe("ergebnis_17", QPalette::WindowText), farben::kHellrot);
        QCOMPARE(farbe("ergebnis_26", QPalette::WindowText), farben::kSchwarz);
        QCOMPARE(text("ergebnis_26"), text("ergebnis_56"));
        QVERIFY(finde<Balkenanzeige>("balken_0")->nettoText() != QStringLiteral("Netto = 100 %"));

        tippen("betrag_35", "2500");
        QTest::keyClick(finde("betrag_35"), Qt::Key_Return);
        klicken("monat_2");  // leaves the field as well
        QCOMPARE(text("betrag_35"), QStringLiteral("2.500,00"));
        QCOMPARE(text("betrag_5"), QStringLiteral("3.000,00"));
        QCOMPARE(farbe("betrag_35", QPalette::Base), farben::kHellgelb);
        QCOMPARE(farbe("betrag_5", QPalette::Base), farben::kWeiss);
        klicken("modus");
        QCOMPARE(text("modus"), QStringLiteral("Unterschied"));
        QCOMPARE(text("gelb_5"), QStringLiteral("-500,00   "));

        klicken("auf_5");
        klicken("auf_5");
        QCOMPARE(text("betrag_5"), QStringLiteral("3.002,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("2.500,00"));
        klicken("bru_37");
        QCOMPARE(text("bru_37"), QStringLiteral("-"));
        QCOMPARE(farbe("bru_37", QPalette::Button), farben::kHellgelb);
        QCOMPARE(text("bru_7"), QStringLiteral("B"));

        tippen("betrag_7", "1,5,a.-/+ 2");
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52"));
        QTest::keyClicks(finde("betrag_7"), QStringLiteral("345678901"));
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52345678"));
        auto* feld = finde<QLineEdit>("betrag_7");
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QCOMPARE(feld->text(), QString());
        klicken("betrag_8");  // an emptied field stores 0
        QCOMPARE(text("betrag_7"), QStringLiteral("0,00"));
        QVERIFY(meldungen_.gezeigt.empty());
    }

    void statusMiniJobSperrtDieVersicherungszeilen() {
        klicken("zeile_3");
        auto* panel = finde("auswahlpanel");
        QVERIFY(panel->isVisible());
        auto* liste = finde<QListWidget>("auswahlliste");
        QCOMPARE(liste->item(0)->background().color(), farben::kHellgruen);  // the current entry

        eintragWaehlen(2);
        QVERIFY(!panel->isVisible());
        QCOMPARE(text("zeile_3"), QStringLiteral("Mini-Job bis 400 Euro"));
        for (const char* gesperrt : {"zeile_20", "zeile_51"}) {
            klicken(gesperrt);
            QVERIFY(!panel->isVisible());
        }
        // Other choice rows still open, over the blue half, in the blue side's colour.
        for (const char* blau : {"zeile_47", "zeile_49", "zeile_55"}) {
            klicken(blau);
            QVERIFY(panel->isVisible());
            QCOMPARE(liste->item(0)->background().color(), farben::kHellcyan);
            QVERIFY(panel->geometry().left() >= finde("seite_30")->geometry().left());
            QVERIFY(panel->geometry().top() <= finde(blau)->geometry().top());
            QTest::keyClick(liste, Qt::Key_Escape);
        }
    }

    // A case renamed with the right mouse button, another chosen by either name, another year.
    void fallnamenUndJahre() {
        klicken("zeile_31", Qt::RightButton);  // not a case name
        auto* panel = finde("namenspanel");
        QVERIFY(!panel->isVisible());
        klicken("zeile_30", Qt::RightButton);
        QVERIFY(panel->isVisible());
        auto* feld = finde<QLineEdit>("namensfeld");
        QCOMPARE(feld->text(), QStringLiteral("A L T E R N A T I V E   1"));
        QVERIFY(feld->hasFocus());

        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("Variante Teilzeit mit langem Namen"));
        QCOMPARE(text("namenszaehler"), QStringLiteral("34 Buchstaben von maximal 35."));
        QCOMPARE(farbe("namenszaehler", QPalette::WindowText), farben::kSchwarz);
        QTest::keyClicks(feld, QStringLiteral("!"));
        QCOMPARE(farbe("namenszaehler", QPalette::WindowText), farben::kHellrot);
        feld->setText(QStringLiteral("Variante Teilzeit"));
        QTest::keyClick(feld, Qt::Key_Return);

        QVERIFY(!panel->isVisible());
        QCOMPARE(text("zeile_30"), QStringLiteral("Variante Teilzeit"));
        QCOMPARE(text("zeile_0"), QStringLiteral("O R I G I N A L   1"));

        klicken("zeile_0");
        QCOMPARE(finde<QListWidget>("auswahlliste")->count(), 10);
        eintragWaehlen(7);  // the blue name of case 3 shows case 3
        QCOMPARE(text("zeile_0"), QStringLiteral("O R I G I N A L   3"));
        QCOMPARE(text("zeile_30"), QStringLiteral("A L T E R N A T I V E   3"));
        klicken("jahr_1");
        QCOMPARE(text("zeile_10"), QStringLiteral("Monatsgehalt JAN. 2005"));
        QVERIFY(finde<QPushButton>("jahr_1")->isChecked());
        QVERIFY(!finde<QPushButton>("jahr_3")->isChecked());
    }

    // The pension panel of each side stores its head values (green's reach the blue twin),
    // the info area shows the side's figures as they are, and both lie over its captions.
    void versorgungspanelTraegtDieBezuegeDerSeiteEin() {
        const struct {
            const char *befehl, *eingabe, *beschriftung;
            Seite seite;
            std::int64_t cent;
        } faelle[] = {{"befehl_9", "1200", "zeile_0", Seite::Gruen, 120000},
                      {"befehl_10", "900", "zeile_30", Seite::Blau, 90000}};
        auto* panel = finde("auswahlpanel");
        for (const auto& f : faelle) {
            klicken(f.befehl);
            eintragWaehlen(1);
            QVERIFY(panel->isVisible());  // stays open for the two amounts
            QStringList texte;
            for (const QLabel* l : panel->findChildren<QLabel*>()) texte << l->text();
            QVERIFY(texte.contains(QStringLiteral("erster voller Monatsbezug 2006:")));
            finde<QLineEdit>("versorgung_monatsbezug")->clear();
            tippen("versorgung_monatsbezug", QString::fromLatin1(f.eingabe));
            QTest::keyClick(finde("versorgung_monatsbezug"), Qt::Key_Return);
            QCOMPARE(text("versorgung_monatsbezug"), QString::fromLatin1(f.eingabe) + ",00");
            QCOMPARE(info()->text(), infotext(f.seite, zeile::Versorgungsbeginn));
            const QRect beschriftung = finde(f.beschriftung)->geometry();
            for (QWidget* ueber : {panel, static_cast<QWidget*>(info())}) {
                QVERIFY(ueber->geometry().left() >= beschriftung.left() - 2);
                QVERIFY(ueber->geometry().right() <= beschriftung.right() + 2);
            }
            klicken("versorgungSchliessen");
            QVERIFY(!panel->isVisible());
            const Fallkopf& blau = sitzung().arbeitsbereich().kopf(3, 5);
            QCOMPARE(blau.ErsterVollerMonatsbezug, Money::whole(f.cent));
            QCOMPARE(blau.Versorgungsbeginn, std::int16_t{1});
        }
        QCOMPARE(sitzung().arbeitsbereich().kopf(3, 0).ErsterVollerMonatsbezug,
                 Money::whole(120000));  // green keeps its own amount
    }

    void tippzeileErklaertDieKnoepfe() {
        const struct {
            const char* knopf;
            const char* tipp;
        } faelle[] = {
            {"monat_2", "Ruft die Berechnung des Monats MRZ. auf."},
            {"jahr_0", "  Ruft die entsprechende Berechnung des Jahres 2004 auf, falls vorhanden."},
            {"ab_25", "Damit kann der Betrag in 1-Euro-Schritten vermindert werden."},
        };
        for (const auto& f : faelle) QCOMPARE(tipp(finde(f.knopf)), QString::fromUtf8(f.tipp));
        for (const int nummer : {0, 30, 8, 6, 5, 3, 4, 31}) {
            auto* knopf = finde<QPushButton>(QStringLiteral("befehl_%1").arg(nummer));
            QCOMPARE(tipp(knopf), alsText(befehlstipp(static_cast<Befehl>(nummer))));
            QVERIFY(!knopf->icon().isNull());
            QVERIFY(!knopf->accessibleName().isEmpty());
        }
        QVERIFY(finde("zeile_21")->toolTip().endsWith(QStringLiteral("gleichgeschaltet.")));
    }

    void fensterSkaliertMitDerSchrift() {
        const double vorher = fenster()->font().pointSizeF();
        fenster()->resize(1900, 1040);
        QTRY_VERIFY(fenster()->font().pointSizeF() > vorher);
        // A salary row keeps its place relative to the window, and the label grows with it.
        const int breite = finde("zeile_5")->width();
        fenster()->resize(1000, 700);
        QTRY_VERIFY(finde("zeile_5")->width() < breite);
        QCOMPARE(fenster()->font().pointSizeF(), vorher);
        // Selected, "Jahresgehalt" is bold and still whole.
        klicken("monat_12");
        auto* knopf = finde<QPushButton>("monat_12");
        QVERIFY(knopf->font().bold());
        QVERIFY(QFontMetrics(knopf->font()).horizontalAdvance(knopf->text()) <
                knopf->width() - 2 * knopf->style()->pixelMetric(QStyle::PM_ButtonMargin));
    }

    // A click on a row explains it over its own side's half, in that side's colour, and the
    // topic link then opens the page its caption names; amount fields set the topic too.
    // Rows without a text (15 and the hourly line 29) leave the area as it is, the hourly
    // line the topic as well; the next edit or choice closes the area.
    void zeileErklaertSichUndNenntIhreSeite() {
        klicken("themalink");
        QCOMPARE(oeffner_.geoeffnet.value(0), kSeiten + QStringLiteral("Gehaltsberechnung.htm"));
        QVERIFY(!info()->isVisible());
        const int keine = -1;
        const struct {
            const char* geklickt;
            Seite seite;
            int zeile;
            const char *titel, *adresse;
        } faelle[] = {
            {"zeile_5", Seite::Gruen, zeile::Gehalt, "Gehaltstabellen", "Gehaltstabellen.htm"},
            {"befehl_10", Seite::Blau, zeile::Versorgungsbeginn, "Alterseinkünftegesetz",
             "Versorgungsfreibetrag.htm"},
            {"zeile_38", Seite::Blau, zeile::EinmaligerVersorgungsbezug, "Versorgungsbezüge",
             "Versorgungsbezug.htm"},
            {"betrag_3", Seite::Blau, keine, "Sozialversicherung", "Sozialversicherung.htm"},
            {"zeile_13", Seite::Gruen, zeile::Freibetrag, nullptr, nullptr},
            {"zeile_15", Seite::Gruen, zeile::Freibetrag, "Sachbezüge", "Sachbezug.htm"},
            {"zeile_29", Seite::Gruen, zeile::Freibetrag, "Sachbezüge", "Sachbezug.htm"},
        };
        const int mitte = finde("rechenflaeche")->width() / 2;
        for (const auto& f : faelle) {
            klicken(f.geklickt);
            if (f.zeile != keine) {
                QCOMPARE(info()->text(), infotext(f.seite, f.zeile));
                const bool gruen = f.seite == Seite::Gruen;
                QCOMPARE(info()->palette().color(QPalette::Window),
                         gruen ? farben::kHellgruen : farben::kHellcyan);
                QVERIFY(info()->isVisible());
                QVERIFY(gruen ? info()->geometry().right() < mitte
                              : info()->geometry().left() > mitte);
            }
            if (f.titel == nullptr) continue;
            QCOMPARE(text("themalink"), QString::fromUtf8(f.titel));
            klicken("themalink");
            QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QLatin1String(f.adresse));
        }
        QTest::keyClicks(finde("betrag_13"), QStringLiteral("5"));
        QTest::keyClick(finde("betrag_13"), Qt::Key_Return);
        QVERIFY(!info()->isVisible());
        klicken("zeile_2");
        eintragWaehlen(1);
        QVERIFY(!info()->isVisible());

        klicken("startlink");
        QCOMPARE(oeffner_.geoeffnet.back(), QStringLiteral("https://hilfe.test"));
        oeffner_.browserDa = false;  // the tip line says so
        klicken("hinweislink");
        QCOMPARE(oeffner_.geoeffnet.back(),
                 QStringLiteral("https://hilfe.test/benachrichtigung.htm"));
        QVERIFY(text("tipp").startsWith(QStringLiteral("Der Browser konnte nicht gestartet")));
    }

    void anleitungUndProgramminfoSchliessenAufKlick() {
        auto* anleitung = finde("anleitung");
        QVERIFY(anleitung->isVisible());
        klicken("anleitungstext");
        QVERIFY(!anleitung->isVisible());
        klicken("anleitunglink");
        QVERIFY(anleitung->isVisible());
        QVERIFY(finde("rechenflaeche")->rect().contains(anleitung->geometry()));
        klicken("zeile_5");
        QVERIFY(!anleitung->isVisible());

        auto* panel = finde<Programminfo>("programminfo");
        QVERIFY(!panel->isVisible());
        fenster()->programminfoZeigen();
        QVERIFY(panel->isVisible());
        QTest::mouseClick(panel->findChildren<QLabel*>().at(3), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        fenster()->programminfoZeigen();
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!panel->isVisible());
    }

    // The all-months table and the internal values show the side they were opened for, in
    // its colour; while the table shows, the other side's commands are hidden.
    void tabellenZeigenDieSeiteInIhrerFarbe() {
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        sitzung().betragEingeben(Seite::Blau, zeile::Gehalt, "1800");
        sitzung().betragEingeben(Seite::Blau, zeile::Abzug, "50");
        // A December refund of wage tax, as the annual adjustment pays it.
        sitzung().arbeitsbereich().monat(3, 0, 11).Betrag[zeile::Lohnsteuer] = 12345;
        klicken("monat_13");
        QVERIFY(tabelle()->isVisible());
        befehleDerSeitenSichtbar(true, false);
        QCOMPARE(zelle(1, 1).toString(), QStringLiteral("3.000,00"));
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);
        QCOMPARE(zelle(3, 13, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);  // sums
        QCOMPARE(zelle(3, 5, Qt::BackgroundRole).value<QColor>(), farben::kWeiss);
        QCOMPARE(zelle(7, 1, Qt::ForegroundRole).value<QColor>(), farben::kHellrot);
        QCOMPARE(zelle(7, 12).toString(), QStringLiteral("123,45"));
        QCOMPARE(zelle(7, 12, Qt::ForegroundRole).value<QColor>(), farben::kSchwarz);

        klicken("monat_14");
        befehleDerSeitenSichtbar(false, true);
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellcyan);
        QCOMPARE(zelle(17, 1).toString(), QStringLiteral("-50,00"));  // the blue twin's saving
        const struct {
            const char* aktion;
            const char* vorschlag;
            int zeilen;
        } csv[] = {{"csv_speichern", "Brelvanostik-2007-Fall-1-blau.csv", 24},
                   {"csv_beide_speichern", "Brelvanostik-2007-Fall-1-gruen-blau.csv", 49}};
        for (const auto& f : csv) {
            meldungen_.csvDatei = verzeichnis_.filePath(f.vorschlag).toStdString();
            tabelle()->findChild<QAction*>(f.aktion)->trigger();
            QCOMPARE(meldungen_.csvVorschlaege.back(), QString::fromLatin1(f.vorschlag));
            QFile datei(verzeichnis_.filePath(f.vorschlag));
            QVERIFY(datei.open(QIODevice::ReadOnly));
            QCOMPARE(datei.readAll().count("\r\n"), f.zeilen);  // one side or both
        }
        meldungen_.csvDatei = verzeichnis_.filePath("fehlt/gibt-es-nicht.csv").toStdString();
        fenster()->alleMonateAlsCsvSpeichern(false);
        QVERIFY(meldungen_.hatTitel("Als CSV speichern"));

        klicken("monat_2");
        QVERIFY(!tabelle()->isVisible());
        befehleDerSeitenSichtbar(true, true);

        klicken("befehl_6");
        QVERIFY(interne()->isVisible());
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("3.000,00 "));
        QCOMPARE(interne()->zelle(14, 2), QStringLiteral("Lohnsteuer"));
        QCOMPARE(hintergrund(14, 0), farben::kHellgruen);
        klicken("befehl_5");  // the blue values replace the green ones
        ganzImBild(Seite::Blau);
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("1.800,00 "));
        QCOMPARE(hintergrund(14, 0), farben::kHellcyan);
        klicken("monat_0");
        QVERIFY(!interne()->isVisible());

        // December with the employer's adjustment: its column beside the parts.
        sitzung().monatWaehlen(kMonate - 1);
        sitzung().auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
        fenster()->darstellen();
        klicken("befehl_6");
        QCOMPARE(interne()->zelle(13, 2), QStringLiteral("Jahresausgleich"));
        QCOMPARE(interne()->zelle(14, 4), QStringLiteral("Lohnsteuer"));
        ganzImBild(Seite::Gruen);
    }

    // Each command closes what lies over the calculation first and opens its own panel,
    // which the next click closes again (the tax steps window is walked on its own).
    void jederBefehlSchliesstDieTabelle() {
        const struct {
            int nummer;
            const char *oeffnet, *schliesst;
        } befehle[] = {{6, "internewerte", "monat_0"},  {5, "internewerte", "monat_0"},
                       {9, "auswahlpanel", "befehl_6"}, {10, "auswahlpanel", "befehl_6"},
                       {2, "rechner", "befehl_2"},      {4, "programminfo", "monat_13"},
                       {31, "befehl_1", "befehl_1"},    {3, "tabelle", "befehl_6"}};
        for (const auto& b : befehle) {
            klicken("monat_13");
            QVERIFY(tabelle()->isVisible());
            klicken(QStringLiteral("befehl_%1").arg(b.nummer));
            const QByteArray nummer = QByteArray::number(b.nummer);
            QVERIFY2(!tabelle()->isVisible(), nummer);
            QVERIFY2(b.nummer == 3 || finde(b.oeffnet)->isVisible(), nummer);
            klicken(b.schliesst);
            QVERIFY2(!finde(b.oeffnet)->isVisible(), nummer);
        }
    }

    void druckenOhneDruckerBietetPdfAn() {
        if (!ohneDrucker()) QSKIP("this machine has a default printer");
        const QString pdf = verzeichnis_.filePath(QStringLiteral("ausdruck.pdf"));
        const auto vorher = sitzung().arbeitsbereich();
        meldungen_.pdfDatei = pdf.toStdString();
        for (const char* knopf : {"befehl_0", "befehl_30", "befehl_8"}) {
            for (const char* monat : {"monat_0", "monat_12"}) {
                QFile::remove(pdf);
                klicken(monat);
                klicken(knopf);
                QVERIFY(QFile::exists(pdf));
            }
        }
        QCOMPARE(meldungen_.fragen.size(), std::size_t{6});  // once each
        QVERIFY(meldungen_.gezeigt.empty());
        QVERIFY(sitzung().arbeitsbereich() == vorher);
    }

    // The curve and the salary target read the case and store nothing until the target's
    // salary is taken over, into its own side only; a refused or unreachable wish offers none.
    void kurveUndGehaltsziel() {
        QVERIFY(sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000").angenommen);
        QVERIFY(sitzung().auswahlTreffen(Seite::Blau, zeile::Steuerklasse, 2).angenommen);
        fenster()->darstellen();
        const Arbeitsbereich vorher = sitzung().arbeitsbereich();
        Kurvenfenster* kurve = fenster()->belastungskurveOeffnen(Seite::Gruen);
        QVERIFY(kurve != nullptr && kurve->isVisible());
        QVERIFY(kurve->zwilling().seite == Seite::Blau);
        meldungen_.csvDatei = verzeichnis_.filePath("kurve.csv").toStdString();
        meldungen_.pdfDatei = verzeichnis_.filePath("kurve.pdf").toStdString();
        QCOMPARE(kurve->alsCsvSpeichern().value_or(""), meldungen_.csvDatei->string());
        QCOMPARE(kurve->alsPdfSpeichern().value_or(""), meldungen_.pdfDatei->string());
        for (const char* name : {"kurve.csv", "kurve.pdf"})
            QVERIFY(QFileInfo(verzeichnis_.filePath(name)).size() > 1000);

        Gehaltsziel* panel = fenster()->gehaltszielOeffnen(Seite::Blau);
        QVERIFY(panel != nullptr && panel->isVisible());
        panel->gewuenschtFeld()->setText(QStringLiteral("2.345,67"));
        QVERIFY(panel->berechnen());
        QVERIFY(panel->antwort() && panel->antwort()->erreicht);
        const std::int32_t gehalt = panel->antwort()->bild.gehalt;
        QCOMPARE(panel->gehaltAnzeige()->text(),
                 QStringLiteral("<b>%1</b>").arg(zahlenformat::betrag(gehalt)));
        QVERIFY(panel->uebernehmenKnopf()->isEnabled());
        QVERIFY(sitzung().arbeitsbereich() == vorher);

        QTest::mouseClick(panel->uebernehmenKnopf(), Qt::LeftButton);
        QCOMPARE(betrag(Seite::Blau, 11, zeile::Gehalt), gehalt);
        QCOMPARE(betrag(Seite::Gruen, 0, zeile::Gehalt), 300000);
        panel->gewuenschtFeld()->setText(QStringLiteral("zwei"));
        QVERIFY(!panel->berechnen());
        QVERIFY(meldungen_.hatTitel("Gehalt zur gewünschten Auszahlung"));
        panel->gewuenschtFeld()->setText(QStringLiteral("900000"));
        QVERIFY(panel->berechnen());
        QVERIFY(!panel->uebernehmenKnopf()->isEnabled());
        QVERIFY(panel->hinweisAnzeige()->text().startsWith(QStringLiteral("Kein Gehalt bis")));
    }

    // The pocket calculator hands its result into the amount field clicked next: the green
    // salary and its blue twin, a later one the blue field only, the pension amount; the memo
    // while it was filled last. A refused result and one while hidden store nothing.
    void taschenrechnerGibtErgebnisseWeiter() {
        fenster()->taschenrechnerUmschalten();
        for (const char* taste : {"rechner_1", "rechner_0", "rechner_0", "rechner_0",
                                  "rechner_geteilt", "rechner_3", "rechner_gleich"})
            klicken(taste);
        klicken("betrag_5");
        QCOMPARE(gehalt(Seite::Gruen), 33333);
        QCOMPARE(gehalt(Seite::Blau), 33333);
        klicken("rechner_verlauf");
        QCOMPARE(meldungen_.gezeigt.at(0).text, std::string("1000 / 3 = 333,333333333333"));
        QTest::keyClicks(panel(), QStringLiteral("12"));
        klicken("betrag_35");
        QCOMPARE(gehalt(Seite::Blau), 1200);
        QCOMPARE(gehalt(Seite::Gruen), 33333);

        auto* memo = finde<QLineEdit>("memo");
        QTest::keyClick(panel(), Qt::Key_Escape);  // "C"
        QTest::keyClicks(panel(), QStringLiteral("12*3="));
        klicken("memo");
        QCOMPARE(memo->text(), QStringLiteral("36,00"));
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("1250,5"));
        QTest::keyClick(memo, Qt::Key_Return);
        panel()->setFocus();
        QCOMPARE(memo->text(), QStringLiteral("1.250,50"));
        klicken("betrag_5");
        QCOMPARE(gehalt(Seite::Gruen), 125050);
        QCOMPARE(tipp(memo), alsText(kMemoTipp));
        QCOMPARE(tipp(panel()), alsText(kTaschenrechnerTipp));
        QTest::keyClicks(panel(), QStringLiteral("1500"));
        klicken("befehl_9");
        QVERIFY(panel()->isVisible());
        klicken("versorgung_monatsbezug");
        QCOMPARE(sitzung().arbeitsbereich().kopf(3, 0).ErsterVollerMonatsbezug,
                 Money::whole(150000));
        klicken("versorgungSchliessen");

        QTest::keyClick(panel(), Qt::Key_Escape);
        for (const char* taste : {"rechner_5", "rechner_vorzeichen"}) klicken(taste);
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("-5"));
        klicken("betrag_5");  // no salary a user could type
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{2});
        klicken("zeile_5");  // hides the calculator without resetting it
        QVERIFY(!panel()->isVisible());
        klicken("betrag_5");
        QTest::keyClick(finde("betrag_5"), Qt::Key_Tab);
        QCOMPARE(gehalt(Seite::Gruen), 125050);
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{2});
        fenster()->taschenrechnerUmschalten();
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("-5"));
        klicken("rechner_ende");
        QVERIFY(!panel()->isVisible());
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("0,"));
    }

    // The window shows the case as the tax steps preset it, and follows each input at once.
    void steuerschritteZeigenDenFallUndFolgenDenEingaben() {
        QVERIFY(steuerschritteOeffnen());
        QCOMPARE(finde<QComboBox>("klasse")->currentText(), QStringLiteral("III"));
        QCOMPARE(finde<QLineEdit>("feld_0")->text(), QStringLiteral("3.000,00"));
        QVERIFY(finde<QCheckBox>("svpflicht")->isChecked());
        QVERIFY(!finde<QGroupBox>("erstbezug")->isVisible());

        QCOMPARE(schritt(0, 5), QStringLiteral("36.000,08"));
        // Only the thirteen headings are shown at first.
        QVERIFY(!schrittTabelle()->isRowHidden(89));
        QVERIFY(schrittTabelle()->isRowHidden(91));

        const QString vorher = schritt(90, 5);
        waehlen(QStringLiteral("klasse"), 0);
        QVERIFY(schritt(90, 5) != vorher);

        finde<QLineEdit>("feld_0")->clear();
        tippen("feld_0", "30000");
        QTest::keyClick(finde("feld_0"), Qt::Key_Return);
        QCOMPARE(text("feld_0"), QStringLiteral("25000,00"));  // corrected, still being edited
        QCOMPARE(schritt(7, 4), QStringLiteral("300.000,08"));

        tippen("feld_2", "500");
        QTest::keyClick(finde("feld_2"), Qt::Key_Return);
        QVERIFY(finde<QGroupBox>("erstbezug")->isVisible());

        waehlen(QStringLiteral("zeitraum"), 0);
        QCOMPARE(finde<QLabel>("beschriftung_feld_0")->text(), QStringLiteral("Jahresbrutto"));
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(fenster()->close());
        QVERIFY(!schritte_->isVisible());  // it goes with the main window
    }

    // Blue in class I against green's class III: the comparison starts at the class.
    void schrittvergleichBeginntBeiDerSteuerklasse() {
        QVERIFY(steuerschritteOeffnen());
        sitzung().auswahlTreffen(Seite::Blau, zeile::Steuerklasse, 0);
        QTest::mouseClick(finde("vergleichen"), Qt::LeftButton);
        SchrittvergleichFenster* vergleich = schritte_->vergleichsfenster();
        QVERIFY(vergleich != nullptr && vergleich->isVisible());
        QTableView* liste = vergleich->tabelle();
        QCOMPARE(liste->currentIndex().row(), 13);  // line 14, STKL
        const auto stkl = [&](int spalte, int rolle = Qt::DisplayRole) {
            return liste->model()->index(13, spalte).data(rolle);
        };
        QCOMPARE(stkl(5).toString(), QStringLiteral("1 "));  // the blue twin's class
        QCOMPARE(stkl(5, Qt::BackgroundRole).value<QBrush>().color(), farben::kHellgelb);
        QVERIFY(!liste->isRowHidden(53));
        QVERIFY(liste->isRowHidden(19));
        QVERIFY(text("vergleichskopf").contains("Zeile 14"));
        const QRect kopf = liste->visualRect(liste->model()->index(18, 2));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, kopf.center());
        QVERIFY(!liste->isRowHidden(19));
        if (ohneDrucker()) {
            meldungen_.pdfDatei = verzeichnis_.filePath("liste.pdf").toStdString();
            for (QWidget* knopf : {finde("vergleich_drucken"), finde("ablaufplan")}) {
                QFile::remove(verzeichnis_.filePath("liste.pdf"));
                QTest::mouseClick(knopf, Qt::LeftButton);
                QVERIFY(QFile::exists(verzeichnis_.filePath("liste.pdf")));
            }
            QCOMPARE(meldungen_.fragen.size(), 2);
        }
        QTest::mouseClick(finde("schliessen"), Qt::LeftButton);
        QVERIFY(!schritte_->isVisible());
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_test.moc"
