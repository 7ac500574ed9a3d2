// Start and exit of the program in a working directory: the work survives a restart, a
// second copy does not start, a terminate signal saves, a failed save loses nothing.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "testmeldungen.h"
#include "ui/abschiedsfenster.h"
#include "ui/beendigungssignale.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "workspace/datendateien.h"

using namespace brelvanostik;
namespace fs = std::filesystem;

namespace {

fs::path pfad(const QTemporaryDir& verzeichnis) {
    return fs::path(verzeichnis.path().toStdString());
}

/// A started program with its window shown and active.
std::unique_ptr<Programm> starten(const fs::path& verzeichnis, Testmeldungen& meldungen) {
    auto programm = std::make_unique<Programm>(verzeichnis, meldungen);
    if (!programm->starten()) return nullptr;
    programm->fenster()->show();
    programm->fenster()->activateWindow();
    if (!QTest::qWaitForWindowActive(programm->fenster())) return nullptr;
    return programm;
}

template <class T = QWidget>
T* finde(const Programm& programm, const char* name) {
    T* widget = programm.fenster()->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("Kein Steuerelement %s", name);
    return widget;
}

/// March, green salary 3000, typed and confirmed with Tab.
void gehaltImMaerz(const Programm& programm) {
    QTest::mouseClick(finde(programm, "monat_2"), Qt::LeftButton);
    auto* feld = finde<QLineEdit>(programm, "betrag_5");
    QTest::mouseClick(feld, Qt::LeftButton);
    QTest::keyClicks(feld, QStringLiteral("3000"));
}

std::int32_t gespeichertesGehalt(const fs::path& verzeichnis, int monat) {
    return laden(verzeichnis).arbeitsbereich.monat(3, 0, monat).Betrag[5];
}

}  // namespace

class ProgrammTest : public QObject {
    Q_OBJECT
  private slots:
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
        QCOMPARE(gespeichertesGehalt(pfad(verzeichnis), 2), 300000);
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
        std::ifstream ein(pfad(anderswo) / "draussen");
        QCOMPARE(std::string(std::istreambuf_iterator<char>(ein), {}), std::string("draussen"));
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
        QCOMPARE(gespeichertesGehalt(pfad(verzeichnis), 11), 300000);
        // Logout or shutdown: no farewell keeps the program alive.
        QVERIFY(programm->abschiedsfenster() == nullptr);
    }

    // The farewell comes after a save that worked, and only then; "Schließen" closes it.
    void abschiedNachGelungenemSpeichern() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        fs::remove(pfad(verzeichnis) / kMonatsdateiName);
        fs::create_directory(pfad(verzeichnis) / kMonatsdateiName);
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::Zurueck};
        QVERIFY(!programm->fenster()->close());
        QVERIFY(programm->abschiedsfenster() == nullptr);
        // Ending without saving, knowingly: no farewell either.
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(programm->fenster()->close());
        QVERIFY(programm->abschiedsfenster() == nullptr);

        QTemporaryDir zweites;
        auto gut = starten(pfad(zweites), meldungen);
        QVERIFY(gut);
        QVERIFY(gut->fenster()->close());
        Abschiedsfenster* abschied = gut->abschiedsfenster();
        QVERIFY(abschied != nullptr);
        QVERIFY(abschied->isVisible());
        QVERIFY(abschied->windowTitle().endsWith(QStringLiteral("Auf Wiedersehen!")));
        QVERIFY(
            abschied->frameGeometry().contains(abschied->screen()->availableGeometry().center()));
        // Closing the main window again (a late signal) shows no second farewell.
        QVERIFY(gut->fenster()->close());
        QCOMPARE(gut->abschiedsfenster(), abschied);
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
        // The month file is taken away and a directory put in its place: saving must fail.
        fs::remove(pfad(verzeichnis) / kMonatsdateiName);
        fs::create_directory(pfad(verzeichnis) / kMonatsdateiName);

        // Back to the program: the window stays open, the work with it.
        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::Zurueck};
        QVERIFY(!programm->fenster()->close());
        QVERIFY(programm->fenster()->isVisible());
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
        QCOMPARE(gespeichertesGehalt(pfad(ausweich), 2), 300000);
    }

    void unlesbareDateiWirdNichtUeberschrieben() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        fs::create_directory(pfad(verzeichnis) / kMonatsdateiName);  // no file to read
        auto programm = starten(pfad(verzeichnis), meldungen);
        QVERIFY(programm);
        QCOMPARE(meldungen.gezeigt.size(), std::size_t{1});
        QVERIFY(meldungen.gezeigt[0].text.find("nicht überschrieben") != std::string::npos);

        meldungen.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        QVERIFY(programm->fenster()->close());
        QCOMPARE(meldungen.wiederholbarGefragt, std::vector<bool>{false});
        QVERIFY(fs::is_directory(pfad(verzeichnis) / kMonatsdateiName));
        QVERIFY(!fs::exists(pfad(verzeichnis) / kKopfdateiName));
    }

    void beschaedigteDateiWirdGemeldet() {
        QTemporaryDir verzeichnis;
        Testmeldungen meldungen;
        {
            auto programm = starten(pfad(verzeichnis), meldungen);
            QVERIFY(programm && programm->fenster()->close());
        }
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
