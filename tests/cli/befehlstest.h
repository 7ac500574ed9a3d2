// What the tool's tests share: one call of the tool and a fresh data directory per test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../workspace/testhilfen.h"
#include "cli/befehle.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

/// The status and the two outputs of one call.
struct Lauf {
    int status;
    std::string aus, fehler;
};

inline Lauf lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = ausfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

/// A call written as on the command line: words separated by blanks, "@" standing for `dir`.
inline std::vector<std::string> worte(const std::string& zeile,
                                      const std::filesystem::path& dir = {}) {
    std::vector<std::string> v;
    std::size_t ab = 0;
    while (ab <= zeile.size()) {
        const auto ende = std::min(zeile.find(' ', ab), zeile.size());
        std::string wort = zeile.substr(ab, ende - ab);
        ab = ende + 1;
        if (wort.empty()) continue;
        if (const auto at = wort.find('@'); at != std::string::npos)
            wort.replace(at, 1, dir.string());
        v.push_back(wort);
    }
    return v;
}

inline Lauf lauf(const std::string& zeile) {
    return lauf(worte(zeile));
}

/// Every file of a directory with its bytes.
inline std::map<std::string, test::Bytes> alleDateien(const std::filesystem::path& verzeichnis) {
    std::map<std::string, test::Bytes> alle;
    for (const std::string& name : test::dateinamen(verzeichnis))
        alle[name] = test::dateiInhalt(verzeichnis / name);
    return alle;
}

/// A test with a data directory of its own, removed afterwards.
class Verzeichnistest : public ::testing::Test {
  protected:
    /// The command (the first word) run on this test's directory.
    Lauf starte(const std::string& zeile) {
        std::vector<std::string> argumente = worte(zeile, dir);
        argumente.insert(argumente.begin() + 1, {"--dir", dir.string()});
        return lauf(argumente);
    }
    /// A file's bytes; a relative name is taken in the test's directory.
    std::string inhalt(const std::filesystem::path& pfad) const {
        std::ifstream ein(pfad.is_absolute() ? pfad : dir / pfad, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    /// Both data files' bytes, to show that a command changed neither.
    std::string datendateien() const { return inhalt(kMonatsdateiName) + inhalt(kKopfdateiName); }

    test::TempVerzeichnis verzeichnis_;
    const std::filesystem::path dir = verzeichnis_.pfad;
};

}  // namespace brelvanostik::cli
