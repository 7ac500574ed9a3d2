#include <QDate>

#include <filesystem>
#include <optional>
#include <string>

#include "cli/befehle.h"
#include "cli/optionen.h"
#include "cli/pdf_ausgabe.h"
#include "cli/sitzung_lesen.h"
#include "help/adresse.h"
#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "session/sitzung.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli drucken: ";

// Takes `--NAME VALUE` out of the arguments; the rest goes to the common option reader.
bool herausnehmen(std::vector<std::string>& argumente, const std::string& name,
                  std::optional<std::string>& wert, std::string& problem) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        if (argumente[i] != name) continue;
        if (i + 1 >= argumente.size()) {
            problem = "option " + name + " needs a value";
            return false;
        }
        wert = argumente[i + 1];
        argumente.erase(argumente.begin() + static_cast<long>(i),
                        argumente.begin() + static_cast<long>(i) + 2);
        return true;
    }
    return true;
}

}  // namespace

int druckenBefehl(const std::vector<std::string>& eingabe, std::ostream&, std::ostream& fehler) {
    std::vector<std::string> argumente = eingabe;
    std::optional<std::string> bericht, pdf;
    std::string problem;
    if (!herausnehmen(argumente, "--bericht", bericht, problem) ||
        !herausnehmen(argumente, "--pdf", pdf, problem)) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    bool jahresansicht = false;
    std::erase_if(argumente, [&](const std::string& a) {
        return a == "--jahresansicht" && (jahresansicht = true);
    });
    const auto optionen = optionenLesen(
        argumente, {{"--dir", "--jahr", "--fall", "--monat"}, {"--blau"}}, kFaelle, problem);
    if (!optionen) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    if (!optionen->rest.empty()) {
        fehler << kName << "unexpected argument '" << zeigbar(optionen->rest.front()) << "'\n";
        return kFalscherAufruf;
    }
    if (!optionen->jahr || !optionen->fall || !optionen->monat || !bericht || !pdf) {
        fehler << kName << "--jahr, --fall, --monat, --bericht and --pdf are required\n";
        return kFalscherAufruf;
    }
    if (*bericht != "beide" && *bericht != "einzeln") {
        fehler << kName << "--bericht takes 'beide' or 'einzeln', not '" << zeigbar(*bericht)
               << "'\n";
        return kFalscherAufruf;
    }
    if (pdf->empty()) {
        fehler << kName << "--pdf needs a file name\n";
        return kFalscherAufruf;
    }

    // Printing changes no data file: the session is built on what the files hold.
    std::vector<std::string> hinweise;
    const auto gelesen = sitzungLesen(optionen->verzeichnis, *optionen->jahr, *optionen->fall,
                                      *optionen->monat, hinweise, problem);
    if (!gelesen) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    Sitzung& sitzung = *gelesen;
    if (jahresansicht) sitzung.jahresgehaltZeigen();

    const Seite seite = optionen->blau ? Seite::Blau : Seite::Gruen;
    druck::Dokument dokument;
    if (*bericht == "beide") {
        dokument = druck::berichtBeide(sitzung, basisadresse());
    } else if (jahresansicht) {
        const std::string datum =
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
        dokument = druck::berichtTabelle(sitzung, seite, datum, basisadresse());
    } else {
        dokument = druck::berichtEinzeln(sitzung, seite, basisadresse());
    }
    const int status = pdfSchreiben(dokument, *pdf, optionen->verzeichnis, kName, fehler);
    if (status == kErfolg) hinweiseMelden(hinweise, fehler);
    return status;
}

}  // namespace brelvanostik::cli
