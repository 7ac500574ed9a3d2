// The help of the main window as a user meets it: the row's text in the info area over its
// side, the topic link into the help pages (opened by a stand-in for the browser), the
// program information panel. What the texts say is tested with the core.
#include "ui/infobereich.h"
#include "fenstertest.h"
#include "help/adresse.h"
#include "ui/hilfelinks.h"
#include "ui/programminfo.h"

using namespace brelvanostik;

namespace {

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

class InfobereichTest : public Fenstertest {
    Q_OBJECT

    Testoeffner oeffner_;

    Infobereich* info() const { return finde<Infobereich>("infobereich"); }
    void zeileKlicken(int index) { klicken(QStringLiteral("zeile_%1").arg(index)); }
    QString infotext(Seite seite, int zeile) const {
        return QString::fromStdString(sitzung().infotext(seite, zeile));
    }

  private slots:
    void initTestCase() { qputenv(kHilfeadresseVariable, "https://hilfe.test/"); }

    void init() {
        oeffner_.geoeffnet.clear();
        QVERIFY(programmStarten());
        fenster()->adressoeffnerSetzen(&oeffner_);
    }
    void cleanup() { programmBeenden(); }

    // Row 5 and row 35 explain the same on their own side, in their side's colour; each
    // click replaces the text.
    void zeileErklaertSichAufIhrerSeite() {
        QVERIFY(!info()->isVisible());
        zeileKlicken(5);
        QVERIFY(info()->isVisible());
        QCOMPARE(info()->text(), infotext(Seite::Gruen, zeile::Gehalt));
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellgruen);
        const int mitte = finde("rechenflaeche")->width() / 2;
        QVERIFY(info()->geometry().right() < mitte);

        zeileKlicken(35);
        QCOMPARE(info()->text(), infotext(Seite::Blau, zeile::Gehalt));
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellcyan);
        QVERIFY(info()->geometry().left() > mitte);

        zeileKlicken(17);
        QCOMPARE(info()->text(), infotext(Seite::Gruen, zeile::Steuerklasse));
        // Rows without a text (15 and the hourly line) leave the area as it is.
        zeileKlicken(15);
        zeileKlicken(29);
        QCOMPARE(info()->text(), infotext(Seite::Gruen, zeile::Steuerklasse));
    }

    // The topic link opens the page of the row or field last clicked.
    void themaOeffnetDieSeiteDerZeile() {
        klicken("themalink");
        QCOMPARE(oeffner_.geoeffnet.value(0), kSeiten + QStringLiteral("Gehaltsberechnung.htm"));
        // The pension inputs explain row 27.
        klicken("befehl_10");
        QCOMPARE(info()->text(), infotext(Seite::Blau, zeile::Versorgungsbeginn));
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellcyan);
        QCOMPARE(text("themalink"), QStringLiteral("Alterseinkünftegesetz"));
        klicken("themalink");
        QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QStringLiteral("Versorgungsfreibetrag.htm"));
        QTest::keyClick(finde("auswahlliste"), Qt::Key_Escape);

        // The caption always names the page the link opens: a row or amount field of either
        // side and a row without a text (15) set the topic; the hourly line (29) keeps it.
        const struct {
            const char* geklickt;
            const char* titel;
            const char* seite;
        } weitere[] = {
            {"zeile_38", "Versorgungsbezüge", "Versorgungsbezug.htm"},
            {"betrag_3", "Sozialversicherung", "Sozialversicherung.htm"},
            {"zeile_15", "Sachbezüge", "Sachbezug.htm"},
            {"zeile_29", "Sachbezüge", "Sachbezug.htm"},
            {"betrag_35", "Gehaltstabellen", "Gehaltstabellen.htm"},
        };
        for (const auto& w : weitere) {
            klicken(w.geklickt);
            QCOMPARE(text("themalink"), QString::fromUtf8(w.titel));
            klicken("themalink");
            QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QLatin1String(w.seite));
        }

        klicken("startlink");
        QCOMPARE(oeffner_.geoeffnet.back(), QStringLiteral("https://hilfe.test"));
        // Without a browser the tip line says so.
        oeffner_.browserDa = false;
        klicken("hinweislink");
        QCOMPARE(oeffner_.geoeffnet.back(),
                 QStringLiteral("https://hilfe.test/benachrichtigung.htm"));
        QVERIFY(text("tipp").startsWith(QStringLiteral("Der Browser konnte nicht gestartet")));
    }

    // The pension text shows the side's figures as they are: after an entry, and the blue
    // side's own amount on the blue panel. Panel and text lie over the side's captions.
    void versorgungstextZeigtDieWerteDerSeite() {
        klicken("befehl_9");
        tippen("versorgung_monatsbezug", "1200");
        QTest::keyClick(finde("versorgung_monatsbezug"), Qt::Key_Return);
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 1.200,00")));
        klicken("befehl_10");
        klicken("versorgung_monatsbezug");
        finde<QLineEdit>("versorgung_monatsbezug")->selectAll();
        QTest::keyClicks(finde("versorgung_monatsbezug"), QStringLiteral("900"));
        QTest::keyClick(finde("versorgung_monatsbezug"), Qt::Key_Return);
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 900,00")));
        const QRect beschriftung = finde("zeile_30")->geometry();
        for (QWidget* ueber : {finde("auswahlpanel"), static_cast<QWidget*>(info())}) {
            QVERIFY(ueber->geometry().left() >= beschriftung.left() - 2);
            QVERIFY(ueber->geometry().right() <= beschriftung.right() + 2);
        }
        klicken("versorgungSchliessen");
        klicken("befehl_9");
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 1.200,00")));
    }

    // The next edit closes an info text, so the results it changes come into view; a blue
    // choice list stays over the blue half.
    void bearbeitungSchliesstDenText() {
        zeileKlicken(2);
        QVERIFY(info()->isVisible());
        eintragWaehlen(1);
        QVERIFY(!info()->isVisible());
        zeileKlicken(13);
        QVERIFY(info()->isVisible());
        QTest::keyClicks(finde("betrag_13"), QStringLiteral("5"));
        QTest::keyClick(finde("betrag_13"), Qt::Key_Return);
        QVERIFY(!info()->isVisible());
        const int blauLinks = finde("seite_30")->geometry().left();
        for (const int zeile : {47, 49, 53, 55}) {
            zeileKlicken(zeile);
            QVERIFY(finde("auswahlpanel")->geometry().left() >= blauLinks);
        }
    }

    // The instruction panel lies over the calculation at the start; a click on its text
    // hides it, the link shows it again, a row's caption hides it.
    void anleitungSchliesstAufKlick() {
        auto* anleitung = finde("anleitung");
        QVERIFY(anleitung->isVisible());
        klicken("anleitungstext");
        QVERIFY(!anleitung->isVisible());
        klicken("anleitunglink");
        QVERIFY(anleitung->isVisible());
        QVERIFY(finde("rechenflaeche")->rect().contains(anleitung->geometry()));
        zeileKlicken(5);
        QVERIFY(!anleitung->isVisible());
    }

    // The program information panel: shown by its command, hidden by a click anywhere on it.
    void programminfoSchliesstAufKlick() {
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
};

QTEST_MAIN(InfobereichTest)
#include "infobereich_test.moc"
