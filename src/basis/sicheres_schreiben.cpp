#include "basis/sicheres_schreiben.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>

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

constexpr const char* kAbschlussKennung = "Brelvanostik-Abschluss 1";
constexpr const char* kAbschlussEnde = "ende";

/// Removes the temporary files that writers which died left beside `ziel`.
void resteEntfernen(const fs::path& ziel) {
    const std::string praefix = ziel.filename().string() + ".tmp-";
    std::error_code ec;
    for (fs::directory_iterator it(verzeichnisVon(ziel), ec), ende; !ec && it != ende;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(praefix, 0) == 0 && it->is_regular_file(ec)) ::unlink(it->path().c_str());
    }
}

std::optional<std::string> schreiben(std::span<const Schreibauftrag> eingang,
                                     const fs::path& abschluss);

void verzeichnisSichern(const fs::path& verzeichnis);

/// Finishes the renames of a save that a dead writer left half done, before this save
/// replaces its commit record: should this save fail, the files then hold that complete
/// set, as the last load read it, and not a mixed pair.
void abschlussVollenden(std::span<const Schreibauftrag> auftraege, const fs::path& abschluss) {
    std::vector<fs::path> ziele;
    for (const Schreibauftrag& a : auftraege) ziele.push_back(a.ziel);
    const std::vector<fs::path> quellen = abschlussLesen(ziele, abschluss);
    bool umbenannt = false;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        if (quellen[i] != schreibziel(ziele[i]))
            umbenannt |= ::rename(quellen[i].c_str(), ziele[i].c_str()) == 0;
    }
    if (umbenannt) verzeichnisSichern(verzeichnisVon(ziele.front()));
    ::unlink(abschluss.c_str());
}

/// Forces the directory entries of the renamed files to disk; failure here is not
/// reported, the files themselves are complete.
void verzeichnisSichern(const fs::path& verzeichnis) {
    Deskriptor fd(::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

/// The steps both kinds of safe save share. `abschluss`, when not empty, gets the commit
/// record between the flush of the temporary files and the first rename.
std::optional<std::string> schreiben(std::span<const Schreibauftrag> eingang,
                                     const fs::path& abschluss) {
    // Writes reach the file a link points to; the link itself stays.
    std::vector<Schreibauftrag> auftraege(eingang.begin(), eingang.end());
    for (Schreibauftrag& a : auftraege) {
        if (!a.nurNeu) a.ziel = schreibziel(a.ziel);
    }
    std::vector<std::optional<mode_t>> modi(auftraege.size());
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (auto fehler = zielPruefen(auftraege[i], modi[i])) return fehler;
    }
    if (!abschluss.empty()) abschlussVollenden(auftraege, abschluss);

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

    if (!abschluss.empty()) {
        // From here on the new set counts, whatever stops the renames below.
        std::string satz = std::string(kAbschlussKennung) + "\n";
        for (std::size_t i = 0; i < auftraege.size(); ++i) {
            satz += auftraege[i].ziel.string() + "\n" + temps[i].string() + "\n";
        }
        satz += kAbschlussEnde;
        satz += "\n";
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(satz.data());
        const Schreibauftrag record{abschluss, std::span<const std::uint8_t>(bytes, satz.size())};
        if (auto fehler = schreiben(std::span<const Schreibauftrag>(&record, 1), {})) {
            aufraeumen(0);
            return fehler;
        }
        if (abschlussSchritt) abschlussSchritt(0);
    }

    std::vector<fs::path> verzeichnisse;
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        const fs::path& ziel = auftraege[i].ziel;
        // A copy that must not replace anything is checked once more right before it
        // takes its name.
        const bool belegt = auftraege[i].nurNeu && ::access(ziel.c_str(), F_OK) == 0;
        if (belegt || ::rename(temps[i].c_str(), ziel.c_str()) != 0) {
            const std::string grund = belegt ? "sie ist bereits vorhanden." : systemfehler(errno);
            std::string text = fehlertext(ziel, grund);
            if (!abschluss.empty() && i > 0) {
                // The record names the rest; the next load reads the complete new set.
                return text +
                       " Die neue Fassung ist vollständig und wird beim nächsten Öffnen "
                       "gelesen.";
            }
            aufraeumen(i);
            if (i > 0) {
                text += " Bereits ersetzt wurde:";
                for (std::size_t k = 0; k < i; ++k) text += " „" + auftraege[k].ziel.string() + "“";
            }
            if (!abschluss.empty()) ::unlink(abschluss.c_str());
            return text;
        }
        temps[i].clear();
        if (abschlussSchritt && !abschluss.empty()) abschlussSchritt(static_cast<int>(i) + 1);
        const fs::path verzeichnis = verzeichnisVon(ziel);
        if (std::find(verzeichnisse.begin(), verzeichnisse.end(), verzeichnis) ==
            verzeichnisse.end()) {
            verzeichnisse.push_back(verzeichnis);
        }
    }
    for (const fs::path& verzeichnis : verzeichnisse) verzeichnisSichern(verzeichnis);
    if (!abschluss.empty()) {
        ::unlink(abschluss.c_str());
        verzeichnisSichern(verzeichnisVon(abschluss));
        for (const Schreibauftrag& a : auftraege) resteEntfernen(a.ziel);
        resteEntfernen(abschluss);
    }
    return std::nullopt;
}

}  // namespace

void (*abschlussSchritt)(int schritt) = nullptr;

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
    return schreiben(auftraege, {});
}

std::optional<std::string> gemeinsamSchreiben(std::span<const Schreibauftrag> auftraege,
                                              const fs::path& abschluss) {
    return schreiben(auftraege, abschluss);
}

std::vector<fs::path> abschlussLesen(std::span<const fs::path> ziele, const fs::path& abschluss) {
    std::vector<fs::path> quellen;
    for (const fs::path& z : ziele) quellen.push_back(schreibziel(z));
    std::ifstream datei(abschluss);
    std::string zeile;
    if (!datei || !std::getline(datei, zeile) || zeile != kAbschlussKennung) return quellen;
    std::vector<std::pair<std::string, std::string>> paare;
    std::string ziel, temp;
    bool vollstaendig = false;
    while (std::getline(datei, ziel)) {
        if (ziel == kAbschlussEnde) {
            vollstaendig = true;
            break;
        }
        if (!std::getline(datei, temp)) break;
        paare.emplace_back(ziel, temp);
    }
    if (!vollstaendig) return quellen;
    std::vector<fs::path> neu = quellen;
    for (std::size_t i = 0; i < quellen.size(); ++i) {
        const auto paar = std::find_if(paare.begin(), paare.end(), [&](const auto& p) {
            return p.first == quellen[i].string();
        });
        // A record that does not name every target, or names a file that is not one of
        // the target's own temporary files, is not one of ours: the targets stand.
        if (paar == paare.end()) return quellen;
        const fs::path kandidat = paar->second;
        const std::string praefix = quellen[i].filename().string() + ".tmp-";
        if (kandidat.parent_path() != quellen[i].parent_path() ||
            kandidat.filename().string().rfind(praefix, 0) != 0) {
            return quellen;
        }
        std::error_code ec;
        if (fs::is_regular_file(kandidat, ec)) neu[i] = kandidat;
    }
    return neu;
}

std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt, bool nurNeu) {
    const Schreibauftrag auftrag{ziel, inhalt, nurNeu};
    return sicheresSchreiben(std::span<const Schreibauftrag>(&auftrag, 1));
}

}  // namespace brelvanostik
