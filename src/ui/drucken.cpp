#include "ui/drucken.h"

#include <QDir>

#include "print/qt/druckausgabe.h"
#include "ui/datenverzeichnis.h"
#include "ui/meldungen.h"

namespace brelvanostik {

namespace {
constexpr const char* kTitel = "Drucken";
}  // namespace

void druckenOderPdfAnbieten(const druck::Dokument& dokument, Meldungsanzeige& meldungen) {
    std::string fehler;
    switch (druck::aufStandarddrucker(dokument, fehler)) {
        case druck::Druckergebnis::Gedruckt:
            return;
        case druck::Druckergebnis::Fehler:
            meldungen.zeigen({kTitel, fehler, Meldung::Symbol::Fehler});
            return;
        case druck::Druckergebnis::KeinDrucker:
            break;
    }
    if (!meldungen.bestaetigen(QString::fromUtf8(kTitel),
                               QStringLiteral("Auf diesem Rechner ist kein Drucker eingerichtet.\n"
                                              "Möchten Sie den Ausdruck als PDF-Datei speichern?")))
        return;
    const QString vorschlag = QDir::current().filePath(
        QString::fromStdString(dokument.titel.empty() ? "Ausdruck" : dokument.titel) +
        QStringLiteral(".pdf"));
    const auto datei = meldungen.pdfDateiWaehlen(vorschlag);
    if (!datei) return;
    if (!ausgabeZulassen(*datei, kTitel, meldungen)) return;
    if (!druck::alsPdfSchreiben(dokument, *datei, fehler))
        meldungen.zeigen({kTitel, fehler, Meldung::Symbol::Fehler});
}

}  // namespace brelvanostik
