// Start and exit of the program in a working directory: where that directory is, the work
// survives a restart and a crash, a second copy does not start, a terminate signal saves,
// a failed save loses nothing.
#include <QScreen>

#include <csignal>
#include <fstream>
#include <iterator>

#include "fenstertest.h"
#include "ui/abschiedsfenster.h"
#include "ui/beendigungssignale.h"
#include "ui/datenverzeichnis.h"
#include "ui/wiederherstellungsschreiber.h"
#include "workspace/datendateien.h"
#include "workspace/wiederherstellung.h"

using namespace brelvanostik;
namespace fs = std::filesystem;

namespace {

fs::path pfad(const QTemporaryDir& verzeichnis) {
    return verzeichnis.path().toStdString();
}

template <class T = QWidget>
T* finde(const Programm& programm, const char* name) {
    T* widget = programm.fenster()->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("Kein Steuerelement %s", name);
    return widget;
}

/// March, green salary 3000, typed but not confirmed.
void gehaltImMaerz(const Programm& programm) {
    QTest::mouseClick(finde(programm, "monat_2"), Qt::LeftButton);
    QTest::mouseClick(finde(programm, "betrag_5"), Qt::LeftButton);
    QTest::keyClicks(finde(programm, "betrag_5"), QStringLiteral("3000"));
}

std::int32_t gespeichert(const fs::path& verzeichnis, int monat, int zeile = zeile::Gehalt) {
    return laden(verzeichnis).arbeitsbereich.monat(3, 0, monat).Betrag[zeile];
}

std::string inhalt(const fs::path& datei) {
    std::ifstream ein(datei);
    return {std::istreambuf_iterator<char>(ein), {}};
}

/// The month file taken away and a directory put in its place: saving must fail.
void monatsdateiVersperren(const fs::path& verzeichnis) {
    fs::remove(verzeichnis / kMonatsdateiName);
    fs::create_directory(verzeichnis / kMonatsdateiName);
}

}  // namespace

