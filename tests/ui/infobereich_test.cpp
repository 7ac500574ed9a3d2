// The help of the main window as a user meets it: the row's text in the info area over its
// side, the topic link into the help pages (opened by a stand-in for the browser), the
// program information panel. What the texts say is tested with the core.
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
    void oeffnen(const QString& adresse) override { geoeffnet.push_back(adresse); }
    QStringList geoeffnet;
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
        QCOMPARE(thema(), QStringLiteral("Lohnsteuerklassen"));
    }

    // The topic link opens the page of the row last clicked; shared pages; row 29 reopens.
    void themaOeffnetDieSeiteDerZeile() {
        themaKlicken();
        QCOMPARE(oeffner_.geoeffnet.value(0), kSeiten + QStringLiteral("Gehaltsberechnung.htm"));
        const struct {
            int zeile;
            const char* titel;
            const char* seite;
        } faelle[] = {
            {24, "Sozialversicherung", "Sozialversicherung.htm"},
            {3, "Sozialversicherung", "Sozialversicherung.htm"},
            {6, "Versorgungsbezüge", "Versorgungsbezug.htm"},
            {38, "Versorgungsbezüge", "Versorgungsbezug.htm"},
            {28, "Kinderfreibeträge", "Kinderfreibetrag.htm"},
        };
        for (const auto& f : faelle) {
            zeileKlicken(f.zeile);
            QCOMPARE(thema(), QString::fromUtf8(f.titel));
            themaKlicken();
            QCOMPARE(oeffner_.geoeffnet.back(), kSeiten + QLatin1String(f.seite));
        }
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

        // Row 29 and a blue amount field reopen the page opened last.
        zeileKlicken(29);
        QCOMPARE(thema(), QStringLiteral("Alterseinkünftegesetz"));
        themaKlicken();
        QTest::mouseClick(finde(QStringLiteral("betrag_35")), Qt::LeftButton);
        QCOMPARE(fenster()->gemerkteZeile(), 35);
        themaKlicken();
        QCOMPARE(oeffner_.geoeffnet.size(), qsizetype{9});
        QCOMPARE(oeffner_.geoeffnet.at(7), kSeiten + QStringLiteral("Versorgungsfreibetrag.htm"));
        QCOMPARE(oeffner_.geoeffnet.at(8), kSeiten + QStringLiteral("Versorgungsfreibetrag.htm"));

        QTest::mouseClick(finde(QStringLiteral("startlink")), Qt::LeftButton);
        QTest::mouseClick(finde(QStringLiteral("hinweislink")), Qt::LeftButton);
        QCOMPARE(oeffner_.geoeffnet.at(9), QStringLiteral("https://hilfe.test"));
        QCOMPARE(oeffner_.geoeffnet.at(10),
                 QStringLiteral("https://hilfe.test/benachrichtigung.htm"));
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
