#include "basis/sicheres_schreiben.h"

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <utility>

#include "basis/pruefsumme.h"
#include "basis/verzeichnissperre.h"

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

std::string systemfehler(int fehlernummer) {
    return std::strerror(fehlernummer);
}

std::string fehlertext(const fs::path& ziel, const std::string& grund) {
    return "Die Datei „" + ziel.string() + "“ konnte nicht gespeichert werden: " + grund;
}

/// Closes a descriptor once, on every path out.
class Deskriptor {
  public:
    explicit Deskriptor(int fd = -1) : fd_(fd) {}
    Deskriptor(Deskriptor&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&& o) noexcept {
        if (this != &o) {
            schliessen();
            fd_ = std::exchange(o.fd_, -1);
        }
        return *this;
    }
    ~Deskriptor() { schliessen(); }
    int get() const { return fd_; }
    /// Leaves the closing to the caller.
    void freigeben() { fd_ = -1; }
    int schliessen() {
        const int rc = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return rc;
    }

  private:
    int fd_;
};

/// Checks a target before anything is written; returns the reason to refuse it.
std::optional<std::string> zielPruefen(const Schreibauftrag& auftrag,
                                       std::optional<mode_t>& modus) {
    struct stat st {};
    if (::stat(auftrag.ziel.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        return fehlertext(auftrag.ziel, systemfehler(errno));
    }
    if (auftrag.nurNeu) return fehlertext(auftrag.ziel, "sie ist bereits vorhanden.");
    if (!S_ISREG(st.st_mode)) return fehlertext(auftrag.ziel, "das ist keine gewöhnliche Datei.");
    // A file without any write permission is protected on purpose, even from a user who
    // could replace it anyway.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(auftrag.ziel.c_str(), W_OK) != 0) {
        return fehlertext(auftrag.ziel, "sie ist schreibgeschützt.");
    }
    modus = st.st_mode & 07777;
    return std::nullopt;
}

fs::path temporaerName(const fs::path& ziel) {
    static std::atomic<unsigned> zaehler{0};
    fs::path name = ziel;
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++);
    return name;
}

/// Writes the contents completely into a new temporary file, left open for the flush.
std::optional<std::string> temporaerSchreiben(const Schreibauftrag& auftrag,
                                              std::optional<mode_t> modus, fs::path& temp,
                                              Deskriptor& fd) {
    // A dead writer of the same process number may have left its file under the name.
    for (int versuch = 0; versuch < 100; ++versuch) {
        temp = temporaerName(auftrag.ziel);
        fd = Deskriptor(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() >= 0 || errno != EEXIST) break;
    }
    if (fd.get() < 0) {
        const int fehler = errno;
        temp.clear();
        return fehlertext(auftrag.ziel, systemfehler(fehler));
    }
    if (modus && ::fchmod(fd.get(), *modus) != 0) {
        return fehlertext(auftrag.ziel, systemfehler(errno));
    }
    std::size_t geschrieben = 0;
    while (geschrieben < auftrag.inhalt.size()) {
        const ssize_t n = ::write(fd.get(), auftrag.inhalt.data() + geschrieben,
                                  auftrag.inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fehlertext(auftrag.ziel, systemfehler(n < 0 ? errno : EIO));
        geschrieben += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

fs::path verzeichnisVon(const fs::path& ziel) {
    return ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
}

/// The steps of a safe save of independent files.
std::optional<std::string> schreiben(std::span<const Schreibauftrag> eingang) {
    // Writes reach the file a link points to; the link itself stays.
    std::vector<Schreibauftrag> auftraege(eingang.begin(), eingang.end());
    for (Schreibauftrag& a : auftraege) {
        if (!a.nurNeu) a.ziel = schreibziel(a.ziel);
    }
    std::vector<std::optional<mode_t>> modi(auftraege.size());
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (auto fehler = zielPruefen(auftraege[i], modi[i])) return fehler;
    }
    std::vector<fs::path> temps(auftraege.size());
    std::vector<Deskriptor> fds(auftraege.size());
    const auto aufraeumen = [&temps, &fds](std::size_t ab) {
        for (std::size_t i = ab; i < temps.size(); ++i) {
            fds[i].schliessen();
            if (!temps[i].empty()) ::unlink(temps[i].c_str());
        }
    };
    // All files are written before any is flushed, so that one flush of the file system
    // journal can carry them together.
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (auto fehler = temporaerSchreiben(auftraege[i], modi[i], temps[i], fds[i])) {
            aufraeumen(0);
            return fehler;
        }
    }
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (::fsync(fds[i].get()) != 0 || fds[i].schliessen() != 0) {
            const std::string grund = systemfehler(errno);
            aufraeumen(0);
            return fehlertext(auftraege[i].ziel, grund);
        }
    }
    std::vector<fs::path> verzeichnisse;
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        const fs::path& ziel = auftraege[i].ziel;
        // A copy that must not replace anything takes its name only where none is.
        const bool ok = ::renameat2(AT_FDCWD, temps[i].c_str(), AT_FDCWD, ziel.c_str(),
                                    auftraege[i].nurNeu ? RENAME_NOREPLACE : 0) == 0;
        if (!ok) {
            const std::string grund =
                errno == EEXIST ? "sie ist bereits vorhanden." : systemfehler(errno);
            std::string text = fehlertext(ziel, grund);
            aufraeumen(i);
            if (i > 0) {
                text += " Bereits ersetzt wurde:";
                for (std::size_t k = 0; k < i; ++k) text += " „" + auftraege[k].ziel.string() + "“";
            }
            return text;
        }
        temps[i].clear();
        const fs::path verzeichnis = verzeichnisVon(ziel);
        if (std::find(verzeichnisse.begin(), verzeichnisse.end(), verzeichnis) ==
            verzeichnisse.end()) {
            verzeichnisse.push_back(verzeichnis);
        }
    }
    for (const fs::path& verzeichnis : verzeichnisse) verzeichnisSichern(verzeichnis);
    return std::nullopt;
}