class ProgrammTest : public QObject {
    Q_OBJECT
  private slots:
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
            const auto verzeichnis = datenverzeichnis(fall.argumente, fehler);
            QVERIFY(verzeichnis && fs::is_directory(*verzeichnis) && fehler.isEmpty());
            QCOMPARE(QString::fromStdString(verzeichnis->string()),
                     QString::fromStdString(fall.erwartet.string()));
        }
        fs::remove(menue);
        std::ofstream(menue) << "eine Datei";
        QVERIFY(!datenverzeichnis({"brelvanostik", "--menue"}, fehler));
        QVERIFY(fehler.contains(QStringLiteral("kann nicht angelegt werden")));
    }

    void neustartZeigtDieArbeitWieVerlassen() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        {
            auto programm = starten(pfad(verzeichnis), meldungen);
            QVERIFY(programm);
            gehaltImMaerz(*programm);  // typed, not yet confirmed: closing still keeps it
            auto* kommentar = finde<QLineEdit>(*programm, "kommentar_1");
            kommentar->clear();
            QTest::keyClicks(kommentar, QStringLiteral("Blau mit Teilzeit"));
            programm->fenster()->move(40, 30);
            QVERIFY(programm->fenster()->close());
        }
        const Ladeergebnis geladen = laden(pfad(verzeichnis));
        QCOMPARE(geladen.einstellungen.Monat, 3);  // the last month button + 1
        QCOMPARE(geladen.einstellungen.Links, 40 * 15);
        QCOMPARE(geladen.einstellungen.Oben, 30 * 15);

        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        QVERIFY(finde<QPushButton>(*programm, "monat_2")->isChecked());
        QCOMPARE(finde<QLineEdit>(*programm, "betrag_5")->text(), QStringLiteral("3.000,00"));
        QCOMPARE(finde<QLineEdit>(*programm, "kommentar_1")->text(),
                 QStringLiteral("Blau mit Teilzeit"));
        QCOMPARE(programm->fenster()->pos(), QPoint(40, 30));
        QVERIFY(meldungen.gezeigt.empty());
        QVERIFY(programm->fenster()->close());
    }

    // A window that dies keeps its edits: the recovery file follows every edit, the next
    // start offers it back, and a normal exit removes it once the data files hold the work.
    void absturzWiederherstellenOderVerwerfen() {
        for (const bool wiederherstellen : {true, false}) {
            QTemporaryDir temp;
            const fs::path verzeichnis = pfad(temp), datei = verzeichnis / kWiederherstellungName;
            const auto beiseitegelegt = [&] {
                int anzahl = 0;
                for (const auto& e : fs::directory_iterator(verzeichnis))
                    anzahl += e.path().filename().string().starts_with(
                        std::string(kWiederherstellungName) + ".verworfen-");
                return anzahl;
            };
            Testmeldungen meldungen;
            {
                auto programm = starten(verzeichnis, meldungen);
                QVERIFY(programm);
                // The normal weekly hours have the focus at start.
                auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                QVERIFY(feld && feld->objectName() == QStringLiteral("betrag_0"));
                feld->selectAll();
                QTest::keyClicks(feld, QStringLiteral("38"));
                QTest::keyClick(feld, Qt::Key_Return);
                QVERIFY(!fs::exists(datei));  // written off the input path
                QTRY_VERIFY_WITH_TIMEOUT(fs::exists(datei),
                                         2 * Wiederherstellungsschreiber::kVerzoegerungMs);
                // The window dies: no close, no save.
            }
            QCOMPARE(gespeichert(verzeichnis, 0, zeile::NormalWochenstunden), 4000);

            meldungen = Testmeldungen{};
            meldungen.antwortWiederherstellen = wiederherstellen;
            auto programm = starten(verzeichnis, meldungen);
            QVERIFY(programm);
            QCOMPARE(meldungen.wiederherstellungsfragen.size(), std::size_t{1});
            QCOMPARE(finde<QLineEdit>(*programm, "betrag_0")->text(),
                     wiederherstellen ? QStringLiteral("38,00") : QStringLiteral("40,00"));
            QCOMPARE(beiseitegelegt(), wiederherstellen ? 0 : 1);
            QVERIFY(programm->fenster()->close());
            programm.reset();
            QCOMPARE(gespeichert(verzeichnis, 0, zeile::NormalWochenstunden),
                     wiederherstellen ? 3800 : 4000);
            QVERIFY(!fs::exists(datei));
            QCOMPARE(beiseitegelegt(), wiederherstellen ? 0 : 1);
            QVERIFY(meldungen.gezeigt.empty());
        }
    }

    void zweiteKopieImSelbenVerzeichnisStartetNicht() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        auto erste = starten(pfad(verzeichnis), meldungen);
        QVERIFY(erste);
        Programm zweite(pfad(verzeichnis), meldungen);
        QVERIFY(!zweite.starten());
        QVERIFY(zweite.fenster() == nullptr);
        QVERIFY(meldungen.hatTitel("Brelvanostik läuft bereits"));

        gehaltImMaerz(*erste);
        QVERIFY(erste->fenster()->close());
        erste.reset();
        QCOMPARE(gespeichert(pfad(verzeichnis), 2), 300000);
        Programm dritte(pfad(verzeichnis), meldungen);
        QVERIFY(dritte.starten());
        QVERIFY(dritte.fenster()->close());
    }

    // A lock that cannot be taken (here a second name of a file elsewhere) keeps the window
    // off the directory, and nothing is written there or through the lock file.
    void ungeeigneteSperrdateiLaesstDasVerzeichnisInRuhe() {
        QTemporaryDir verzeichnis, anderswo;
        std::ofstream(pfad(anderswo) / "draussen") << "draussen";
        fs::create_hard_link(pfad(anderswo) / "draussen",
                             pfad(verzeichnis) / Verzeichnissperre::kDateiName);
        Testmeldungen meldungen;
        Programm programm(pfad(verzeichnis), meldungen);
        QVERIFY(!programm.starten());
        QVERIFY(programm.fenster() == nullptr);
        QVERIFY(meldungen.hatTitel("Datenverzeichnis gesperrt"));
        QCOMPARE(std::distance(fs::directory_iterator(pfad(verzeichnis)), {}), 1);
        QCOMPARE(inhalt(pfad(anderswo) / "draussen"), std::string("draussen"));
    }

    void beendigungssignalSchliesstUndSpeichert() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        Beendigungssignale signale;
        QVERIFY(signale.aktiv());
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        connect(&signale, &Beendigungssignale::beendenVerlangt, programm->fenster(),
                [&programm] { programm->aufSignalBeenden(); });
        gehaltImMaerz(*programm);
        QTest::keyClick(finde(*programm, "betrag_5"), Qt::Key_Tab);

        std::raise(SIGTERM);
        QTRY_VERIFY(!programm->fenster()->isVisible());
        QCOMPARE(gespeichert(pfad(verzeichnis), 11), 300000);
        // Logout or shutdown: no farewell keeps the program alive.
        QVERIFY(programm->abschiedsfenster() == nullptr);
    }

    // The farewell comes after a save that worked, and only then; "Schließen" closes it.
    void abschiedNachGelungenemSpeichern() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        QVERIFY(programm->fenster()->close());
        Abschiedsfenster* abschied = programm->abschiedsfenster();
        QVERIFY(abschied != nullptr && abschied->isVisible());
        QVERIFY(abschied->windowTitle().endsWith(QStringLiteral("Auf Wiedersehen!")));
        QVERIFY(
            abschied->frameGeometry().contains(abschied->screen()->availableGeometry().center()));
        // Closing the main window again (a late signal) shows no second farewell.
        QVERIFY(programm->fenster()->close());
        QCOMPARE(programm->abschiedsfenster(), abschied);
        QTest::mouseClick(abschied->findChild<QPushButton*>(QStringLiteral("schliessen")),
                          Qt::LeftButton);
        QVERIFY(!abschied->isVisible());
    }

    void fehlgeschlagenesSpeichernVerliertNichts() {
        QTemporaryDir verzeichnis, ausweich;
        Testmeldungen meldungen;
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        gehaltImMaerz(*programm);
        monatsdateiVersperren(pfad(verzeichnis));

        // Back to the program: the window stays open, the work with it, and no farewell.
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::Zurueck};
        QVERIFY(!programm->fenster()->close());
        QVERIFY(programm->fenster()->isVisible());
        QVERIFY(programm->abschiedsfenster() == nullptr);
        QCOMPARE(meldungen.probleme.size(), std::size_t{1});
        QVERIFY(meldungen.probleme[0].contains(QString::fromLatin1(kMonatsdateiName)));
        QVERIFY(meldungen.wiederholbarGefragt[0]);

        // Retrying fails again; then the work goes into another directory.
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::Wiederholen,
                                    Meldungsanzeige::Entscheidung::AnderesVerzeichnis};
        meldungen.anderesVerzeichnis = pfad(ausweich);
        QVERIFY(programm->fenster()->close());
        QCOMPARE(meldungen.probleme.size(), std::size_t{3});
        QVERIFY(meldungen.hatTitel("Gespeichert"));
        QCOMPARE(gespeichert(pfad(ausweich), 2), 300000);
    }

    void unlesbareDateiWirdNichtUeberschrieben() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        fs::create_directory(pfad(verzeichnis) / kMonatsdateiName);  // no file to read
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        QCOMPARE(meldungen.gezeigt.size(), std::size_t{1});
        QVERIFY(meldungen.gezeigt[0].text.find("nicht überschrieben") != std::string::npos);

        // Ending without saving, knowingly: nothing written, and no farewell.
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(programm->fenster()->close());
        QVERIFY(programm->abschiedsfenster() == nullptr);
        QCOMPARE(meldungen.wiederholbarGefragt, std::vector<bool>{false});
        QVERIFY(fs::is_directory(pfad(verzeichnis) / kMonatsdateiName));
        QVERIFY(!fs::exists(pfad(verzeichnis) / kKopfdateiName));
    }

    void beschaedigteDateiWirdGemeldet() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        QVERIFY(starten(pfad(verzeichnis), meldungen)->fenster()->close());
        // Cut the month file inside a record.
        const fs::path monatsdatei = pfad(verzeichnis) / kMonatsdateiName;
        fs::resize_file(monatsdatei, fs::file_size(monatsdatei) - 100);
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        QCOMPARE(meldungen.gezeigt.size(), std::size_t{1});
        QCOMPARE(meldungen.gezeigt[0].titel, std::string("Datendateien"));
        QVERIFY(meldungen.gezeigt[0].text.find("aufbewahrt") != std::string::npos);
        QVERIFY(programm->fenster()->close());
    }
};

QTEST_MAIN(ProgrammTest)
#include "programm_test.moc"
