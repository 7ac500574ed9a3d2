// The tax steps window opened from the main window as a user opens it: presets, the
// listing in its grid, the outline, the lists and fields, the message and printing.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "fenstertest.h"
#include "testmeldungen.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/steuerschrittefenster.h"

using namespace brelvanostik;

class SteuerschritteTest : public Fenstertest {
    Q_OBJECT

    SteuerschritteFenster* schritte_ = nullptr;

    template <class T = QWidget>
    T* finde(const QString& name) const {
        T* widget = schritte_->findChild<T*>(name);
        if (widget == nullptr) qFatal("Kein Steuerelement %s", qPrintable(name));
        return widget;
    }
    QTableView* tabelle() const { return finde<QTableView>(QStringLiteral("schritte")); }
    QString zelle(int zeile, int spalte) const {
        return tabelle()->model()->index(zeile, spalte).data().toString();
    }
    void zeileKlicken(int zeile) {
        const QRect r = tabelle()->visualRect(tabelle()->model()->index(zeile, 2));
        QTest::mouseClick(tabelle()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void waehlen(const QString& liste, int index) {
        auto* box = finde<QComboBox>(liste);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        programm_->sitzung()->betragEingeben(Seite::Gruen, 5, "3000");
        programm_->sitzung()->auswahlTreffen(Seite::Gruen, 17, 2);
        programm_->fenster()->darstellen();
        programm_->fenster()->show();
        programm_->fenster()->steuerschritteOeffnen();
        schritte_ = programm_->fenster()->findChild<SteuerschritteFenster*>();
        QVERIFY(schritte_ != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(schritte_));
    }
    void cleanup() { programmBeenden(); }

    void zeigtDenFallDesHauptfensters() {
        QCOMPARE(schritte_->windowTitle(),
                 QStringLiteral(
                     "Schrittweise Berechnung der Lohnsteuer nach dem Programmablaufplan des BMF"));
        QCOMPARE(finde<QComboBox>(QStringLiteral("klasse"))->currentText(), QStringLiteral("III"));
        QCOMPARE(finde<QComboBox>(QStringLiteral("zeitraum"))->currentText(),
                 QStringLiteral("Monat"));
        QCOMPARE(finde<QComboBox>(QStringLiteral("jahr"))->currentText(), QStringLiteral("2007"));
        QCOMPARE(finde<QComboBox>(QStringLiteral("kinder"))->count(), 13);
        QCOMPARE(finde<QLineEdit>(QStringLiteral("feld_0"))->text(), QStringLiteral("3.000,00"));
        QCOMPARE(finde<QLabel>(QStringLiteral("beschriftung_feld_0"))->text(),
                 QStringLiteral("Monatsbrutto"));
        QVERIFY(finde<QCheckBox>(QStringLiteral("svpflicht"))->isChecked());
        QVERIFY(!finde<QGroupBox>(QStringLiteral("erstbezug"))->isVisible());

        QCOMPARE(tabelle()->model()->rowCount(), 113);
        QCOMPARE(zelle(0, 2), QStringLiteral("LST2007"));
        QCOMPARE(zelle(0, 5), QStringLiteral("36.000,08"));
        QCOMPARE(zelle(7, 4), QStringLiteral("36.000,08"));
        QVERIFY(tabelle()->model()->index(0, 2).data(Qt::FontRole).value<QFont>().bold());
        // Only the thirteen headings are shown at first.
        QVERIFY(!tabelle()->isRowHidden(89));
        QVERIFY(tabelle()->isRowHidden(91));
    }

    void eingabenFolgenSofort() {
        const QString vorher = zelle(90, 5);
        waehlen(QStringLiteral("klasse"), 0);
        QVERIFY(zelle(90, 5) != vorher);

        auto* feld = finde<QLineEdit>(QStringLiteral("feld_0"));
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("30000"));
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(feld->text(), QStringLiteral("25000,00"));  // corrected, still being edited
        QCOMPARE(zelle(7, 4), QStringLiteral("300.000,08"));

        auto* karte = finde<QLineEdit>(QStringLiteral("feld_1"));
        karte->setFocus();
        karte->selectAll();
        QTest::keyClicks(karte, QStringLiteral("-100x"));
        QTest::keyClick(karte, Qt::Key_Return);
        QCOMPARE(zelle(6, 4), QStringLiteral("1.200,00"));
        QCOMPARE(karte->text(), QStringLiteral("-100,00"));

        auto* versorgung = finde<QLineEdit>(QStringLiteral("feld_2"));
        versorgung->setFocus();
        QTest::keyClicks(versorgung, QStringLiteral("500"));
        QTest::keyClick(versorgung, Qt::Key_Return);
        QVERIFY(finde<QGroupBox>(QStringLiteral("erstbezug"))->isVisible());

        waehlen(QStringLiteral("zeitraum"), 0);
        QCOMPARE(finde<QLabel>(QStringLiteral("beschriftung_feld_0"))->text(),
                 QStringLiteral("Jahresbrutto"));
    }

    void schliesstMitDemHauptfenster() {
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(programm_->fenster()->close());
        QVERIFY(!schritte_->isVisible());
    }

    void druckenOhneDruckerBietetPdfAn() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        meldungen_.pdfDatei =
            std::filesystem::path(verzeichnis_.filePath("schritte.pdf").toStdString());
        QTest::mouseClick(finde(QStringLiteral("ablaufplan")), Qt::LeftButton);
        QCOMPARE(meldungen_.fragen.size(), 1);
        QVERIFY(QFile::exists(verzeichnis_.filePath("schritte.pdf")));
        QTest::mouseClick(finde(QStringLiteral("schliessen")), Qt::LeftButton);
        QVERIFY(!schritte_->isVisible());
    }
};

QTEST_MAIN(SteuerschritteTest)
#include "steuerschritte_test.moc"
