// From the windows: the tax steps window compares green and blue and starts at the first
// difference; the all-months table saves the year as CSV; printing the comparison.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "fenstertest.h"
#include "session/sitzung.h"
#include "testmeldungen.h"
#include "ui/allemonatetabelle.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/schrittvergleichfenster.h"
#include "ui/steuerschrittefenster.h"

using namespace brelvanostik;

class VergleichCsvTest : public Fenstertest {
    Q_OBJECT

    QString datei(const char* name) const {
        return verzeichnis_.filePath(QString::fromLatin1(name));
    }

  private slots:
    void init() {
        QVERIFY(programmStarten());
        // Green 3,000.00 a month; blue the same in tax class III.
        programm_->sitzung()->betragEingeben(Seite::Gruen, 5, "3000");
        programm_->sitzung()->auswahlTreffen(Seite::Blau, 17, 2);
        fenster()->darstellen();
        fenster()->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster()));
    }
    void cleanup() { programmBeenden(); }

    void vergleichBeginntBeiDerSteuerklasse() {
        fenster()->steuerschritteOeffnen();
        auto* schritte = fenster()->findChild<SteuerschritteFenster*>();
        QVERIFY(schritte != nullptr);
        auto* knopf = schritte->findChild<QPushButton*>(QStringLiteral("vergleichen"));
        QVERIFY(knopf != nullptr && knopf->isEnabled());
        QTest::mouseClick(knopf, Qt::LeftButton);
        SchrittvergleichFenster* vergleich = schritte->vergleichsfenster();
        QVERIFY(vergleich != nullptr && vergleich->isVisible());

        QTableView* tabelle = vergleich->tabelle();
        QCOMPARE(tabelle->currentIndex().row(), 13);  // line 14, STKL
        const auto zelle = [&](int zeile, int spalte, int rolle = Qt::DisplayRole) {
            return tabelle->model()->index(zeile, spalte).data(rolle);
        };
        QCOMPARE(zelle(13, 4).toString(), QStringLiteral("1 "));
        QCOMPARE(zelle(13, 5).toString(), QStringLiteral("3 "));
        QCOMPARE(zelle(13, 5, Qt::BackgroundRole).value<QBrush>().color(), farben::kHellgelb);
        QVERIFY(!tabelle->isRowHidden(53));
        QVERIFY(tabelle->isRowHidden(19));
        QVERIFY(vergleich->findChild<QLabel*>(QStringLiteral("vergleichskopf"))
                    ->text()
                    .contains(QStringLiteral("Zeile 14")));

        // A click on a closed heading opens its section.
        const QRect r = tabelle->visualRect(tabelle->model()->index(18, 2));
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!tabelle->isRowHidden(19));

        if (QPrinterInfo::defaultPrinter().isNull()) {
            meldungen_.pdfDatei = std::filesystem::path(datei("vergleich.pdf").toStdString());
            QTest::mouseClick(
                vergleich->findChild<QPushButton*>(QStringLiteral("vergleich_drucken")),
                Qt::LeftButton);
            QVERIFY(QFile::exists(datei("vergleich.pdf")));
        }
    }

    void alleMonateAlsCsv() {
        QTest::mouseClick(fenster()->findChild<QWidget*>(QStringLiteral("monat_14")),
                          Qt::LeftButton);  // all months, blue
        auto* tabelle = fenster()->findChild<AlleMonateTabelle*>(QStringLiteral("tabelle"));
        QVERIFY(tabelle != nullptr && tabelle->isVisible());
        const struct {
            const char* aktion;
            const char* vorschlag;
            int zeilen;
        } faelle[] = {{"csv_speichern", "Brelvanostik-2007-Fall-1-blau.csv", 24},
                      {"csv_beide_speichern", "Brelvanostik-2007-Fall-1-gruen-blau.csv", 49}};
        for (const auto& f : faelle) {
            meldungen_.csvDatei = std::filesystem::path(datei(f.vorschlag).toStdString());
            tabelle->findChild<QAction*>(QString::fromLatin1(f.aktion))->trigger();
            QCOMPARE(meldungen_.csvVorschlaege.back(), QString::fromLatin1(f.vorschlag));
            QFile csv(datei(f.vorschlag));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            const QByteArray inhalt = csv.readAll();
            QVERIFY(inhalt.startsWith("\xEF\xBB\xBF;JAN.;"));
            QCOMPARE(inhalt.count("\r\n"), f.zeilen);
            // Blue's class III wage tax of January, as the table shows it.
            const QString lohnsteuer =
                tabelle->modell().data(tabelle->modell().index(7, 1)).toString().remove('.');
            QVERIFY(inhalt.contains(("Lohnsteuer;" + lohnsteuer + ";").toUtf8()));
        }

        // A file that cannot be written is reported.
        meldungen_.csvDatei = std::filesystem::path(datei("fehlt/gibt-es-nicht.csv").toStdString());
        fenster()->alleMonateAlsCsvSpeichern(false);
        QVERIFY(meldungen_.hatTitel("Als CSV speichern"));
    }
};

QTEST_MAIN(VergleichCsvTest)
#include "vergleich_csv_test.moc"