// ---- A set of files saved together ----

constexpr const char* kAbschlussKennung = "Brelvanostik-Abschluss 2";
constexpr const char* kAbschlussEnde = "ende";
/// A commit record of ours holds a few short lines.
constexpr std::uint64_t kAbschlussGrenze = 4096;

/// Size and checksum of a file's contents, or that it is missing.
struct Fingerabdruck {
    bool vorhanden = false;
    std::uint64_t groesse = 0;
    std::uint64_t pruefsumme = 0;
    bool operator==(const Fingerabdruck&) const = default;
};

/// Nothing for a file that cannot be one of ours (a link, a special or unreadable file).
std::optional<Fingerabdruck> abdruck(const Gelesen& g) {
    if (g.fehler) return std::nullopt;
    if (!g.vorhanden) return Fingerabdruck{};
    return Fingerabdruck{true, g.groesse, pruefsumme(g.bytes)};
}

std::string abdruckText(const Fingerabdruck& f) {
    if (!f.vorhanden) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%llu:%016llx", static_cast<unsigned long long>(f.groesse),
                  static_cast<unsigned long long>(f.pruefsumme));
    return text;
}

std::optional<Fingerabdruck> abdruckLesen(const std::string& text) {
    if (text == "-") return Fingerabdruck{};
    unsigned long long groesse = 0, summe = 0;
    int gelesen = 0;
    if (std::sscanf(text.c_str(), "%llu:%16llx%n", &groesse, &summe, &gelesen) != 2 ||
        static_cast<std::size_t>(gelesen) != text.size()) {
        return std::nullopt;
    }
    return Fingerabdruck{true, groesse, summe};
}

/// A name of a file directly in the directory.
bool schlichterName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return c == '/' || static_cast<unsigned char>(c) < 0x20; });
}

std::string dateiText(const fs::path& verzeichnis, const std::string& name) {
    return "„" + (verzeichnis / name).string() + "“";
}

/// Reads a file of the directory without following a link and without waiting on a special
/// file; at most kLesegrenze bytes.
Gelesen dateiLesen(int dfd, const fs::path& verzeichnis, const std::string& name) {
    Gelesen g;
    Deskriptor fd(
        ::openat(dfd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int fehler = errno;
        if (fehler == ENOENT) return g;
        g.vorhanden = true;
        g.fehler = dateiText(verzeichnis, name) +
                   (fehler == ELOOP ? " ist eine symbolische Verknüpfung; Brelvanostik arbeitet "
                                      "nur mit gewöhnlichen Dateien im Datenverzeichnis."
                                    : " kann nicht gelesen werden: " + systemfehler(fehler));
        return g;
    }
    g.vorhanden = true;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        g.fehler = dateiText(verzeichnis, name) + " ist keine gewöhnliche Datei.";
        return g;
    }
    g.groesse = static_cast<std::uint64_t>(st.st_size);
    g.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(g.groesse, kLesegrenze)));
    std::size_t gelesen = 0;
    while (gelesen < g.bytes.size()) {
        const ssize_t n = ::read(fd.get(), g.bytes.data() + gelesen, g.bytes.size() - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            g.fehler =
                dateiText(verzeichnis, name) + " kann nicht gelesen werden: " + systemfehler(errno);
            g.bytes.clear();
            return g;
        }
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    // A file that shrank meanwhile is taken as far as it goes.
    if (gelesen < g.bytes.size()) {
        g.bytes.resize(gelesen);
        g.groesse = gelesen;
    }
    return g;
}

