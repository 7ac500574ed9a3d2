// The help of the main window as a user meets it: the row's text in the info area over its
// side, the topic link into the help pages (opened by a stand-in for the browser), the
// program information panel. What the texts say is tested with the core.
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "fenstertest.h"
#include "help/adresse.h"
#include "session/sitzung.h"
#include "testmeldungen.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/hilfelinks.h"
#include "ui/infobereich.h"
#include "ui/programm.h"
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

    Infobereich* info() const { return finde<Infobereich>(QStringLiteral("infobereich")); }
    void zeileKlicken(int index) {
        QTest::mouseClick(finde(QStringLiteral("zeile_%1").arg(index)), Qt::LeftButton);
    }
    void themaKlicken() { QTest::mouseClick(finde(QStringLiteral("themalink")), Qt::LeftButton); }
    QString thema() const { return finde<QLabel>(QStringLiteral("themalink"))->text(); }

  private slots:
    void initTestCase() { qputenv(kHilfeadresseVariable, "https://hilfe.test/"); }

    void init() {
        oeffner_.geoeffnet.clear();
        QVERIFY(programmStarten());
        fenster()->adressoeffnerSetzen(&oeffner_);
        fenster()->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster()));
    }
    void cleanup() { programmBeenden(); }

    // Row 5 and row 35 explain the same on their own side, in their side's colour; each
    // click replaces the text.
    void zeileErklaertSichAufIhrerSeite() {
        QVERIFY(!info()->isVisible());
        zeileKlicken(5);
        QVERIFY(info()->isVisible());
        const QString gruenText = info()->text();
        QVERIFY(gruenText.startsWith(QStringLiteral("Das Programm umfasst 5 Personalfälle\n")));
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellgruen);
        const int mitte = finde(QStringLiteral("rechenflaeche"))->width() / 2;
        QVERIFY(info()->geometry().right() < mitte);

        zeileKlicken(35);
        QCOMPARE(info()->text(), gruenText);
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellcyan);
        QVERIFY(info()->geometry().left() > mitte);

        zeileKlicken(17);
        QVERIFY(info()->text().startsWith(QStringLiteral("E I N S\n")));
        // Rows without a text (15 and the hourly line) leave the area as it is.
        zeileKlicken(15);
        zeileKlicken(29);
        QVERIFY(info()->text().startsWith(QStringLiteral("E I N S\n")));
    }

    // The topic link opens the page of the row or field last clicked.
    void themaOeffnetDieSeiteDerZeile() {
        themaKlicken();
        QCOMPARE(oeffner_.geoeffnet.value(0), kSeiten + QStringLiteral("Gehaltsberechnung.htm"));
        // The pension inputs explain row 27.
        QTest::mouseClick(finde(QStringLiteral("befehl_10")), Qt::LeftButton);
        QVERIFY(
            info()->text().startsWith(QStringLiteral("Ab 2005 kommt es bei der Berechnung des\n")));
        QVERIFY(info()->text().endsWith(QStringLiteral("Versorgungs-Sonderzahlung : 0,00")));
        QCOMPARE(info()->palette().color(QPalette::Window), farben::kHellcyan);
        QCOMPARE(thema(), QStringLiteral("Alterseinkünftegesetz"));
        themaKlicken();
        QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QStringLiteral("Versorgungsfreibetrag.htm"));
        QTest::keyClick(finde(QStringLiteral("auswahlliste")), Qt::Key_Escape);

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
            QTest::mouseClick(finde(QString::fromLatin1(w.geklickt)), Qt::LeftButton);
            QCOMPARE(thema(), QString::fromUtf8(w.titel));
            themaKlicken();
            QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QLatin1String(w.seite));
        }

        QTest::mouseClick(finde(QStringLiteral("startlink")), Qt::LeftButton);
        QCOMPARE(oeffner_.geoeffnet.back(), QStringLiteral("https://hilfe.test"));
        // Without a browser the tip line says so.
        oeffner_.browserDa = false;
        QTest::mouseClick(finde(QStringLiteral("hinweislink")), Qt::LeftButton);
        QCOMPARE(oeffner_.geoeffnet.back(),
                 QStringLiteral("https://hilfe.test/benachrichtigung.htm"));
        QVERIFY(finde<QLabel>(QStringLiteral("tipp"))
                    ->text()
                    .startsWith(QStringLiteral("Der Browser konnte nicht gestartet werden")));
    }

    // The pension text shows the side's figures as they are: after an entry, and the blue
    // side's own amount on the blue panel. Panel and text lie over the side's captions.
    void versorgungstextZeigtDieWerteDerSeite() {
        QTest::mouseClick(finde(QStringLiteral("befehl_9")), Qt::LeftButton);
        auto* feld = finde<QLineEdit>(QStringLiteral("versorgung_monatsbezug"));
        QTest::mouseClick(feld, Qt::LeftButton);
        QTest::keyClicks(feld, QStringLiteral("1200"));
        QTest::keyClick(feld, Qt::Key_Return);
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 1.200,00")));
        QTest::mouseClick(finde(QStringLiteral("befehl_10")), Qt::LeftButton);
        feld = finde<QLineEdit>(QStringLiteral("versorgung_monatsbezug"));
        QTest::mouseClick(feld, Qt::LeftButton);
        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("900"));
        QTest::keyClick(feld, Qt::Key_Return);
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 900,00")));
        const QRect beschriftung = finde(QStringLiteral("zeile_30"))->geometry();
        for (QWidget* ueber :
             {finde(QStringLiteral("auswahlpanel")), static_cast<QWidget*>(info())}) {
            QVERIFY(ueber->geometry().left() >= beschriftung.left() - 2);
            QVERIFY(ueber->geometry().right() <= beschriftung.right() + 2);
        }
        QTest::mouseClick(finde(QStringLiteral("versorgungSchliessen")), Qt::LeftButton);
        QTest::mouseClick(finde(QStringLiteral("befehl_9")), Qt::LeftButton);
        QVERIFY(info()->text().contains(QStringLiteral("erster voller Monatsbezug : 1.200,00")));
    }

    // The next edit closes an info text, so the results it changes come into view; a blue
    // choice list stays over the blue half.
    void bearbeitungSchliesstDenText() {
        zeileKlicken(2);
        QVERIFY(info()->isVisible());
        auto* liste = finde<QListWidget>(QStringLiteral("auswahlliste"));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        QVERIFY(!info()->isVisible());
        zeileKlicken(13);
        QVERIFY(info()->isVisible());
        auto* feld = finde<QLineEdit>(QStringLiteral("betrag_13"));
        QTest::keyClicks(feld, QStringLiteral("5"));
        QTest::keyClick(feld, Qt::Key_Return);
        QVERIFY(!info()->isVisible());
        const int blauLinks = finde(QStringLiteral("seite_30"))->geometry().left();
        for (const int zeile : {47, 49, 53, 55}) {
            zeileKlicken(zeile);
            QVERIFY(finde(QStringLiteral("auswahlpanel"))->geometry().left() >= blauLinks);
        }
    }

    // The instruction panel lies over the calculation at the start; a click on its text
    // hides it, the link shows it again, a row's caption hides it.
    void anleitungSchliesstAufKlick() {
        auto* anleitung = finde(QStringLiteral("anleitung"));
        QVERIFY(anleitung->isVisible());
        QTest::mouseClick(finde(QStringLiteral("anleitungstext")), Qt::LeftButton);
        QVERIFY(!anleitung->isVisible());
        QTest::mouseClick(finde(QStringLiteral("anleitunglink")), Qt::LeftButton);
        QVERIFY(anleitung->isVisible());
        QVERIFY(finde(QStringLiteral("rechenflaeche"))->rect().contains(anleitung->geometry()));
        zeileKlicken(5);
        QVERIFY(!anleitung->isVisible());
    }

    // The program information panel: shown by its command, hidden by a click anywhere on it.
    void programminfoSchliesstAufKlick() {
        auto* panel = finde<Programminfo>(QStringLiteral("programminfo"));
        QVERIFY(!panel->isVisible());
        fenster()->programminfoZeigen();
        QVERIFY(panel->isVisible());
        const auto texte = panel->findChildren<QLabel*>();
        QVERIFY(texte.size() > 5);
        QCOMPARE(texte.first()->text(), QStringLiteral("Programminformationen"));
        QTest::mouseClick(texte.at(3), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        fenster()->programminfoZeigen();
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(InfobereichTest)
#include "infobereich_test.moc"
