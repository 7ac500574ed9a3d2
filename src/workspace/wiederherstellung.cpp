#include "workspace/wiederherstellung.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "basis/pruefsumme.h"
#include "basis/sicheres_schreiben.h"
#include "basis/verzeichnissperre.h"
#include "workspace/datensaetze.h"
#include "workspace/speicherfuellen.h"

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

// Layout: identifier, time of the last edit, the base (length and checksum of both data
// files), the month file's and the header file's bytes, and the checksum of all before it.
// All integers little-endian.
constexpr std::uint8_t kKennung[8] = {'B', 'R', 'E', 'L', 'V', 'W', 'H', '1'};
constexpr std::size_t kZeitStelle = 8;
constexpr std::size_t kBasisStelle = 16;
constexpr std::size_t kDatenStelle = kBasisStelle + 4 * 8;
constexpr std::size_t kKopfStelle = kDatenStelle + kMonatsdateiLaenge;
constexpr std::size_t kSummenStelle = kKopfStelle + kKopfdateiLaenge;
constexpr std::size_t kGesamtlaenge = kSummenStelle + 8;

void schreibe64(std::vector<std::uint8_t>& bytes, std::size_t stelle, std::uint64_t wert) {
    for (std::size_t i = 0; i < 8; ++i)
        bytes[stelle + i] = static_cast<std::uint8_t>(wert >> (8 * i));
}

std::uint64_t lies64(std::span<const std::uint8_t> bytes, std::size_t stelle) {
    std::uint64_t wert = 0;
    for (std::size_t i = 0; i < 8; ++i) wert |= std::uint64_t{bytes[stelle + i]} << (8 * i);
    return wert;
}

/// A regular file read whole, without blocking on a pipe and without reading a huge file.
std::optional<std::vector<std::uint8_t>> lesen(const fs::path& pfad, int zusatz,
                                               std::uint64_t hoechstens, std::string& grund) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | zusatz);
    if (fd < 0) {
        grund = std::strerror(errno);
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> inhalt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        grund = "keine gewöhnliche Datei";
    } else if (static_cast<std::uint64_t>(st.st_size) > hoechstens) {
        grund = "zu groß";
    } else {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
        std::size_t gelesen = 0;
        while (gelesen < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + gelesen, bytes.size() - gelesen);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            gelesen += static_cast<std::size_t>(n);
        }
        bytes.resize(gelesen);
        inhalt = std::move(bytes);
    }
    ::close(fd);
    return inhalt;
}

/// The data files as the next load reads them; empty where a file cannot be read.
struct Daten {
    Dateistand monatsstand, kopfstand;
    std::vector<std::uint8_t> monate, koepfe;
};

Daten datenLesen(const fs::path& verzeichnis) {
    const std::string namen[] = {kMonatsdateiName, kKopfdateiName};
    Satzlesung gelesen = gemeinsamLesen(verzeichnis, namen, kAbschlussName);
    Daten daten;
    if (gelesen.fehler || gelesen.dateien.size() != 2) return daten;
    Gelesen& monate = gelesen.dateien[0];
    Gelesen& koepfe = gelesen.dateien[1];
    daten.monatsstand = {monate.groesse, pruefsumme(monate.bytes)};
    daten.kopfstand = {koepfe.groesse, pruefsumme(koepfe.bytes)};
    daten.monate = std::move(monate.bytes);
    daten.koepfe = std::move(koepfe.bytes);
    return daten;
}

std::string zeitText(std::int64_t sekunden) {
    const std::time_t zeit = static_cast<std::time_t>(sekunden);
    std::tm ortszeit{};
    char text[64] = "unbekannter Zeit";
    if (::localtime_r(&zeit, &ortszeit) != nullptr) {
        std::strftime(text, sizeof text, "%d.%m.%Y um %H:%M Uhr", &ortszeit);
    }
    return text;
}

}  // namespace