/// One file a commit record names.
struct Eintrag {
    std::string name, temp;
    Fingerabdruck alt, neu;
};

/// What a commit record found in the directory means.
struct Abschlussbefund {
    enum class Art { Keiner, Vollenden, Fremd } art = Art::Keiner;
    std::vector<Eintrag> eintraege;  ///< per name, in the order of the names
    std::vector<bool> ausstehend;    ///< its temporary file is still to be renamed
    std::vector<Gelesen> neu;        ///< Vollenden: the contents of the completed set
    std::string grund;               ///< Fremd: why it is not applied
};

Abschlussbefund fremd(std::string grund, std::vector<Eintrag> eintraege = {}) {
    Abschlussbefund b;
    b.art = Abschlussbefund::Art::Fremd;
    b.grund = std::move(grund);
    b.eintraege = std::move(eintraege);
    return b;
}

/// Reads the commit record and checks it against the files as they are (`ziele`, read in the
/// order of `namen`): it is completed only over the set it was written for.
Abschlussbefund abschlussPruefen(int dfd, const fs::path& verzeichnis,
                                 std::span<const std::string> namen, const std::string& abschluss,
                                 const std::vector<Gelesen>& ziele) {
    const Gelesen satz = dateiLesen(dfd, verzeichnis, abschluss);
    if (!satz.vorhanden) return {};
    if (satz.fehler) return fremd(*satz.fehler);
    if (satz.groesse > kAbschlussGrenze) return fremd("er ist zu groß für einen Abschlusssatz");
    const std::string text(satz.bytes.begin(), satz.bytes.end());
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0; anfang < text.size();) {
        const std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) break;
        zeilen.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    if (zeilen.size() != namen.size() + 2 || zeilen.front() != kAbschlussKennung ||
        zeilen.back() != kAbschlussEnde) {
        return fremd("er ist unvollständig oder hat eine unbekannte Form");
    }
    std::vector<Eintrag> eintraege(namen.size());
    std::vector<bool> gefunden(namen.size(), false);
    for (std::size_t z = 1; z + 1 < zeilen.size(); ++z) {
        std::vector<std::string> felder;
        for (std::size_t anfang = 0;;) {
            const std::size_t ende = zeilen[z].find('\t', anfang);
            felder.push_back(zeilen[z].substr(anfang, ende - anfang));
            if (ende == std::string::npos) break;
            anfang = ende + 1;
        }
        if (felder.size() != 4) return fremd("er hat eine unbekannte Form");
        const auto stelle = std::find(namen.begin(), namen.end(), felder[0]);
        const auto alt = abdruckLesen(felder[2]);
        const auto neu = abdruckLesen(felder[3]);
        // Only the files of the set and their own temporary files, by plain names.
        if (stelle == namen.end() || !schlichterName(felder[1]) ||
            felder[1].rfind(felder[0] + ".tmp-", 0) != 0 || !alt || !neu || !neu->vorhanden) {
            return fremd("er nennt Dateien, die nicht zu den Datendateien gehören");
        }
        const auto i = static_cast<std::size_t>(stelle - namen.begin());
        if (gefunden[i]) return fremd("er nennt eine Datei zweimal");
        gefunden[i] = true;
        eintraege[i] = {felder[0], felder[1], *alt, *neu};
    }
    Abschlussbefund b;
    b.art = Abschlussbefund::Art::Vollenden;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const Eintrag& e = eintraege[i];
        Gelesen temp = dateiLesen(dfd, verzeichnis, e.temp);
        const auto ziel = abdruck(ziele[i]);
        if (temp.vorhanden && abdruck(temp) == e.neu && ziel == e.alt) {
            b.ausstehend.push_back(true);
            b.neu.push_back(std::move(temp));
        } else if (!temp.vorhanden && ziel == e.neu) {
            b.ausstehend.push_back(false);
            b.neu.push_back(ziele[i]);
        } else {
            return fremd("er passt nicht zu den Dateien, wie sie jetzt sind", std::move(eintraege));
        }
    }
    b.eintraege = std::move(eintraege);
    return b;
}

