#include "ui/csvspeichern.h"

#include <QSaveFile>
#include <QString>

#include "session/sitzung.h"
#include "tables/alle_monate_csv.h"
#include "ui/datenverzeichnis.h"
#include "ui/meldungen.h"

namespace brelvanostik {

std::optional<std::string> alleMonateAlsCsvSpeichern(const Sitzung& sitzung, bool beide,
                                                     Meldungsanzeige& meldungen) {
    const bool blau = sitzung.alleMonateSeite() == Seite::Blau;
    const QString vorschlag = QStringLiteral("Brelvanostik-%1-Fall-%2-%3.csv")
                                  .arg(sitzung.jahr())
                                  .arg(sitzung.fallIndex() + 1)
                                  .arg(beide  ? QStringLiteral("gruen-blau")
                                       : blau ? QStringLiteral("blau")
                                              : QStringLiteral("gruen"));
    const auto ziel = meldungen.csvDateiWaehlen(vorschlag);
    if (!ziel) return std::nullopt;
    if (!ausgabeZulassen(*ziel, "Als CSV speichern", meldungen)) return std::nullopt;

    const std::string text = alleMonateCsv(sitzung.arbeitsbereich(), sitzung.jahr(),
                                           sitzung.fallIndex(), beide || !blau, beide || blau);
    return textSpeichern(*ziel, text, "Als CSV speichern", meldungen);
}

std::optional<std::string> textSpeichern(const std::filesystem::path& ziel, const std::string& text,
                                         const char* titel, Meldungsanzeige& meldungen) {
    const QString name = QString::fromStdString(ziel.string());
    QSaveFile datei(name);
    if (datei.open(QIODevice::WriteOnly) &&
        datei.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        datei.commit()) {
        return ziel.string();
    }
    meldungen.zeigen(Meldung{titel,
                             QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2")
                                 .arg(name, datei.errorString())
                                 .toStdString(),
                             Meldung::Symbol::Fehler});
    return std::nullopt;
}

}  // namespace brelvanostik
