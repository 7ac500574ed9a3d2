#include "cli/pdf_ausgabe.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/befehle.h"
#include "print/qt/druckausgabe.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

namespace {

QGuiApplication& anwendung() {
    if (auto* vorhanden = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return *vorhanden;
    // A command-line tool must not depend on a display being there.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt's start-up notes (a missing runtime directory and the like) are no concern of the
    // tool's caller: standard error carries only the tool's own one-line messages.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    static int argc = 1;
    static char name[] = "brelvanostik-cli";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
    return *app;
}

}  // namespace

int pdfSchreiben(const druck::Dokument& dokument, const std::filesystem::path& datei,
                 const std::filesystem::path& datenverzeichnis, std::string_view vorsatz,
                 std::ostream& fehler) {
    if (const auto verweigert = ausgabeVerweigert(datei, datenverzeichnis)) {
        fehler << vorsatz << zeigbar(*verweigert) << '\n';
        return kFalscherAufruf;
    }
    anwendung();
    std::string text;
    if (!druck::alsPdfSchreiben(dokument, datei, text)) {
        fehler << vorsatz << zeigbar(text) << '\n';
        return kFehler;
    }
    return kErfolg;
}

}  // namespace brelvanostik::cli
