// The pocket calculator in the main window: opened by the window's command, keys clicked
// and typed, the result handed into an amount field, which then stores and recalculates
// like a typed entry; nothing is handed over while the calculator is hidden.
#include "fenstertest.h"
#include "help/infotexte.h"
#include "ui/taschenrechnerpanel.h"

using namespace brelvanostik;

class TaschenrechnerTest : public Fenstertest {
    Q_OBJECT

    Taschenrechnerpanel* panel() const { return finde<Taschenrechnerpanel>("rechner"); }
    std::int32_t gehalt(Seite seite) const {
        return betrag(seite, sitzung().monat(), zeile::Gehalt);
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        QVERIFY(!panel()->isVisible());
        fenster()->taschenrechnerUmschalten();
    }
    void cleanup() { programmBeenden(); }

    // Keys clicked or typed; the result goes into the green salary and its blue twin, rounded
    // to cents, and recalculates; a later one into the blue field reaches only blue.
    void ergebnisInsGehaltRechnetNeu() {
        for (const char* taste : {"rechner_1", "rechner_0", "rechner_0", "rechner_0",
                                  "rechner_geteilt", "rechner_3", "rechner_gleich"}) {
            klicken(taste);
        }
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("333,333333333333"));
        klicken("betrag_5");
        QCOMPARE(gehalt(Seite::Gruen), 33333);
        QCOMPARE(gehalt(Seite::Blau), 33333);
        QCOMPARE(text("ergebnis_42"), QStringLiteral("333,33 "));
        QVERIFY(meldungen_.gezeigt.empty());
        klicken("rechner_verlauf");  // the tape shows the operation
        QCOMPARE(meldungen_.gezeigt.at(0).text, std::string("1000 / 3 = 333,333333333333"));

        QTest::keyClicks(panel(), QStringLiteral("12,5+2"));
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("2,"));
        QTest::keyClick(panel(), Qt::Key_Return);
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("14,5"));
        QTest::keyClick(panel(), Qt::Key_Escape);  // "C"
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("0,"));
        QTest::keyClicks(panel(), QStringLiteral("12"));
        klicken("betrag_35");
        QCOMPARE(gehalt(Seite::Blau), 1200);
        QCOMPARE(gehalt(Seite::Gruen), 33333);
    }

    void verborgenUndAbgelehntWirdNichtsUebernommen() {
        for (const char* taste : {"rechner_5", "rechner_vorzeichen", "rechner_vorzeichen"})
            klicken(taste);
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("-5"));
        // A negative salary is no amount a user could type: refused, nothing stored.
        klicken("betrag_5");
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});

        // A click on a row label hides the calculator without resetting it.
        klicken("zeile_5");
        QVERIFY(!panel()->isVisible());
        klicken("betrag_5");
        QTest::keyClick(finde("betrag_5"), Qt::Key_Tab);
        QCOMPARE(gehalt(Seite::Gruen), 0);
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});
        fenster()->taschenrechnerUmschalten();
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("-5"));

        // The close key resets the display and hides the panel; the command toggles.
        klicken("rechner_ende");
        QVERIFY(!panel()->isVisible());
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("0,"));
        fenster()->taschenrechnerUmschalten();
        fenster()->taschenrechnerUmschalten();
        QVERIFY(!panel()->isVisible());
    }

    void ergebnisInDenVersorgungsbezug() {
        QTest::keyClicks(panel(), QStringLiteral("1500"));
        klicken("befehl_9");
        QVERIFY(panel()->isVisible());
        klicken("versorgung_monatsbezug");
        QCOMPARE(sitzung().arbeitsbereich().kopf(3, 0).ErsterVollerMonatsbezug,
                 Money::whole(150000));
    }

    // The memo field parks an amount: clicked it takes the display, typed it keeps the entry
    // formatted; an amount field takes the memo while it was filled last, else the display.
    void memofeldParktEinenBetrag() {
        auto* memo = finde<QLineEdit>("memo");
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
        QTest::keyClicks(panel(), QStringLiteral("7"));
        klicken("betrag_35");
        QCOMPARE(gehalt(Seite::Blau), 700);
        QCOMPARE(tipp(memo), alsText(kMemoTipp));
        QCOMPARE(tipp(panel()), alsText(kTaschenrechnerTipp));
    }
};

QTEST_MAIN(TaschenrechnerTest)
#include "taschenrechner_test.moc"
