#include "ui/datenverzeichnis.h"

#include <QDir>

#include "ui/meldungen.h"
#include "workspace/datendateien.h"

#include <system_error>

namespace brelvanostik {

std::optional<std::filesystem::path> datenverzeichnis(const QStringList& argumente,
                                                      QString& fehler) {
    std::error_code code;
    if (!argumente.contains(QString::fromLatin1(kMenueArgument))) {
        std::filesystem::path arbeitsverzeichnis = std::filesystem::current_path(code);
        return code ? std::filesystem::path(".") : arbeitsverzeichnis;
    }
    const std::filesystem::path ziel =
        std::filesystem::path(QDir::homePath().toStdString()) / kMenueVerzeichnisName;
    std::filesystem::create_directories(ziel, code);
    if (code || !std::filesystem::is_directory(ziel, code)) {
        fehler =
            QStringLiteral("Das Datenverzeichnis „%1“ kann nicht angelegt werden: %2")
                .arg(QString::fromStdString(ziel.string()),
                     QString::fromLocal8Bit(code ? code.message().c_str() : "kein Verzeichnis"));
        return std::nullopt;
    }
    return ziel;
}

namespace {
std::filesystem::path& datenverzeichnisDesLaufs() {
    static std::filesystem::path verzeichnis = ".";
    return verzeichnis;
}
}  // namespace

const std::filesystem::path& laufendesDatenverzeichnis() {
    return datenverzeichnisDesLaufs();
}

void laufendesDatenverzeichnisSetzen(std::filesystem::path verzeichnis) {
    datenverzeichnisDesLaufs() = std::move(verzeichnis);
}

bool ausgabeZulassen(const std::filesystem::path& ziel, const std::string& titel,
                     Meldungsanzeige& meldungen) {
    const auto verweigert = ausgabeVerweigert(ziel, laufendesDatenverzeichnis());
    if (verweigert) meldungen.zeigen({titel, *verweigert, Meldung::Symbol::Fehler});
    return !verweigert;
}

}  // namespace brelvanostik
