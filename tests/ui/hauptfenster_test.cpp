// The main window driven as a user drives it: typing, clicking labels, choices, buttons.
// What is stored where is the session's business and tested there; these tests look at
// what only the window does: the key filter, the wiring of fields and buttons, what is
// drawn where, colours, panels and messages.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "fenstertest.h"
#include "session/sitzung.h"
#include "testmeldungen.h"
#include "ui/balkenanzeige.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"

using namespace brelvanostik;

class HauptfensterTest : public Fenstertest {
    Q_OBJECT

    QString text(const QString& name) const {
        if (auto* feld = fenster()->findChild<QLineEdit*>(name)) return feld->text();
        if (auto* knopf = fenster()->findChild<QPushButton*>(name)) return knopf->text();
        return finde<QLabel>(name)->text();
    }
    void klicken(const QString& name, Qt::MouseButton taste = Qt::LeftButton) {
        QTest::mouseClick(finde(name), taste);
    }
    /// Clicks into an amount field and types, as a user does.
    void tippen(const QString& feld, const QString& eingabe) {
        klicken(feld);
        QTest::keyClicks(finde(feld), eingabe);
    }
    void eintragWaehlen(int zeile) {
        auto* liste = finde<QListWidget>(QStringLiteral("auswahlliste"));
        const QRect rechteck = liste->visualItemRect(liste->item(zeile));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rechteck.center());
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        fenster()->show();
        fenster()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster()));
    }
    void cleanup() { programmBeenden(); }

    void titelUndZeilen() {
        QCOMPARE(fenster()->windowTitle(),
                 QStringLiteral("    B R E L V A N O S T I K     -    Berechnung der gesetzlichen "
                                "Abzüge         Stand :  04. Mai 2007"));
        QCOMPARE(text("zeile_5"), QStringLiteral("Laufendes Gehalt"));
        QCOMPARE(text("zeile_56"), QStringLiteral("AUSZAHLUNG"));
        QCOMPARE(text("zeile_10"), QStringLiteral("Monatsgehalt JAN. 2007"));
        // A "%" entry carries the rate in front; the health rate is the field of row 4.
        QCOMPARE(text("zeile_20"), QStringLiteral("13,90%/2 Beitrag zur Krankenvers."));
        QCOMPARE(text("satz_22"), QStringLiteral("19,90"));
        QCOMPARE(text("bru_5"), QStringLiteral("B"));
        QCOMPARE(text("tei_39"), QStringLiteral("T"));
        QVERIFY(finde(QStringLiteral("monat_13"))->isVisible());
        QVERIFY(finde(QStringLiteral("monat_14"))->isVisible());
        QVERIFY(finde(QStringLiteral("monat_12"))->isVisible());
        QCOMPARE(finde<QWidget>(QStringLiteral("seite_0"))->palette().color(QPalette::Window),
                 QColor(192, 255, 192));
        QCOMPARE(finde<QWidget>(QStringLiteral("seite_30"))->palette().color(QPalette::Window),
                 QColor(192, 255, 255));
    }

    void gehaltImMaerzMitTabAktualisiertBeideSeitenUndGelbeSpalte() {
        klicken(QStringLiteral("monat_2"));
        QCOMPARE(text("zeile_40"), QStringLiteral("Monatsgehalt MRZ. 2007"));
        tippen(QStringLiteral("betrag_5"), QStringLiteral("3000"));
        QTest::keyClick(finde(QStringLiteral("betrag_5")), Qt::Key_Tab);

        QCOMPARE(text("betrag_5"), QStringLiteral("3.000,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("3.000,00"));
        QCOMPARE(text("gelb_5"), QStringLiteral("6.000,00   "));
        QCOMPARE(text("ergebnis_12"), QStringLiteral("3.000,00 "));
        QVERIFY(text("ergebnis_17").startsWith(QLatin1Char('-')));
        QCOMPARE(finde(QStringLiteral("ergebnis_17"))->palette().color(QPalette::WindowText),
                 farben::kHellrot);
        QCOMPARE(finde(QStringLiteral("ergebnis_26"))->palette().color(QPalette::WindowText),
                 farben::kSchwarz);
        QCOMPARE(text("ergebnis_26"), text("ergebnis_56"));
        QVERIFY(text("ergebnis_26") != QStringLiteral("0,00 "));
        QVERIFY(text("zeile_29") != QStringLiteral("(pro Std. = 0,00)"));
        auto* balken = finde<Balkenanzeige>(QStringLiteral("balken_0"));
        QVERIFY(balken->steuerText().startsWith(QStringLiteral("Steuer = ")));
        QVERIFY(balken->nettoText() != QStringLiteral("Netto = 100 %"));
        // Tab moved on to the next field; the salary is shown formatted again.
        QVERIFY(!finde(QStringLiteral("betrag_5"))->hasFocus());
        QVERIFY(meldungen_.gezeigt.empty());
    }

    void blaueAenderungMarktDasBlaueFeldHellgelb() {
        tippen(QStringLiteral("betrag_35"), QStringLiteral("2500"));
        QTest::keyClick(finde(QStringLiteral("betrag_35")), Qt::Key_Return);
        klicken(QStringLiteral("monat_0"));  // leaves the field as well
        QCOMPARE(text("betrag_35"), QStringLiteral("2.500,00"));
        QCOMPARE(text("betrag_5"), QStringLiteral("0,00"));
        QCOMPARE(finde(QStringLiteral("betrag_35"))->palette().color(QPalette::Base),
                 farben::kHellgelb);
        QCOMPARE(finde(QStringLiteral("betrag_5"))->palette().color(QPalette::Base),
                 farben::kWeiss);

        klicken(QStringLiteral("modus"));
        QCOMPARE(text("modus"), QStringLiteral("Unterschied"));
        QCOMPARE(finde(QStringLiteral("modus"))->palette().color(QPalette::ButtonText),
                 farben::kHellrot);
        QCOMPARE(text("gelb_5"), QStringLiteral("2.500,00   "));
    }

    void tastenfilterLaesstNurZiffernUndEinKommaDurch() {
        tippen(QStringLiteral("betrag_7"), QStringLiteral("1,5,a.-/+ 2"));
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52"));
        QTest::keyClicks(finde(QStringLiteral("betrag_7")), QStringLiteral("345678901"));
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52345678"));  // ten characters at most
        // An emptied field stores 0 when it is left.
        auto* feld = finde<QLineEdit>(QStringLiteral("betrag_7"));
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QCOMPARE(feld->text(), QString());
        klicken(QStringLiteral("betrag_8"));
        QCOMPARE(text("betrag_7"), QStringLiteral("0,00"));
        QVERIFY(meldungen_.gezeigt.empty());
    }

    void statusMiniJobSperrtDieVersicherungszeilen() {
        klicken(QStringLiteral("zeile_3"));
        auto* panel = finde(QStringLiteral("auswahlpanel"));
        QVERIFY(panel->isVisible());
        auto* liste = finde<QListWidget>(QStringLiteral("auswahlliste"));
        QCOMPARE(liste->count(), 4);
        QCOMPARE(liste->item(0)->background().color(), farben::kHellgruen);  // the current entry
        QCOMPARE(liste->item(2)->text(), QStringLiteral("Mini-Job bis 400 Euro"));

        eintragWaehlen(2);
        QVERIFY(!panel->isVisible());
        QCOMPARE(text("zeile_3"), QStringLiteral("Mini-Job bis 400 Euro"));
        QCOMPARE(text("zeile_20"), QStringLiteral("Keine Krankenversicherungspflicht"));
        QCOMPARE(text("zeile_50"), QStringLiteral("Keine Krankenversicherungspflicht"));
        klicken(QStringLiteral("zeile_20"));
        QVERIFY(!panel->isVisible());
        klicken(QStringLiteral("zeile_51"));
        QVERIFY(!panel->isVisible());
        // Other choice rows still open, over the blue half, in the blue side's colour.
        klicken(QStringLiteral("zeile_47"));
        QVERIFY(panel->isVisible());
        QCOMPARE(liste->item(0)->background().color(), farben::kHellcyan);
        const QRect label = finde(QStringLiteral("zeile_47"))->geometry();
        QVERIFY(panel->geometry().left() >= finde(QStringLiteral("seite_30"))->geometry().left());
        QVERIFY(panel->geometry().top() <= label.top());
    }

    void umbenennenMitDerRechtenMaustaste() {
        klicken(QStringLiteral("zeile_31"), Qt::RightButton);  // not a case name
        auto* panel = finde(QStringLiteral("namenspanel"));
        QVERIFY(!panel->isVisible());
        klicken(QStringLiteral("zeile_30"), Qt::RightButton);
        QVERIFY(panel->isVisible());
        auto* feld = finde<QLineEdit>(QStringLiteral("namensfeld"));
        QCOMPARE(feld->text(), QStringLiteral("A L T E R N A T I V E   1"));
        QVERIFY(feld->hasFocus());

        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("Variante Teilzeit"));
        QCOMPARE(text("namenszaehler"), QStringLiteral("17 Buchstaben von maximal 35."));
        QCOMPARE(finde(QStringLiteral("namenszaehler"))->palette().color(QPalette::WindowText),
                 farben::kSchwarz);
        QTest::keyClicks(feld, QStringLiteral(" mit langem Namen"));
        QCOMPARE(text("namenszaehler"), QStringLiteral("34 Buchstaben von maximal 35."));
        QTest::keyClicks(feld, QStringLiteral("!"));
        QCOMPARE(finde(QStringLiteral("namenszaehler"))->palette().color(QPalette::WindowText),
                 farben::kHellrot);
        feld->setText(QStringLiteral("Variante Teilzeit"));
        QTest::keyClick(feld, Qt::Key_Return);

        QVERIFY(!panel->isVisible());
        QCOMPARE(text("zeile_30"), QStringLiteral("Variante Teilzeit"));
        QCOMPARE(text("zeile_0"), QStringLiteral("O R I G I N A L   1"));
    }

    void versorgungspanelTraegtDieBezuegeEin() {
        klicken(QStringLiteral("befehl_9"));
        auto* panel = finde(QStringLiteral("auswahlpanel"));
        QVERIFY(panel->isVisible());
        QCOMPARE(finde<QListWidget>(QStringLiteral("auswahlliste"))->count(), 3);
        eintragWaehlen(1);
        QVERIFY(panel->isVisible());  // stays open for the two amounts
        QVERIFY(panel->findChild<QLabel*>() != nullptr);
        bool jahrGezeigt = false;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            jahrGezeigt |= label->text() == QStringLiteral("erster voller Monatsbezug 2006:");
        }
        QVERIFY(jahrGezeigt);
        tippen(QStringLiteral("versorgung_monatsbezug"), QStringLiteral("1500"));
        QTest::keyClick(finde(QStringLiteral("versorgung_monatsbezug")), Qt::Key_Return);
        QCOMPARE(text("versorgung_monatsbezug"), QStringLiteral("1500,00"));  // still in the field
        klicken(QStringLiteral("versorgungSchliessen"));
        QVERIFY(!panel->isVisible());
        const Fallkopf& blau = programm_->sitzung()->arbeitsbereich().kopf(3, 5);
        QCOMPARE(blau.ErsterVollerMonatsbezug, Money::whole(150000));
        QCOMPARE(blau.Versorgungsbeginn, std::int16_t{1});
    }

    void fallwahlUndJahreswechsel() {
        klicken(QStringLiteral("zeile_0"));
        auto* liste = finde<QListWidget>(QStringLiteral("auswahlliste"));
        QCOMPARE(liste->count(), 10);
        eintragWaehlen(7);  // the blue name of case 3 shows case 3
        QCOMPARE(text("zeile_0"), QStringLiteral("O R I G I N A L   3"));
        QCOMPARE(text("zeile_30"), QStringLiteral("A L T E R N A T I V E   3"));
        klicken(QStringLiteral("jahr_1"));
        QCOMPARE(text("zeile_10"), QStringLiteral("Monatsgehalt JAN. 2005"));
        QVERIFY(finde<QPushButton>(QStringLiteral("jahr_1"))->isChecked());
        QVERIFY(!finde<QPushButton>(QStringLiteral("jahr_3"))->isChecked());
        QCOMPARE(text("zeile_20"), QStringLiteral("14,90%/2 Beitrag zur Krankenvers."));
        QCOMPARE(text("zeile_50"), QStringLiteral("14,00%/2 Beitrag zur Krankenvers."));
    }

    void tippzeileErklaertDieKnoepfe() {
        auto* tipp = finde<QLabel>(QStringLiteral("tipp"));
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(finde(QStringLiteral("monat_2")), &betreten);
        QCOMPARE(tipp->text(), QStringLiteral("Ruft die Berechnung des Monats MRZ. auf."));
        QApplication::sendEvent(finde(QStringLiteral("jahr_0")), &betreten);
        QCOMPARE(tipp->text(),
                 QStringLiteral(
                     "  Ruft die entsprechende Berechnung des Jahres 2004 auf, falls vorhanden."));
        QVERIFY(finde(QStringLiteral("jahr_0"))->font().bold());
        QApplication::sendEvent(finde(QStringLiteral("ab_25")), &betreten);
        QCOMPARE(tipp->text(),
                 QStringLiteral("Damit kann der Betrag in 1-Euro-Schritten vermindert werden."));
        QCOMPARE(finde(QStringLiteral("zeile_21"))->toolTip(),
                 QStringLiteral("Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen "
                                "gleichgeschaltet."));
    }

    void pfeileUndQuotenknoepfe() {
        klicken(QStringLiteral("auf_5"));
        klicken(QStringLiteral("auf_5"));
        QCOMPARE(text("betrag_5"), QStringLiteral("2,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("0,00"));  // only the side's own calculation
        klicken(QStringLiteral("bru_37"));
        QCOMPARE(text("bru_37"), QStringLiteral("-"));
        QCOMPARE(finde(QStringLiteral("bru_37"))->palette().color(QPalette::Button),
                 farben::kHellgelb);
        QCOMPARE(text("bru_7"), QStringLiteral("B"));
    }

    void fensterSkaliertMitDerSchrift() {
        const double vorher = fenster()->font().pointSizeF();
        fenster()->resize(1900, 1040);
        QTRY_VERIFY(fenster()->font().pointSizeF() > vorher);
        // A salary row keeps its place relative to the window, and the label grows with it.
        const int breite = finde(QStringLiteral("zeile_5"))->width();
        fenster()->resize(1000, 700);
        QTRY_VERIFY(finde(QStringLiteral("zeile_5"))->width() < breite);
        QCOMPARE(fenster()->font().pointSizeF(), vorher);
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_test.moc"
