// Printing without a printer: the user is asked, and only an explicit choice of a file that
// may be written, and is none of the data directory's by any name, writes a PDF.
#include <fstream>
#include <iterator>

#include "fenstertest.h"
#include "ui/datenverzeichnis.h"
#include "ui/drucken.h"

namespace brelvanostik {
namespace fs = std::filesystem;

class DruckenTest : public QObject {
    Q_OBJECT
  private slots:
    void pdfNurAufAusdruecklichenWunsch() {
        if (!ohneDrucker()) QSKIP("this machine has a default printer");
        QTemporaryDir temp;
        const fs::path dir(temp.path().toStdString());
        laufendesDatenverzeichnisSetzen(dir);
        std::ofstream(dir / "Brelvanostik.da1") << "monate";
        fs::create_hard_link(dir / "Brelvanostik.da1", dir / "zweiter-name.pdf");
        const struct {
            bool ja;
            const char* datei;
            bool geschrieben;
        } faelle[] = {
            {true, "bericht.pdf", true},
            {false, "bericht.pdf", false},       // the offer declined
            {true, "fehlt/bericht.pdf", false},  // cannot be written: reported
            {true, "Brelvanostik.da1", false},   // the data directory's own files
            {true, "zweiter-name.pdf", false},
            {true, "Brelvanostik.lock", false},
        };
        for (const auto& f : faelle) {
            Testmeldungen meldungen;
            meldungen.antwortJa = f.ja;
            meldungen.pdfDatei = dir / f.datei;
            fs::remove(dir / "bericht.pdf");
            druck::Seitenaufbau aufbau("Bericht");
            aufbau.text("Inhalt");
            druckenOderPdfAnbieten(aufbau.fertig(), meldungen);
            QCOMPARE(meldungen.fragen.size(), 1);
            QVERIFY(meldungen.fragen.front().contains(QStringLiteral("kein Drucker")));
            QCOMPARE(meldungen.pdfVorschlaege.size(), f.ja ? 1u : 0u);
            if (f.ja) QVERIFY(meldungen.pdfVorschlaege.front().endsWith("Bericht.pdf"));
            QCOMPARE(fs::exists(dir / "bericht.pdf"), f.geschrieben);
            // Nothing to say after a written file; an error for a file that was to be written.
            QCOMPARE(meldungen.gezeigt.size(), f.ja && !f.geschrieben ? 1u : 0u);
            for (const Meldung& m : meldungen.gezeigt) QCOMPARE(m.symbol, Meldung::Symbol::Fehler);
        }
        std::ifstream ein(dir / "Brelvanostik.da1");
        QCOMPARE(std::string(std::istreambuf_iterator<char>(ein), {}), std::string("monate"));
        QVERIFY(!fs::exists(dir / "Brelvanostik.lock"));
        laufendesDatenverzeichnisSetzen(".");
    }
};

}  // namespace brelvanostik

QTEST_MAIN(brelvanostik::DruckenTest)
#include "drucken_test.moc"