Datenstand datenstandErmitteln(const fs::path& verzeichnis) {
    const Daten daten = datenLesen(verzeichnis);
    return {daten.monatsstand, daten.kopfstand};
}

std::vector<std::uint8_t> arbeitsstand(const Arbeitsbereich& arbeitsbereich) {
    std::vector<std::uint8_t> bytes = monatsdateiBytes(arbeitsbereich);
    const std::vector<std::uint8_t> koepfe = kopfdateiBytes(arbeitsbereich, Einstellungen{});
    bytes.insert(bytes.end(), koepfe.begin(), koepfe.end());
    return bytes;
}

std::vector<std::uint8_t> wiederherstellungBytes(const Arbeitsbereich& arbeitsbereich,
                                                 const Einstellungen& einstellungen,
                                                 const Datenstand& basis,
                                                 std::int64_t letzteAenderung) {
    std::vector<std::uint8_t> bytes(kGesamtlaenge);
    std::copy(std::begin(kKennung), std::end(kKennung), bytes.begin());
    schreibe64(bytes, kZeitStelle, static_cast<std::uint64_t>(letzteAenderung));
    schreibe64(bytes, kBasisStelle, basis.monatsdatei.laenge);
    schreibe64(bytes, kBasisStelle + 8, basis.monatsdatei.pruefsumme);
    schreibe64(bytes, kBasisStelle + 16, basis.kopfdatei.laenge);
    schreibe64(bytes, kBasisStelle + 24, basis.kopfdatei.pruefsumme);
    const std::vector<std::uint8_t> monate = monatsdateiBytes(arbeitsbereich);
    const std::vector<std::uint8_t> koepfe = kopfdateiBytes(arbeitsbereich, einstellungen);
    std::copy(monate.begin(), monate.end(), bytes.begin() + kDatenStelle);
    std::copy(koepfe.begin(), koepfe.end(), bytes.begin() + kKopfStelle);
    schreibe64(bytes, kSummenStelle,
               pruefsumme(std::span<const std::uint8_t>(bytes).first(kSummenStelle)));
    return bytes;
}

std::optional<Wiederherstellung> wiederherstellungLesen(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kGesamtlaenge ||
        !std::equal(std::begin(kKennung), std::end(kKennung), bytes.begin()) ||
        lies64(bytes, kSummenStelle) != pruefsumme(bytes.first(kSummenStelle))) {
        return std::nullopt;
    }
    Wiederherstellung w;
    w.letzteAenderung = static_cast<std::int64_t>(lies64(bytes, kZeitStelle));
    w.basis = {{lies64(bytes, kBasisStelle), lies64(bytes, kBasisStelle + 8)},
               {lies64(bytes, kBasisStelle + 16), lies64(bytes, kBasisStelle + 24)}};
    w.monatsdatei.assign(bytes.begin() + kDatenStelle, bytes.begin() + kKopfStelle);
    w.kopfdatei.assign(bytes.begin() + kKopfStelle, bytes.begin() + kSummenStelle);
    Speicherinhalt inhalt = speicherFuellen(w.monatsdatei, w.kopfdatei);
    w.arbeitsbereich = std::move(inhalt.arbeitsbereich);
    w.einstellungen = inhalt.einstellungen;
    return w;
}

Wiederherstellungsbefund wiederherstellungPruefen(const fs::path& verzeichnis) {
    Wiederherstellungsbefund befund;
    try {
        const fs::path pfad = verzeichnis / kWiederherstellungName;
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0 && errno == ENOENT) return befund;
        std::string grund;
        const auto bytes = lesen(pfad, O_NOFOLLOW, kGesamtlaenge, grund);
        befund.inhalt = bytes ? wiederherstellungLesen(*bytes) : std::nullopt;
        if (!befund.inhalt) {
            befund.art = Wiederherstellungsbefund::Art::Beschaedigt;
            befund.grund = bytes ? "sie ist unvollständig oder beschädigt" : grund;
            return befund;
        }
        const Daten daten = datenLesen(verzeichnis);
        // A session that ended between writing the data files and removing this file left
        // nothing to recover.
        if (befund.inhalt->monatsdatei == daten.monate &&
            befund.inhalt->kopfdatei == daten.koepfe) {
            befund.inhalt.reset();
            return befund;
        }
        befund.art = Wiederherstellungsbefund::Art::Ausstehend;
        befund.datenGeaendert =
            befund.inhalt->basis != Datenstand{daten.monatsstand, daten.kopfstand};
    } catch (const std::exception& e) {
        befund = {};
        befund.art = Wiederherstellungsbefund::Art::Beschaedigt;
        befund.grund = e.what();
    }
    return befund;
}

