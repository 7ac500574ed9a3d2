// Start and exit in a working directory: the work survives a restart, a crash, a signal and
// a failed save; a second copy does not start; a PDF replaces none of the directory's files.
#include <QScreen>

#include <csignal>
#include <fstream>
#include <iterator>

#include "fenstertest.h"
#include "ui/abschiedsfenster.h"
#include "ui/beendigungssignale.h"
#include "ui/datenverzeichnis.h"
#include "ui/drucken.h"
#include "ui/wiederherstellungsschreiber.h"
#include "workspace/datendateien.h"
#include "workspace/wiederherstellung.h"

using namespace brelvanostik;
namespace fs = std::filesystem;

namespace {

fs::path pfad(const QTemporaryDir& verzeichnis) {
    return verzeichnis.path().toStdString();
}

std::int32_t gespeichert(const fs::path& verzeichnis, int monat, int zeile = zeile::Gehalt) {
    return laden(verzeichnis).arbeitsbereich.monat(3, 0, monat).Betrag[zeile];
}

std::string inhalt(const fs::path& datei) {
    std::ifstream ein(datei);
    return {std::istreambuf_iterator<char>(ein), {}};
}

}  // namespace

class ProgrammTest : public Fenstertest {
    Q_OBJECT

    fs::path verzeichnis() const { return pfad(verzeichnis_); }
    /// March, green salary 3000, typed but not confirmed.
    void gehaltImMaerz() {
        klicken("monat_2");
        tippen("betrag_5", "3000");
    }

  private slots:
    void init() { QVERIFY(vonVorn()); }
    void cleanup() { programm_.reset(); }
    // From a terminal the working directory, from the desktop menu ~/Brelvanostik, created
    // when missing and refused when a file has its name.
    void datenverzeichnisVonTerminalUndMenue() {
        QTemporaryDir heim;
        qputenv("HOME", heim.path().toLocal8Bit());
        const fs::path menue = pfad(heim) / "Brelvanostik";
        const struct {
            QStringList argumente;
            fs::path erwartet;
        } faelle[] = {
            {{"brelvanostik"}, fs::current_path()},
            {{"brelvanostik", "--menue"}, menue},  // created
            {{"brelvanostik", "--menue"}, menue},  // already there
        };
        QString fehler;
        for (const auto& fall : faelle) {
            const auto gefunden = datenverzeichnis(fall.argumente, fehler);
            QVERIFY(gefunden && fs::is_directory(*gefunden) && fehler.isEmpty());
            QCOMPARE(QString::fromStdString(gefunden->string()),
                     QString::fromStdString(fall.erwartet.string()));
        }
        fs::remove(menue);
        std::ofstream(menue) << "eine Datei";
        QVERIFY(!datenverzeichnis({"brelvanostik", "--menue"}, fehler));
        QVERIFY(fehler.contains(QStringLiteral("kann nicht angelegt werden")));
    }

    // The work comes back as it was left, an entry typed but not confirmed too; the farewell
    // comes after a save that worked, once; a second copy does not start beside the first.
    void neustartZeigtDieArbeitWieVerlassen() {
        QVERIFY(programmStarten());
        Programm zweite(verzeichnis(), meldungen_);
        QVERIFY(!zweite.starten());
        QVERIFY(zweite.fenster() == nullptr);
        QVERIFY(meldungen_.hatTitel("Brelvanostik läuft bereits"));
        gehaltImMaerz();
        auto* kommentar = finde<QLineEdit>("kommentar_1");
        kommentar->clear();
        QTest::keyClicks(kommentar, QStringLiteral("Blau mit Teilzeit"));
        fenster()->move(40, 30);
        QVERIFY(fenster()->close());
        Abschiedsfenster* abschied = programm_->abschiedsfenster();
        QVERIFY(abschied != nullptr && abschied->isVisible());
        QVERIFY(abschied->windowTitle().endsWith(QStringLiteral("Auf Wiedersehen!")));
        QVERIFY(
            abschied->frameGeometry().contains(abschied->screen()->availableGeometry().center()));
        QVERIFY(fenster()->close());  // a late signal
        QCOMPARE(programm_->abschiedsfenster(), abschied);
        QTest::mouseClick(abschied->findChild<QPushButton*>(QStringLiteral("schliessen")),
                          Qt::LeftButton);
        QVERIFY(!abschied->isVisible());
        const Ladeergebnis geladen = laden(verzeichnis());
        QCOMPARE(geladen.einstellungen.Monat, 3);  // the last month button + 1
        QCOMPARE(geladen.einstellungen.Links, 40 * 15);
        QCOMPARE(geladen.einstellungen.Oben, 30 * 15);
        QCOMPARE(gespeichert(verzeichnis(), 2), 300000);

        meldungen_ = Testmeldungen{};
        QVERIFY(programmStarten(false));
        QVERIFY(finde<QPushButton>("monat_2")->isChecked());
        QCOMPARE(text("betrag_5"), QStringLiteral("3.000,00"));
        QCOMPARE(text("kommentar_1"), QStringLiteral("Blau mit Teilzeit"));
        QCOMPARE(fenster()->pos(), QPoint(40, 30));
        QVERIFY(meldungen_.gezeigt.empty());
        QVERIFY(fenster()->close());
    }

