// The main window driven as a user drives it: the key filter, the wiring of fields, labels,
// choices and buttons, what is drawn where and in which colour. What the session stores and
// which caption a row gets is tested with the session.
#include "fenstertest.h"
#include "ui/balkenanzeige.h"

using namespace brelvanostik;

class HauptfensterTest : public Fenstertest {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(programmStarten()); }
    void cleanup() { programmBeenden(); }

    void zeilenZeigenWasDieSitzungSagt() {
        // A "%" entry carries the rate in front; the rate labels and ratio toggles beside it.
        QCOMPARE(text("zeile_20"), QStringLiteral("13,90%/2 Beitrag zur Krankenvers."));
        QCOMPARE(text("satz_22"), QStringLiteral("19,90"));
        QCOMPARE(text("bru_5"), QStringLiteral("B"));
        QCOMPARE(text("tei_39"), QStringLiteral("T"));
        for (const char* knopf : {"monat_12", "monat_13", "monat_14"})
            QVERIFY(finde(knopf)->isVisible());
        QCOMPARE(farbe("seite_0", QPalette::Window), QColor(192, 255, 192));
        QCOMPARE(farbe("seite_30", QPalette::Window), QColor(192, 255, 255));
    }

    void gehaltImMaerzMitTabAktualisiertBeideSeitenUndGelbeSpalte() {
        klicken("monat_2");
        tippen("betrag_5", "3000");
        QTest::keyClick(finde("betrag_5"), Qt::Key_Tab);

        QCOMPARE(text("betrag_5"), QStringLiteral("3.000,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("3.000,00"));
        QCOMPARE(text("gelb_5"), QStringLiteral("6.000,00   "));
        QCOMPARE(text("ergebnis_12"), QStringLiteral("3.000,00 "));
        QVERIFY(text("ergebnis_17").startsWith(QLatin1Char('-')));
        QCOMPARE(farbe("ergebnis_17", QPalette::WindowText), farben::kHellrot);
        QCOMPARE(farbe("ergebnis_26", QPalette::WindowText), farben::kSchwarz);
        QCOMPARE(text("ergebnis_26"), text("ergebnis_56"));
        QVERIFY(text("ergebnis_26") != QStringLiteral("0,00 "));
        QVERIFY(text("zeile_29") != QStringLiteral("(pro Std. = 0,00)"));
        auto* balken = finde<Balkenanzeige>("balken_0");
        QVERIFY(balken->steuerText().startsWith(QStringLiteral("Steuer = ")));
        QVERIFY(balken->nettoText() != QStringLiteral("Netto = 100 %"));
        QVERIFY(!finde("betrag_5")->hasFocus());  // Tab moved on
        QVERIFY(meldungen_.gezeigt.empty());
    }

    void blaueAenderungMarktDasBlaueFeldHellgelb() {
        tippen("betrag_35", "2500");
        QTest::keyClick(finde("betrag_35"), Qt::Key_Return);
        klicken("monat_0");  // leaves the field as well
        QCOMPARE(text("betrag_35"), QStringLiteral("2.500,00"));
        QCOMPARE(text("betrag_5"), QStringLiteral("0,00"));
        QCOMPARE(farbe("betrag_35", QPalette::Base), farben::kHellgelb);
        QCOMPARE(farbe("betrag_5", QPalette::Base), farben::kWeiss);

        klicken("modus");
        QCOMPARE(text("modus"), QStringLiteral("Unterschied"));
        QCOMPARE(farbe("modus", QPalette::ButtonText), farben::kHellrot);
        QCOMPARE(text("gelb_5"), QStringLiteral("2.500,00   "));
    }

    void tastenfilterLaesstNurZiffernUndEinKommaDurch() {
        tippen("betrag_7", "1,5,a.-/+ 2");
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52"));
        QTest::keyClicks(finde("betrag_7"), QStringLiteral("345678901"));
        QCOMPARE(text("betrag_7"), QStringLiteral("1,52345678"));  // ten characters at most
        // An emptied field stores 0 when it is left.
        auto* feld = finde<QLineEdit>("betrag_7");
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QCOMPARE(feld->text(), QString());
        klicken("betrag_8");
        QCOMPARE(text("betrag_7"), QStringLiteral("0,00"));
        QVERIFY(meldungen_.gezeigt.empty());
    }

    void statusMiniJobSperrtDieVersicherungszeilen() {
        klicken("zeile_3");
        auto* panel = finde("auswahlpanel");
        QVERIFY(panel->isVisible());
        auto* liste = finde<QListWidget>("auswahlliste");
        QCOMPARE(liste->count(), 4);
        QCOMPARE(liste->item(0)->background().color(), farben::kHellgruen);  // the current entry

        eintragWaehlen(2);
        QVERIFY(!panel->isVisible());
        QCOMPARE(text("zeile_3"), QStringLiteral("Mini-Job bis 400 Euro"));
        for (const char* gesperrt : {"zeile_20", "zeile_51"}) {
            klicken(gesperrt);
            QVERIFY(!panel->isVisible());
        }
        // Other choice rows still open, over the blue half, in the blue side's colour.
        klicken("zeile_47");
        QVERIFY(panel->isVisible());
        QCOMPARE(liste->item(0)->background().color(), farben::kHellcyan);
        QVERIFY(panel->geometry().left() >= finde("seite_30")->geometry().left());
        QVERIFY(panel->geometry().top() <= finde("zeile_47")->geometry().top());
    }

    void umbenennenMitDerRechtenMaustaste() {
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
    }

    void versorgungspanelTraegtDieBezuegeEin() {
        klicken("befehl_9");
        auto* panel = finde("auswahlpanel");
        QCOMPARE(finde<QListWidget>("auswahlliste")->count(), 3);
        eintragWaehlen(1);
        QVERIFY(panel->isVisible());  // stays open for the two amounts
        QStringList beschriftungen;
        for (const QLabel* label : panel->findChildren<QLabel*>()) beschriftungen << label->text();
        QVERIFY(beschriftungen.contains(QStringLiteral("erster voller Monatsbezug 2006:")));
        tippen("versorgung_monatsbezug", "1500");
        QTest::keyClick(finde("versorgung_monatsbezug"), Qt::Key_Return);
        QCOMPARE(text("versorgung_monatsbezug"), QStringLiteral("1500,00"));  // still in the field
        klicken("versorgungSchliessen");
        QVERIFY(!panel->isVisible());
        const Fallkopf& blau = sitzung().arbeitsbereich().kopf(3, 5);
        QCOMPARE(blau.ErsterVollerMonatsbezug, Money::whole(150000));
        QCOMPARE(blau.Versorgungsbeginn, std::int16_t{1});
    }

    void fallwahlUndJahreswechsel() {
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
        QVERIFY(finde("jahr_0")->font().bold());
        QVERIFY(finde("zeile_21")->toolTip().endsWith(QStringLiteral("gleichgeschaltet.")));
    }

    void pfeileUndQuotenknoepfe() {
        klicken("auf_5");
        klicken("auf_5");
        QCOMPARE(text("betrag_5"), QStringLiteral("2,00"));
        QCOMPARE(text("betrag_35"), QStringLiteral("0,00"));  // only the side's own calculation
        klicken("bru_37");
        QCOMPARE(text("bru_37"), QStringLiteral("-"));
        QCOMPARE(farbe("bru_37", QPalette::Button), farben::kHellgelb);
        QCOMPARE(text("bru_7"), QStringLiteral("B"));
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
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_test.moc"