std::string wiederherstellungsfrage(const Wiederherstellungsbefund& befund) {
    std::string text =
        "Brelvanostik wurde zuletzt nicht normal beendet. Ihre Arbeit bis zur letzten "
        "Änderung am " +
        zeitText(befund.inhalt ? befund.inhalt->letzteAenderung : 0) +
        " wurde aufbewahrt, ist aber nicht in den Datendateien gespeichert.";
    if (befund.datenGeaendert) {
        text +=
            "\n\nAchtung: Die Datendateien wurden seitdem geändert (zum Beispiel mit "
            "brelvanostik-cli). Wenn Sie wiederherstellen, ersetzt Ihre aufbewahrte Arbeit "
            "diese Änderungen beim Beenden.";
    }
    text +=
        "\n\n„Wiederherstellen“ arbeitet mit der aufbewahrten Arbeit weiter; sie wird beim "
        "Beenden wie gewohnt gespeichert. „Verwerfen“ arbeitet mit den Datendateien weiter und "
        "legt die aufbewahrte Arbeit unter einem Namen mit Datum beiseite.";
    return text;
}

std::optional<std::string> wiederherstellungSchreiben(const Verzeichnissperre& sperre,
                                                      std::span<const std::uint8_t> bytes) {
    return sicheresSchreiben(sperre.verzeichnis() / kWiederherstellungName, bytes);
}

std::optional<fs::path> wiederherstellungBeiseitelegen(const Verzeichnissperre& sperre,
                                                       const std::string& anlass,
                                                       std::string& fehler) {
    const fs::path& verzeichnis = sperre.verzeichnis();
    const fs::path pfad = verzeichnis / kWiederherstellungName;
    const std::string stamm = pfad.string() + "." + anlass + "-" + zeitstempel();
    for (int versuch = 1; versuch <= 100; ++versuch) {
        const fs::path ziel = versuch == 1 ? stamm : stamm + "-" + std::to_string(versuch);
        // Takes the new name only when it is free: never replaces a file, never loses one.
        if (::renameat2(AT_FDCWD, pfad.c_str(), AT_FDCWD, ziel.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno == EEXIST) continue;
            fehler = std::strerror(errno);
            return std::nullopt;
        }
        verzeichnisSichern(verzeichnis);
        return ziel;
    }
    fehler = "kein freier Name";
    return std::nullopt;
}

void wiederherstellungEntfernen(const Verzeichnissperre& sperre) {
    if (::unlink((sperre.verzeichnis() / kWiederherstellungName).c_str()) == 0) {
        verzeichnisSichern(sperre.verzeichnis());
    }
    wiederherstellungAufraeumen(sperre);
}

void wiederherstellungAufraeumen(const Verzeichnissperre& sperre) {
    const fs::path& verzeichnis = sperre.verzeichnis();
    const std::string praefix = std::string(kWiederherstellungName) + ".tmp-";
    std::error_code ec;
    for (fs::directory_iterator it(verzeichnis, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(praefix, 0) == 0 && it->is_regular_file(ec)) ::unlink(it->path().c_str());
    }
}

bool wiederherstellungAusstehend(const fs::path& verzeichnis) {
    return wiederherstellungPruefen(verzeichnis).art != Wiederherstellungsbefund::Art::Keine;
}

}  // namespace brelvanostik