std::string ohnePunkt(std::string text) {
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

/// Counts the system calls of a save, so that a test can stop or fail any one of them.
class Schritte {
  public:
    /// 0 to go on, or the error number the call is to fail with.
    int naechster() { return schreibschritt ? schreibschritt(++zaehler_) : 0; }
    /// Runs `aufruf` unless the test fails it; its result, with errno set on failure.
    template <typename F>
    auto operator()(F aufruf) {
        if (const int fehler = naechster()) {
            errno = fehler;
            return decltype(aufruf())(-1);
        }
        return aufruf();
    }

  private:
    int zaehler_ = 0;
};

/// Puts a record that does not fit the files aside, with its temporary files, under dated
/// names, so that nothing of it is lost and nothing of it is applied.
std::optional<std::string> beiseitelegen(int dfd, const fs::path& verzeichnis,
                                         const std::string& abschluss,
                                         const std::vector<Eintrag>& eintraege, Schritte& schritt) {
    const std::string stempel = ".beiseite-" + zeitstempel();
    std::vector<std::pair<std::string, std::string>> namen = {{abschluss, abschluss}};
    for (const Eintrag& e : eintraege) {
        struct stat st {};
        if (!e.temp.empty() && ::fstatat(dfd, e.temp.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            namen.emplace_back(e.temp, e.name);
    }
    for (const auto& [alt, stamm] : namen) {
        int rc = -1;
        for (int versuch = 1; versuch <= 100 && rc != 0; ++versuch) {
            const std::string neu =
                stamm + stempel + (versuch == 1 ? "" : "-" + std::to_string(versuch));
            rc = schritt(
                [&] { return ::renameat2(dfd, alt.c_str(), dfd, neu.c_str(), RENAME_NOREPLACE); });
            if (rc != 0 && errno != EEXIST) break;
        }
        if (rc != 0) {
            return dateiText(verzeichnis, alt) +
                   " konnte nicht beiseitegelegt werden: " + systemfehler(errno);
        }
    }
    schritt([&] { return ::fsync(dfd); });
    return std::nullopt;
}

/// Removes the temporary files that stopped writers left beside the files of the set (also
/// those of their copies, "NAME.beschaedigt-….tmp-…"). Only for the directory's one writer.
void resteEntfernen(int dfd, std::span<const std::string> staemme) {
    const int kopie = ::dup(dfd);
    if (kopie < 0) return;
    DIR* liste = ::fdopendir(kopie);
    if (liste == nullptr) {
        ::close(kopie);
        return;
    }
    std::vector<std::string> weg;
    while (const dirent* e = ::readdir(liste)) {
        const std::string name = e->d_name;
        if (name.find(".tmp-") == std::string::npos) continue;
        const bool unser = std::any_of(staemme.begin(), staemme.end(), [&](const std::string& s) {
            return name.rfind(s + ".", 0) == 0;
        });
        struct stat st {};
        if (unser && ::fstatat(dfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            weg.push_back(name);
        }
    }
    ::closedir(liste);
    for (const std::string& name : weg) ::unlinkat(dfd, name.c_str(), 0);
}

std::string temporaerSatzname(const std::string& name) {
    static std::atomic<unsigned> zaehler{0};
    return name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++);
}

/// Writes one temporary file completely and forces it to disk.
bool temporaerAnlegen(int dfd, const std::string& temp, std::span<const std::uint8_t> inhalt,
                      std::optional<mode_t> modus, Schritte& schritt) {
    Deskriptor fd(schritt([&] {
        return ::openat(dfd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        0666);
    }));
    if (fd.get() < 0) return false;
    if (modus && schritt([&] { return ::fchmod(fd.get(), *modus); }) != 0) return false;
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = schritt([&] {
            return ::write(fd.get(), inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        });
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    if (schritt([&] { return ::fsync(fd.get()); }) != 0) return false;
    const int deskriptor = fd.get();
    fd.freigeben();
    return schritt([&] { return ::close(deskriptor); }) == 0;
}

std::string speicherText(const fs::path& verzeichnis, const std::string& name,
                         const std::string& grund) {
    return fehlertext(verzeichnis / name, grund);
}

Ersetzung ersetzen(const Verzeichnissperre& sperre, std::span<const Satzdatei> dateien,
                   const std::string& abschluss) {
    const fs::path& verzeichnis = sperre.verzeichnis();
    std::string grund;
    const auto ersetzung =
        Ersetzungssperre::nehmen(verzeichnis, Ersetzungssperre::Art::Ersetzen, grund);
    if (!ersetzung) return {grund, false};
    const int dfd = ersetzung->verzeichnisFd();
    Schritte schritt;
    std::vector<std::string> namen;
    for (const Satzdatei& d : dateien) namen.push_back(d.name);

    // What a stopped writer left: completed when it fits the files, else set aside.
    std::vector<Gelesen> alt;
    for (const std::string& name : namen) alt.push_back(dateiLesen(dfd, verzeichnis, name));
    Abschlussbefund befund = abschlussPruefen(dfd, verzeichnis, namen, abschluss, alt);
    if (befund.art == Abschlussbefund::Art::Vollenden) {
        for (std::size_t i = 0; i < namen.size(); ++i) {
            if (!befund.ausstehend[i]) continue;
            if (schritt([&] {
                    return ::renameat(dfd, befund.eintraege[i].temp.c_str(), dfd, namen[i].c_str());
                }) != 0) {
                return {speicherText(verzeichnis, namen[i],
                                     "ein früheres, abgebrochenes Speichern lässt sich nicht "
                                     "abschließen (" +
                                         systemfehler(errno) + ")."),
                        false};
            }
        }
        schritt([&] { return ::fsync(dfd); });
        if (schritt([&] { return ::unlinkat(dfd, abschluss.c_str(), 0); }) != 0) {
            return {speicherText(verzeichnis, abschluss, systemfehler(errno)), false};
        }
        schritt([&] { return ::fsync(dfd); });
        alt = std::move(befund.neu);
    } else if (befund.art == Abschlussbefund::Art::Fremd) {
        if (auto fehler = beiseitelegen(dfd, verzeichnis, abschluss, befund.eintraege, schritt))
            return {fehler, false};
    }

    // The targets: missing, or plain files the user may write.
    std::vector<std::optional<mode_t>> modi(namen.size());
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (!alt[i].vorhanden) continue;
        struct stat st {};
        if (::fstatat(dfd, namen[i].c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return {speicherText(verzeichnis, namen[i], systemfehler(errno)), false};
        if (S_ISLNK(st.st_mode)) {
            return {speicherText(verzeichnis, namen[i],
                                 "sie ist eine symbolische Verknüpfung; Brelvanostik arbeitet nur "
                                 "mit gewöhnlichen Dateien im Datenverzeichnis."),
                    false};
        }
        if (!S_ISREG(st.st_mode))
            return {speicherText(verzeichnis, namen[i], "das ist keine gewöhnliche Datei."), false};
        // A file without any write permission is protected on purpose, even from a user who
        // could replace it anyway.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::faccessat(dfd, namen[i].c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0) {
            return {speicherText(verzeichnis, namen[i], "sie ist schreibgeschützt."), false};
        }
        if (alt[i].fehler) return {*alt[i].fehler, false};
        modi[i] = st.st_mode & 07777;
    }

    std::vector<std::string> temps;
    const auto aufraeumen = [&] {
        for (const std::string& t : temps) ::unlinkat(dfd, t.c_str(), 0);
    };
    for (std::size_t i = 0; i < namen.size(); ++i) {
        temps.push_back(temporaerSatzname(namen[i]));
        if (!temporaerAnlegen(dfd, temps.back(), dateien[i].inhalt, modi[i], schritt)) {
            const std::string text = speicherText(verzeichnis, namen[i], systemfehler(errno));
            aufraeumen();
            return {text, false};
        }
    }

    // The record: from the moment it has its name the new set counts.
    std::string satz = std::string(kAbschlussKennung) + "\n";
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const auto vorher = abdruck(alt[i]);
        const Gelesen neu{
            true,
            std::vector<std::uint8_t>(
                dateien[i].inhalt.begin(),
                dateien[i].inhalt.begin() +
                    static_cast<std::ptrdiff_t>(std::min(dateien[i].inhalt.size(), kLesegrenze))),
            dateien[i].inhalt.size(), std::nullopt};
        satz += namen[i] + "\t" + temps[i] + "\t" + abdruckText(vorher.value_or(Fingerabdruck{})) +
                "\t" + abdruckText(*abdruck(neu)) + "\n";
    }
    satz += std::string(kAbschlussEnde) + "\n";
    temps.push_back(temporaerSatzname(abschluss));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(satz.data());
    if (!temporaerAnlegen(dfd, temps.back(), std::span(bytes, satz.size()), std::nullopt,
                          schritt) ||
        schritt([&] { return ::renameat(dfd, temps.back().c_str(), dfd, abschluss.c_str()); }) !=
            0) {
        const std::string text = speicherText(verzeichnis, abschluss, systemfehler(errno));
        aufraeumen();
        return {text, false};
    }
    temps.pop_back();
    schritt([&] { return ::fsync(dfd); });

    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (schritt([&] { return ::renameat(dfd, temps[i].c_str(), dfd, namen[i].c_str()); }) ==
            0) {
            continue;
        }
        const std::string text = speicherText(verzeichnis, namen[i], systemfehler(errno));
        // Before the first rename the record can still be taken back; then nothing happened.
        if (i == 0 && schritt([&] { return ::unlinkat(dfd, abschluss.c_str(), 0); }) == 0) {
            schritt([&] { return ::fsync(dfd); });
            aufraeumen();
            return {text, false};
        }
        return {text +
                    " Die neue Fassung ist vollständig gesichert; sie gilt und wird beim "
                    "nächsten Öffnen oder Speichern vervollständigt.",
                true};
    }
    schritt([&] { return ::fsync(dfd); });
    schritt([&] { return ::unlinkat(dfd, abschluss.c_str(), 0); });
    schritt([&] { return ::fsync(dfd); });
    namen.push_back(abschluss);
    resteEntfernen(dfd, namen);
    return {};
}

}  // namespace

void verzeichnisSichern(const std::filesystem::path& verzeichnis) {
    Deskriptor fd(::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

int (*schreibschritt)(int schritt) = nullptr;

fs::path schreibziel(const fs::path& pfad) {
    fs::path ziel = pfad;
    // A chain longer than the system follows is left to the open that will report it.
    for (int glied = 0; glied < 40; ++glied) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(ziel, ec))) break;
        const fs::path verweis = fs::read_symlink(ziel, ec);
        if (ec) break;
        ziel = verweis.is_absolute() ? verweis : verzeichnisVon(ziel) / verweis;
    }
    return ziel;
}

