// Where the program keeps its data: the working directory from a terminal, ~/Brelvanostik
// (created when missing) from the desktop menu.
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "ui/datenverzeichnis.h"

using namespace brelvanostik;
namespace fs = std::filesystem;

class DatenverzeichnisTest : public QObject {
    Q_OBJECT
  private slots:
    void terminalUndMenue() {
        QTemporaryDir heim;
        qputenv("HOME", heim.path().toLocal8Bit());
        const fs::path menue = fs::path(heim.path().toStdString()) / "Brelvanostik";
        struct Fall {
            QStringList argumente;
            fs::path erwartet;
        } faelle[] = {
            {{"brelvanostik"}, fs::current_path()},
            {{"brelvanostik", "--menue"}, menue},  // created
            {{"brelvanostik", "--menue"}, menue},  // already there
        };
        for (const Fall& fall : faelle) {
            QString fehler;
            const auto verzeichnis = datenverzeichnis(fall.argumente, fehler);
            QVERIFY(verzeichnis);
            QCOMPARE(QString::fromStdString(verzeichnis->string()),
                     QString::fromStdString(fall.erwartet.string()));
            QVERIFY(fs::is_directory(*verzeichnis));
            QVERIFY(fehler.isEmpty());
        }
    }

    void menueOhneAnlegbaresVerzeichnis() {
        QTemporaryDir heim;
        qputenv("HOME", heim.path().toLocal8Bit());
        std::ofstream(fs::path(heim.path().toStdString()) / "Brelvanostik") << "eine Datei";
        QString fehler;
        QVERIFY(!datenverzeichnis({"brelvanostik", "--menue"}, fehler));
        QVERIFY(fehler.contains(QStringLiteral("kann nicht angelegt werden")));
    }
};

QTEST_GUILESS_MAIN(DatenverzeichnisTest)
#include "datenverzeichnis_test.moc"