    // A window that dies keeps its edits: the recovery file follows every edit, the next
    // start offers it back, and a normal exit removes it once the data files hold the work.
    void absturzWiederherstellenOderVerwerfen() {
        for (const bool wiederherstellen : {true, false}) {
            const fs::path dir = verzeichnis(), datei = dir / kWiederherstellungName;
            const auto beiseitegelegt = [&] {
                int anzahl = 0;
                for (const auto& e : fs::directory_iterator(dir))
                    anzahl += e.path().filename().string().starts_with(
                        std::string(kWiederherstellungName) + ".verworfen-");
                return anzahl;
            };
            QVERIFY(programmStarten());
            // The normal weekly hours have the focus at start.
            auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(feld && feld->objectName() == QStringLiteral("betrag_0"));
            feld->selectAll();
            QTest::keyClicks(feld, QStringLiteral("38"));
            QTest::keyClick(feld, Qt::Key_Return);
            QVERIFY(!fs::exists(datei));  // written off the input path
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(datei),
                                     2 * Wiederherstellungsschreiber::kVerzoegerungMs);
            programm_.reset();  // the window dies: no close, no save
            QCOMPARE(gespeichert(dir, 0, zeile::NormalWochenstunden), 4000);

            meldungen_ = Testmeldungen{};
            meldungen_.antwortWiederherstellen = wiederherstellen;
            QVERIFY(programmStarten(false));
            QCOMPARE(meldungen_.wiederherstellungsfragen.size(), std::size_t{1});
            QCOMPARE(text("betrag_0"),
                     wiederherstellen ? QStringLiteral("38,00") : QStringLiteral("40,00"));
            QCOMPARE(beiseitegelegt(), wiederherstellen ? 0 : 1);
            QVERIFY(fenster()->close());
            programm_.reset();
            QCOMPARE(gespeichert(dir, 0, zeile::NormalWochenstunden),
                     wiederherstellen ? 3800 : 4000);
            QVERIFY(!fs::exists(datei));
            QCOMPARE(beiseitegelegt(), wiederherstellen ? 0 : 1);
            QVERIFY(meldungen_.gezeigt.empty());
        }
    }

    // A lock that cannot be taken (here a second name of a file elsewhere) keeps the window
    // off the directory, and nothing is written there or through the lock file.
    void ungeeigneteSperrdateiLaesstDasVerzeichnisInRuhe() {
        QTemporaryDir anderswo;
        std::ofstream(pfad(anderswo) / "draussen") << "draussen";
        fs::create_hard_link(pfad(anderswo) / "draussen",
                             verzeichnis() / Verzeichnissperre::kDateiName);
        Programm programm(verzeichnis(), meldungen_);
        QVERIFY(!programm.starten());
        QVERIFY(programm.fenster() == nullptr);
        QVERIFY(meldungen_.hatTitel("Datenverzeichnis gesperrt"));
        QCOMPARE(std::distance(fs::directory_iterator(verzeichnis()), {}), 1);
        QCOMPARE(inhalt(pfad(anderswo) / "draussen"), std::string("draussen"));
    }

    void beendigungssignalSchliesstUndSpeichert() {
        Beendigungssignale signale;
        QVERIFY(signale.aktiv());
        QVERIFY(programmStarten());
        connect(&signale, &Beendigungssignale::beendenVerlangt, fenster(),
                [this] { programm_->aufSignalBeenden(); });
        gehaltImMaerz();
        QTest::keyClick(finde("betrag_5"), Qt::Key_Tab);

        std::raise(SIGTERM);
        QTRY_VERIFY(!fenster()->isVisible());
        QCOMPARE(gespeichert(verzeichnis(), 11), 300000);
        // Logout or shutdown: no farewell keeps the program alive.
        QVERIFY(programm_->abschiedsfenster() == nullptr);
    }

    void fehlgeschlagenesSpeichernVerliertNichts() {
        QTemporaryDir ausweich;
        QVERIFY(programmStarten());
        gehaltImMaerz();
        // The month file taken away and a directory put in its place: saving must fail.
        fs::remove(verzeichnis() / kMonatsdateiName);
        fs::create_directory(verzeichnis() / kMonatsdateiName);

        // Back to the program: the window stays open, the work with it, and no farewell.
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::Zurueck};
        QVERIFY(!fenster()->close());
        QVERIFY(fenster()->isVisible());
        QVERIFY(programm_->abschiedsfenster() == nullptr);
        QCOMPARE(meldungen_.probleme.size(), std::size_t{1});
        QVERIFY(meldungen_.probleme[0].contains(QString::fromLatin1(kMonatsdateiName)));
        QVERIFY(meldungen_.wiederholbarGefragt[0]);

        // Retrying fails again; then the work goes into another directory.
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::Wiederholen,
                                     Meldungsanzeige::Entscheidung::AnderesVerzeichnis};
        meldungen_.anderesVerzeichnis = pfad(ausweich);
        QVERIFY(fenster()->close());
        QCOMPARE(meldungen_.probleme.size(), std::size_t{3});
        QVERIFY(meldungen_.hatTitel("Gespeichert"));
        QCOMPARE(gespeichert(pfad(ausweich), 2), 300000);
    }

    // A month file that cannot be read is reported at the start and never overwritten; one
    // cut inside a record is reported as kept aside.
    void unlesbareOderBeschaedigteDateiWirdGemeldet() {
        const fs::path monatsdatei = verzeichnis() / kMonatsdateiName;
        fs::create_directory(monatsdatei);  // no file to read
        QVERIFY(programmStarten(false));
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});
        QVERIFY(meldungen_.gezeigt[0].text.find("nicht überschrieben") != std::string::npos);
        // Ending without saving, knowingly: nothing written, and no farewell.
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(fenster()->close());
        QVERIFY(programm_->abschiedsfenster() == nullptr);
        QCOMPARE(meldungen_.wiederholbarGefragt, std::vector<bool>{false});
        QVERIFY(fs::is_directory(monatsdatei));
        QVERIFY(!fs::exists(verzeichnis() / kKopfdateiName));

        QVERIFY(programmStarten() && fenster()->close());
        fs::resize_file(monatsdatei, fs::file_size(monatsdatei) - 100);
        meldungen_ = Testmeldungen{};
        QVERIFY(programmStarten(false));
        QCOMPARE(meldungen_.gezeigt.size(), std::size_t{1});
        QCOMPARE(meldungen_.gezeigt[0].titel, std::string("Datendateien"));
        QVERIFY(meldungen_.gezeigt[0].text.find("aufbewahrt") != std::string::npos);
        QVERIFY(fenster()->close());
    }

    // Printing without a printer: the user is asked, and only an explicit choice of a file
    // that may be written, and is none of the data directory's by any name, writes a PDF.
    void pdfNurAufAusdruecklichenWunsch() {
        if (!ohneDrucker()) QSKIP("this machine has a default printer");
        const fs::path dir = verzeichnis();
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
        const druck::Dokument bericht = druck::Seitenaufbau("Bericht").text("Inhalt").fertig();
        for (const auto& f : faelle) {
            meldungen_ = Testmeldungen{};
            meldungen_.antwortJa = f.ja;
            meldungen_.pdfDatei = dir / f.datei;
            fs::remove(dir / "bericht.pdf");
            druckenOderPdfAnbieten(bericht, meldungen_);
            QCOMPARE(meldungen_.fragen.size(), 1);
            QVERIFY(meldungen_.fragen.front().contains(QStringLiteral("kein Drucker")));
            QCOMPARE(meldungen_.pdfVorschlaege.size(), f.ja ? 1u : 0u);
            if (f.ja) QVERIFY(meldungen_.pdfVorschlaege.front().endsWith("Bericht.pdf"));
            QCOMPARE(fs::exists(dir / "bericht.pdf"), f.geschrieben);
            // Nothing to say after a written file; an error for a file that was to be written.
            QCOMPARE(meldungen_.gezeigt.size(), f.ja && !f.geschrieben ? 1u : 0u);
            for (const Meldung& m : meldungen_.gezeigt) QCOMPARE(m.symbol, Meldung::Symbol::Fehler);
        }
        QCOMPARE(inhalt(dir / "Brelvanostik.da1"), std::string("monate"));
        QVERIFY(!fs::exists(dir / "Brelvanostik.lock"));
        laufendesDatenverzeichnisSetzen(".");
    }
};

QTEST_MAIN(ProgrammTest)
#include "programm_test.moc"
