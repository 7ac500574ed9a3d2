// The tax steps window opened from the main window: what it shows of the core, and that it
// follows the user.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTableView>

#include "fenstertest.h"
#include "ui/schrittvergleichfenster.h"
#include "ui/steuerschrittefenster.h"

using namespace brelvanostik;

class SteuerschritteTest : public Fenstertest {
    Q_OBJECT

    SteuerschritteFenster* schritte_ = nullptr;

    QTableView* tabelle() const { return finde<QTableView>("schritte"); }
    QString zelle(int zeile, int spalte) const {
        return tabelle()->model()->index(zeile, spalte).data().toString();
    }
    void waehlen(const QString& liste, int index) {
        auto* box = finde<QComboBox>(liste);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        sitzung().auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, 2);
        fenster()->darstellen();
        fenster()->steuerschritteOeffnen();
        schritte_ = fenster()->findChild<SteuerschritteFenster*>();
        QVERIFY(schritte_ != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(schritte_));
    }
    void cleanup() {
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(fenster()->close());
        QVERIFY(!schritte_->isVisible());  // it goes with the main window
        programm_.reset();
    }

    // The window shows the case as the tax steps preset it, and follows each input at once.
    void zeigtDenFallUndFolgtDenEingaben() {
        QCOMPARE(finde<QComboBox>("klasse")->currentText(), QStringLiteral("III"));
        QCOMPARE(finde<QLineEdit>("feld_0")->text(), QStringLiteral("3.000,00"));
        QVERIFY(finde<QCheckBox>("svpflicht")->isChecked());
        QVERIFY(!finde<QGroupBox>("erstbezug")->isVisible());

        QCOMPARE(zelle(0, 5), QStringLiteral("36.000,08"));
        QVERIFY(tabelle()->model()->index(0, 2).data(Qt::FontRole).value<QFont>().bold());
        // Only the thirteen headings are shown at first.
        QVERIFY(!tabelle()->isRowHidden(89));
        QVERIFY(tabelle()->isRowHidden(91));

        const QString vorher = zelle(90, 5);
        waehlen(QStringLiteral("klasse"), 0);
        QVERIFY(zelle(90, 5) != vorher);

        auto* feld = finde<QLineEdit>("feld_0");
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("30000"));
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(feld->text(), QStringLiteral("25000,00"));  // corrected, still being edited
        QCOMPARE(zelle(7, 4), QStringLiteral("300.000,08"));

        auto* versorgung = finde<QLineEdit>("feld_2");
        versorgung->setFocus();
        QTest::keyClicks(versorgung, QStringLiteral("500"));
        QTest::keyClick(versorgung, Qt::Key_Return);
        QVERIFY(finde<QGroupBox>("erstbezug")->isVisible());

        waehlen(QStringLiteral("zeitraum"), 0);
        QCOMPARE(finde<QLabel>("beschriftung_feld_0")->text(), QStringLiteral("Jahresbrutto"));
    }

    // Blue in class I against green's class III: the comparison starts at the class.
    void vergleichBeginntBeiDerSteuerklasse() {
        sitzung().auswahlTreffen(Seite::Blau, zeile::Steuerklasse, 0);
        auto* knopf = finde<QPushButton>("vergleichen");
        QVERIFY(knopf->isEnabled());
        QTest::mouseClick(knopf, Qt::LeftButton);
        SchrittvergleichFenster* vergleich = schritte_->vergleichsfenster();
        QVERIFY(vergleich != nullptr && vergleich->isVisible());
        QTableView* tabelle = vergleich->tabelle();
        QCOMPARE(tabelle->currentIndex().row(), 13);  // line 14, STKL
        const auto zelle = [&](int spalte, int rolle = Qt::DisplayRole) {
            return tabelle->model()->index(13, spalte).data(rolle);
        };
        QCOMPARE(zelle(5).toString(), QStringLiteral("1 "));  // the blue twin's class
        QCOMPARE(zelle(5, Qt::BackgroundRole).value<QBrush>().color(), farben::kHellgelb);
        QVERIFY(!tabelle->isRowHidden(53));
        QVERIFY(tabelle->isRowHidden(19));
        QVERIFY(text("vergleichskopf").contains("Zeile 14"));
        const QRect kopf = tabelle->visualRect(tabelle->model()->index(18, 2));
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, kopf.center());
        QVERIFY(!tabelle->isRowHidden(19));
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

QTEST_MAIN(SteuerschritteTest)
#include "steuerschritte_test.moc"
