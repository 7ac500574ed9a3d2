#include "basis/ausgabeziel.h"

#include <sys/stat.h>

#include <algorithm>

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

/// The name of the file a path names: "d/x/" and "d/x/." name "x".
std::string letzterName(fs::path pfad) {
    while (pfad.has_relative_path() && (pfad.filename().empty() || pfad.filename() == "."))
        pfad = pfad.parent_path();
    return pfad.filename().string();
}

std::string verweigert(const fs::path& ausgabe, const std::string& was) {
    return "In „" + ausgabe.string() + "“ wird nicht geschrieben: " + was +
           " gehört zu den Datendateien von Brelvanostik. Bitte wählen Sie einen anderen "
           "Dateinamen.";
}

bool gleicheDatei(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool geschuetzterName(std::string_view name, std::span<const std::string_view> namen) {
    return std::any_of(namen.begin(), namen.end(), [name](std::string_view n) {
        return name == n ||
               (name.size() > n.size() && name.substr(0, n.size()) == n && name[n.size()] == '.');
    });
}

std::optional<std::string> ausgabezielPruefen(const fs::path& ausgabe, const fs::path& verzeichnis,
                                              std::span<const std::string_view> namen) {
    // Every name on the way: the path, each link it leads through, and where each spelling
    // ends once the directories on the way are resolved.
    fs::path glied = ausgabe;
    for (int schritt = 0; schritt < 40; ++schritt) {
        std::error_code ec;
        for (const fs::path& form : {glied, fs::weakly_canonical(glied, ec)}) {
            const std::string name = letzterName(form);
            if (geschuetzterName(name, namen)) return verweigert(ausgabe, "„" + name + "“");
        }
        if (!fs::is_symlink(fs::symlink_status(glied, ec))) break;
        const fs::path verweis = fs::read_symlink(glied, ec);
        if (ec) break;
        glied = verweis.is_absolute() ? verweis : glied.parent_path() / verweis;
    }
    // Another name of one of the directory's files.
    struct stat ziel {};
    if (::stat(ausgabe.c_str(), &ziel) != 0) return std::nullopt;
    std::error_code ec;
    for (fs::directory_iterator it(verzeichnis, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!geschuetzterName(name, namen)) continue;
        struct stat st {};
        if ((::stat(it->path().c_str(), &st) == 0 && gleicheDatei(st, ziel)) ||
            (::lstat(it->path().c_str(), &st) == 0 && gleicheDatei(st, ziel))) {
            return verweigert(ausgabe, "die Datei (ein anderer Name für „" + name + "“)");
        }
    }
    return std::nullopt;
}

}  // namespace brelvanostik
