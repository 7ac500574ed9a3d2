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

#include <unistd.h>

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
inline std::map<std::string, std::string> alleDateien(const std::filesystem::path& verzeichnis) {
    std::map<std::string, std::string> alle;
    for (const auto& e : std::filesystem::directory_iterator(verzeichnis)) {
        std::ifstream ein(e.path(), std::ios::binary);
        alle[e.path().filename().string()] = {std::istreambuf_iterator<char>(ein), {}};
    }
    return alle;
}

/// A test with a data directory of its own, removed afterwards.
class Verzeichnistest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("brelvanostik-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

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

    std::filesystem::path dir;
};

}  // namespace brelvanostik::cli
