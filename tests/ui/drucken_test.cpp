#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "testmeldungen.h"
#include "ui/datenverzeichnis.h"
#include "ui/drucken.h"

#include <fstream>
#include <iterator>

namespace brelvanostik {

/// Printing without a printer: the user is asked, and only an explicit choice writes a PDF.
class DruckenTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    }

    void ohneDruckerWirdPdfAngebotenUndGeschrieben() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        meldungen.pdfDatei =
            std::filesystem::path(verzeichnis.filePath("bericht.pdf").toStdString());
        druck::Seitenaufbau aufbau("Bericht");
        aufbau.text("Inhalt");
        druckenOderPdfAnbieten(aufbau.fertig(), meldungen);
        QCOMPARE(meldungen.fragen.size(), 1);
        QVERIFY(meldungen.fragen.front().contains(QStringLiteral("kein Drucker")));
        QVERIFY(meldungen.pdfVorschlaege.front().endsWith(QStringLiteral("Bericht.pdf")));
        QVERIFY(QFile::exists(verzeichnis.filePath("bericht.pdf")));
        QVERIFY(meldungen.gezeigt.empty());
    }

    void abgelehntesAngebotSchreibtNichts() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        meldungen.antwortJa = false;
        meldungen.pdfDatei =
            std::filesystem::path(verzeichnis.filePath("bericht.pdf").toStdString());
        druck::Seitenaufbau aufbau("Bericht");
        druckenOderPdfAnbieten(aufbau.fertig(), meldungen);
        QVERIFY(meldungen.pdfVorschlaege.empty());
        QVERIFY(!QFile::exists(verzeichnis.filePath("bericht.pdf")));
    }

    // The save dialog's file must not be one of the data directory's, by any name.
    void pdfErsetztKeineDateiDesDatenverzeichnisses() {
        QTemporaryDir verzeichnis;
        const std::filesystem::path dir(verzeichnis.path().toStdString());
        laufendesDatenverzeichnisSetzen(dir);
        std::ofstream(dir / "Brelvanostik.da1") << "monate";
        std::filesystem::create_hard_link(dir / "Brelvanostik.da1", dir / "zweiter-name.pdf");
        for (const char* name : {"Brelvanostik.da1", "zweiter-name.pdf", "Brelvanostik.lock"}) {
            Testmeldungen meldungen;
            meldungen.pdfDatei = dir / name;
            druck::Seitenaufbau aufbau("Bericht");
            druckenOderPdfAnbieten(aufbau.fertig(), meldungen);
            QCOMPARE(meldungen.gezeigt.size(), std::size_t{1});
            QCOMPARE(meldungen.gezeigt.front().symbol, Meldung::Symbol::Fehler);
        }
        std::ifstream ein(dir / "Brelvanostik.da1");
        QCOMPARE(std::string(std::istreambuf_iterator<char>(ein), {}), std::string("monate"));
        QVERIFY(!std::filesystem::exists(dir / "Brelvanostik.lock"));
        laufendesDatenverzeichnisSetzen(".");
    }

    void unschreibbaresPdfWirdGemeldet() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        meldungen.pdfDatei =
            std::filesystem::path(verzeichnis.filePath("fehlt/bericht.pdf").toStdString());
        druck::Seitenaufbau aufbau("Bericht");
        druckenOderPdfAnbieten(aufbau.fertig(), meldungen);
        QCOMPARE(meldungen.gezeigt.size(), std::size_t{1});
        QCOMPARE(meldungen.gezeigt.front().symbol, Meldung::Symbol::Fehler);
    }
};

}  // namespace brelvanostik

QTEST_MAIN(brelvanostik::DruckenTest)
#include "drucken_test.moc"
