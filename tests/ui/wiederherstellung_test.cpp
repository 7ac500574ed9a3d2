// A window that dies keeps its edits: the recovery file follows every edit, the next start
// offers it back, and a normal exit removes it once the data files hold the work.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

#include "testmeldungen.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/wiederherstellungsschreiber.h"
#include "workspace/datendateien.h"
#include "workspace/wiederherstellung.h"
#include "workspace/zeilen.h"

using namespace brelvanostik;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<Programm> starten(const fs::path& verzeichnis, Testmeldungen& meldungen) {
    auto programm = std::make_unique<Programm>(verzeichnis, meldungen);
    if (!programm->starten()) return nullptr;
    programm->fenster()->show();
    programm->fenster()->activateWindow();
    if (!QTest::qWaitForWindowActive(programm->fenster())) return nullptr;
    return programm;
}

std::int32_t gespeicherteWochenstunden(const fs::path& verzeichnis) {
    return laden(verzeichnis).arbeitsbereich.monat(3, 0, 0).Betrag[zeile::NormalWochenstunden];
}

std::vector<std::string> beiseitegelegte(const fs::path& verzeichnis) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(verzeichnis)) {
        const std::string name = e.path().filename().string();
        if (name.rfind(std::string(kWiederherstellungName) + ".verworfen-", 0) == 0)
            namen.push_back(name);
    }
    return namen;
}

}  // namespace

class WiederherstellungTest : public QObject {
    Q_OBJECT
  private slots:
    void absturzWiederherstellenOderVerwerfen() {
        for (const bool wiederherstellen : {true, false}) {
            QTemporaryDir temp;
            const fs::path verzeichnis = temp.path().toStdString();
            const fs::path datei = verzeichnis / kWiederherstellungName;
            Testmeldungen meldungen;
            {
                auto programm = starten(verzeichnis, meldungen);
                QVERIFY(programm);
                // The normal weekly hours have the focus at start.
                auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                QVERIFY(feld);
                QCOMPARE(feld->objectName(), QStringLiteral("betrag_0"));
                feld->selectAll();
                QTest::keyClicks(feld, QStringLiteral("38"));
                QTest::keyClick(feld, Qt::Key_Return);
                QVERIFY(!fs::exists(datei));  // written off the input path
                QTRY_VERIFY_WITH_TIMEOUT(fs::exists(datei),
                                         2 * Wiederherstellungsschreiber::kVerzoegerungMs);
                // The window dies: no close, no save.
            }
            QCOMPARE(gespeicherteWochenstunden(verzeichnis), 4000);

            meldungen = Testmeldungen{};
            meldungen.antwortWiederherstellen = wiederherstellen;
            auto programm = starten(verzeichnis, meldungen);
            QVERIFY(programm);
            QCOMPARE(meldungen.wiederherstellungsfragen.size(), std::size_t{1});
            QVERIFY(meldungen.wiederherstellungsfragen[0].contains(
                QStringLiteral("letzten Änderung am")));
            QCOMPARE(programm->fenster()->findChild<QLineEdit*>("betrag_0")->text(),
                     wiederherstellen ? QStringLiteral("38,00") : QStringLiteral("40,00"));
            QCOMPARE(beiseitegelegte(verzeichnis).size(), wiederherstellen ? 0u : 1u);
            QVERIFY(programm->fenster()->close());
            programm.reset();
            QCOMPARE(gespeicherteWochenstunden(verzeichnis), wiederherstellen ? 3800 : 4000);
            QVERIFY(!fs::exists(datei));
            QCOMPARE(beiseitegelegte(verzeichnis).size(), wiederherstellen ? 0u : 1u);
            QVERIFY(meldungen.gezeigt.empty());
        }
    }
};

QTEST_MAIN(WiederherstellungTest)
#include "wiederherstellung_test.moc"