std::optional<std::string> sicheresSchreiben(std::span<const Schreibauftrag> auftraege) {
    return schreiben(auftraege);
}

std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt, bool nurNeu) {
    const Schreibauftrag auftrag{ziel, inhalt, nurNeu};
    return sicheresSchreiben(std::span<const Schreibauftrag>(&auftrag, 1));
}

Satzlesung gemeinsamLesen(const fs::path& verzeichnis, std::span<const std::string> namen,
                          const std::string& abschluss) {
    Satzlesung lesung;
    std::string grund;
    const auto sperre = Ersetzungssperre::nehmen(verzeichnis, Ersetzungssperre::Art::Lesen, grund);
    if (!sperre) {
        lesung.fehler = grund;
        return lesung;
    }
    const int dfd = sperre->verzeichnisFd();
    for (const std::string& name : namen)
        lesung.dateien.push_back(dateiLesen(dfd, verzeichnis, name));
    Abschlussbefund befund = abschlussPruefen(dfd, verzeichnis, namen, abschluss, lesung.dateien);
    if (befund.art == Abschlussbefund::Art::Vollenden) {
        // A save stopped after its record counts as done.
        lesung.dateien = std::move(befund.neu);
    } else if (befund.art == Abschlussbefund::Art::Fremd) {
        lesung.hinweise.push_back(
            "Im Datenverzeichnis liegt der Abschlusssatz " + dateiText(verzeichnis, abschluss) +
            " eines abgebrochenen Speicherns, der nicht angewandt wird: " +
            ohnePunkt(befund.grund) +
            ". Die Datendateien werden gelesen, wie sie sind; der Satz wird mit seinen Dateien "
            "beim nächsten Speichern unter einem Namen mit Datum beiseitegelegt.");
    }
    return lesung;
}

Ersetzung gemeinsamSchreiben(const Verzeichnissperre& sperre, std::span<const Satzdatei> dateien,
                             const std::string& abschluss) {
    Ersetzung ersetzung = ersetzen(sperre, dateien, abschluss);
    if (ersetzung.fehler && !ersetzung.wirksam)
        *ersetzung.fehler += " Die bisherigen Dateien sind unverändert.";
    return ersetzung;
}

std::string zeitstempel() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    char text[32] = "00000000-000000";
    if (::localtime_r(&jetzt, &ortszeit) != nullptr) {
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &ortszeit);
    }
    return text;
}

}  // namespace brelvanostik
