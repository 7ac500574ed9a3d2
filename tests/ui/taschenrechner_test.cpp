// The pocket calculator in the main window: opened by the window's command, keys clicked
// and typed, the result handed into an amount field, which then stores and recalculates
// like a typed entry; nothing is handed over while the calculator is hidden.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "fenstertest.h"
#include "session/sitzung.h"
#include "testmeldungen.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/taschenrechnerpanel.h"

using namespace brelvanostik;

class TaschenrechnerTest : public Fenstertest {
    Q_OBJECT

    QString text(const char* name) const {
        const QString n = QString::fromLatin1(name);
        if (auto* feld = fenster()->findChild<QLineEdit*>(n)) return feld->text();
        return finde<QLabel>(n)->text();
    }
    Taschenrechnerpanel* panel() const {
        return finde<Taschenrechnerpanel>(QStringLiteral("rechner"));
    }
    void klicken(const char* name) {
        QTest::mouseClick(finde(QString::fromLatin1(name)), Qt::LeftButton);
    }
    std::int32_t gehalt(int berechnung) const {
        const Sitzung& s = *programm_->sitzung();
        return s.arbeitsbereich().monat(s.jahr() - kErstesJahr, berechnung, s.monat()).Betrag[5];
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        fenster()->show();
        fenster()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster()));
    }
    void cleanup() { programmBeenden(); }

    void ergebnisInsGrueneGehaltRechnetBeideSeitenNeu() {
        QVERIFY(!panel()->isVisible());
        fenster()->taschenrechnerUmschalten();
        QVERIFY(panel()->isVisible());
        for (const char* taste : {"rechner_1", "rechner_0", "rechner_0", "rechner_0",
                                  "rechner_geteilt", "rechner_3", "rechner_gleich"}) {
            klicken(taste);
        }
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("333,333333333333"));
        const QString auszahlungVorher = text("ergebnis_26");

        klicken("betrag_5");
        QCOMPARE(gehalt(0), 33333);  // rounded to whole cents, mirrored into blue
        QCOMPARE(gehalt(5), 33333);
        QCOMPARE(text("betrag_35"), QStringLiteral("333,33"));
        QCOMPARE(text("ergebnis_12"), QStringLiteral("333,33 "));
        QCOMPARE(text("ergebnis_42"), QStringLiteral("333,33 "));
        QVERIFY(text("ergebnis_26") != auszahlungVorher);
        QCOMPARE(text("ergebnis_26"), text("ergebnis_56"));
        QVERIFY(meldungen_.gezeigt.empty());
        // The calculator keeps its state; the tape shows the operation.
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("333,333333333333"));
        klicken("rechner_verlauf");
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});
        QCOMPARE(meldungen_.gezeigt[0].titel, std::string("Verlauf"));
        QCOMPARE(meldungen_.gezeigt[0].text, std::string("1000 / 3 = 333,333333333333"));
    }

    void tastaturUndTrailingKommaImBlauenFeld() {
        fenster()->taschenrechnerUmschalten();
        QTest::keyClicks(panel(), QStringLiteral("12,5+2"));
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("2,"));
        QTest::keyClick(panel(), Qt::Key_Return);
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("14,5"));
        QTest::keyClicks(panel(), QStringLiteral("*4="));
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("58"));
        QTest::keyClick(panel(), Qt::Key_Escape);  // "C"
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("0,"));
        QTest::keyClicks(panel(), QStringLiteral("12"));
        klicken("betrag_35");  // "12," arrives as 12,00 on the blue side only
        QCOMPARE(gehalt(5), 1200);
        QCOMPARE(gehalt(0), 0);
    }

    void verborgenUndAbgelehntWirdNichtsUebernommen() {
        fenster()->taschenrechnerUmschalten();
        for (const char* taste : {"rechner_5", "rechner_vorzeichen", "rechner_vorzeichen"})
            klicken(taste);
        QCOMPARE(text("rechner_anzeige"), QStringLiteral("-5"));
        // A negative salary is no amount a user could type: refused, nothing stored.
        klicken("betrag_5");
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});
        QCOMPARE(gehalt(0), 0);
        QCOMPARE(text("ergebnis_12"), QStringLiteral("0,00 "));

        // A click on a row label hides the calculator without resetting it.
        klicken("zeile_5");
        QVERIFY(!panel()->isVisible());
        klicken("betrag_5");
        QTest::keyClick(finde(QStringLiteral("betrag_5")), Qt::Key_Tab);
        QCOMPARE(gehalt(0), 0);
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
        fenster()->taschenrechnerUmschalten();
        QTest::keyClicks(panel(), QStringLiteral("1500"));
        klicken("befehl_9");
        QVERIFY(panel()->isVisible());
        klicken("versorgung_monatsbezug");
        const Fallkopf& gruen = programm_->sitzung()->arbeitsbereich().kopf(3, 0);
        QCOMPARE(gruen.ErsterVollerMonatsbezug, Money::whole(150000));
    }

    // The memo field parks an amount: clicked it takes the display, typed it keeps the entry
    // formatted; an amount field takes the memo while it was filled last, else the display.
    void memofeldParktEinenBetrag() {
        fenster()->taschenrechnerUmschalten();
        auto* memo = finde<QLineEdit>(QStringLiteral("memo"));
        QTest::keyClicks(panel(), QStringLiteral("12*3="));
        klicken("memo");
        QCOMPARE(memo->text(), QStringLiteral("36,00"));
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("1250,5"));
        QTest::keyClick(memo, Qt::Key_Return);
        panel()->setFocus();
        QCOMPARE(memo->text(), QStringLiteral("1.250,50"));
        klicken("betrag_5");
        QCOMPARE(gehalt(0), 125050);
        QTest::keyClicks(panel(), QStringLiteral("7"));
        klicken("betrag_35");
        QCOMPARE(gehalt(5), 700);
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(memo, &betreten);
        QCOMPARE(text("tipp"), QStringLiteral("Memofeld. Sein Inhalt wird in ein Betragsfeld der "
                                              "Berechnung übertragen, wenn das Betragsfeld "
                                              "angeklickt wird."));
    }

    void tippzeileErklaertDenTaschenrechner() {
        fenster()->taschenrechnerUmschalten();
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(panel(), &betreten);
        QCOMPARE(
            finde<QLabel>(QStringLiteral("tipp"))->text(),
            QStringLiteral(
                "Taschenrechner. Der angezeigte Betrag wird in die Berechnung übertragen, wenn "
                "dort ein Betragsfeld angeklickt wird."));
    }
};

QTEST_MAIN(TaschenrechnerTest)
#include "taschenrechner_test.moc"
