// Brelvanostik: the desktop program. Works on the data files of the current directory, or of
// ~/Brelvanostik when the desktop menu starts it.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/beendigungssignale.h"
#include "ui/datenverzeichnis.h"
#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/programm.h"

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelvanostik"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Qt's own dialogs and standard buttons speak German as well: Qt's catalogue where Qt
    // keeps it, else the copy installed beside the program (share/brelvanostik/translations).
    QTranslator qtDeutsch;
    const QString programmeigene =
        QDir(QApplication::applicationDirPath())
            .filePath(QStringLiteral("../share/brelvanostik/translations"));
    for (const QString& ort :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), programmeigene}) {
        if (qtDeutsch.load(QStringLiteral("qtbase_de"), ort)) {
            QApplication::installTranslator(&qtDeutsch);
            break;
        }
    }

    // Logout, shutdown or a terminate close the window the normal way, which saves.
    brelvanostik::Beendigungssignale signale;

    brelvanostik::Meldungsfenster meldungen;
    QString fehler;
    const std::optional<std::filesystem::path> verzeichnis =
        brelvanostik::datenverzeichnis(QApplication::arguments(), fehler);
    if (!verzeichnis) {
        meldungen.zeigen(
            {"Brelvanostik", fehler.toStdString(), brelvanostik::Meldung::Symbol::Fehler});
        return 1;
    }
    brelvanostik::Programm programm(*verzeichnis, meldungen);
    if (!programm.starten()) return 1;
    brelvanostik::Hauptfenster* fenster = programm.fenster();
    meldungen.elternSetzen(fenster);
    QObject::connect(&signale, &brelvanostik::Beendigungssignale::beendenVerlangt, fenster,
                     [&programm] { programm.aufSignalBeenden(); });
    fenster->show();
    return QApplication::exec();
}
