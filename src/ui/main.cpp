// Brelvanostik: the desktop program. Works on the data files of the current directory.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <system_error>

#include "ui/beendigungssignale.h"
#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/programm.h"

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelvanostik"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Qt's own dialogs and standard buttons speak German as well.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }

    // Logout, shutdown or a terminate close the window the normal way, which saves.
    brelvanostik::Beendigungssignale signale;

    std::error_code fehler;
    std::filesystem::path verzeichnis = std::filesystem::current_path(fehler);
    if (fehler) verzeichnis = ".";

    brelvanostik::Meldungsfenster meldungen;
    brelvanostik::Programm programm(verzeichnis, meldungen);
    if (!programm.starten()) return 1;
    brelvanostik::Hauptfenster* fenster = programm.fenster();
    meldungen.elternSetzen(fenster);
    QObject::connect(&signale, &brelvanostik::Beendigungssignale::beendenVerlangt, fenster,
                     [&programm] { programm.aufSignalBeenden(); });
    fenster->show();
    return QApplication::exec();
}
