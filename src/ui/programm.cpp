#include "ui/programm.h"

#include <QString>
#include <QTimer>

#include <system_error>

#include "session/sitzung.h"
#include "ui/abschiedsfenster.h"
#include "ui/datenverzeichnis.h"
#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/wiederherstellungsschreiber.h"
#include "workspace/datendateien.h"
#include "workspace/wiederherstellung.h"

namespace brelvanostik {

namespace {

QString pfadText(const std::filesystem::path& pfad) {
    return QString::fromStdString(pfad.string());
}

Meldung meldung(const char* titel, const QString& text, Meldung::Symbol symbol) {
    return Meldung{titel, text.toStdString(), symbol};
}

}  // namespace

Programm::Programm(std::filesystem::path verzeichnis, Meldungsanzeige& meldungen)
    : verzeichnis_(std::move(verzeichnis)), meldungen_(meldungen) {
    laufendesDatenverzeichnisSetzen(verzeichnis_);
}

Programm::~Programm() = default;

bool Programm::starten() {
    // A second copy in the same directory, another user's, or the command-line tool would
    // overwrite the first one's work; the lock keeps one writer per directory. A window that
    // cannot take it, for whatever reason, does not work on the directory.
    Sperrproblem problem;
    sperre_ = Verzeichnissperre::nehmen(verzeichnis_, problem);
    if (!sperre_) {
        QString text;
        if (problem.belegt) {
            text = QStringLiteral(
                       "Brelvanostik ist im Verzeichnis „%1“ bereits geöffnet%2.\n"
                       "Diese zweite Kopie wird nicht gestartet, damit sie beim "
                       "Beenden die Arbeit der ersten nicht überschreibt.")
                       .arg(pfadText(verzeichnis_),
                            problem.halter ? QStringLiteral(" (Prozess %1)").arg(*problem.halter)
                                           : QString());
        } else {
            text = QStringLiteral(
                       "Im Verzeichnis „%1“ kann Brelvanostik nicht arbeiten: %2\n"
                       "Das Programm wird nicht gestartet; es wurde nichts verändert.")
                       .arg(pfadText(verzeichnis_), QString::fromStdString(problem.grund));
        }
        meldungen_.zeigen(
            meldung(problem.belegt ? "Brelvanostik läuft bereits" : "Datenverzeichnis gesperrt",
                    text, Meldung::Symbol::Ausrufezeichen));
        return false;
    }

    Ladeergebnis geladen = laden(verzeichnis_);
    lesefehler_ = geladen.lesefehler;
    bool kopienAngelegt = false;
    if (!lesefehler_ && !geladen.erstsicherung.leer()) {
        // Copies of damaged files and a new workspace are written as soon as the program
        // starts working with the data. A copy that cannot be made leaves the files alone.
        const bool mitKopien = !geladen.erstsicherung.kopien.empty();
        Speicherergebnis erst = speichern(*sperre_, geladen.arbeitsbereich, geladen.einstellungen,
                                          std::move(geladen.erstsicherung));
        geladen.hinweise.insert(geladen.hinweise.end(), erst.hinweise.begin(), erst.hinweise.end());
        if (erst.fehler) {
            geladen.hinweise.push_back(*erst.fehler);
            if (mitKopien && !erst.wirksam) lesefehler_ = erst.fehler;
        }
        kopienAngelegt = !erst.sicherungskopien.empty();
    }
    if (!geladen.hinweise.empty()) {
        QString text;
        for (const std::string& hinweis : geladen.hinweise) {
            if (!text.isEmpty()) text += QStringLiteral("\n\n");
            text += QString::fromStdString(hinweis);
        }
        if (lesefehler_) {
            text += QStringLiteral(
                        "\n\nBeim Beenden werden die Datendateien in „%1“ nicht "
                        "überschrieben; Sie können Ihre Arbeit dann in einem anderen "
                        "Verzeichnis speichern.")
                        .arg(pfadText(verzeichnis_));
        }
        const bool ernst = lesefehler_.has_value() || kopienAngelegt;
        meldungen_.zeigen(
            meldung("Datendateien", text,
                    ernst ? Meldung::Symbol::Ausrufezeichen : Meldung::Symbol::Information));
    }

    // Edits reach the recovery file only in a directory this run may write.
    const bool aufbewahren = sperre_ && !lesefehler_ && wiederherstellungKlaeren(geladen);
    sitzung_ = std::make_unique<Sitzung>(std::move(geladen.arbeitsbereich), geladen.einstellungen);
    fenster_ = std::make_unique<Hauptfenster>(*sitzung_, meldungen_);
    if (aufbewahren) {
        schreiber_ = std::make_unique<Wiederherstellungsschreiber>(
            *sperre_, *sitzung_, datenstandErmitteln(verzeichnis_), meldungen_);
        QObject::connect(fenster_.get(), &Hauptfenster::dargestellt, schreiber_.get(),
                         &Wiederherstellungsschreiber::anstossen);
    }
    fenster_->geometrieHerstellen(geladen.einstellungen);
    fenster_->schliessenPruefenSetzen([this] { return beenden(); });
    // A December adjustment refused by the first calculation is told once the window is up.
    QTimer::singleShot(0, fenster_.get(), [this] {
        for (const Meldung& m : sitzung_->startmeldungen()) meldungen_.zeigen(m);
    });
    return true;
}

bool Programm::wiederherstellungKlaeren(Ladeergebnis& geladen) {
    wiederherstellungAufraeumen(*sperre_);
    Wiederherstellungsbefund befund = wiederherstellungPruefen(verzeichnis_);
    const QString name = pfadText(verzeichnis_ / kWiederherstellungName);
    QString text;
    const char* anlass = "verworfen";
    switch (befund.art) {
        case Wiederherstellungsbefund::Art::Keine:
            // One left by a session that died right after saving holds nothing new.
            wiederherstellungEntfernen(*sperre_);
            return true;
        case Wiederherstellungsbefund::Art::Ausstehend:
            if (meldungen_.wiederherstellen(
                    QString::fromStdString(wiederherstellungsfrage(befund)))) {
                // The recovery file stays until the data files hold its work.
                geladen.arbeitsbereich = std::move(befund.inhalt->arbeitsbereich);
                geladen.einstellungen = befund.inhalt->einstellungen;
                return true;
            }
            break;
        case Wiederherstellungsbefund::Art::Beschaedigt:
            anlass = "beschaedigt";
            text = QStringLiteral(
                       "Die Wiederherstellungsdatei „%1“ konnte nicht gelesen werden "
                       "(%2). Es wird mit den Datendateien gearbeitet.")
                       .arg(name, QString::fromStdString(befund.grund));
            break;
    }
    std::string fehler;
    const auto beiseite = wiederherstellungBeiseitelegen(*sperre_, anlass, fehler);
    if (!beiseite) {
        meldungen_.zeigen(meldung(
            "Wiederherstellung",
            QStringLiteral("Die Wiederherstellungsdatei „%1“ konnte nicht beiseitegelegt werden "
                           "(%2) und bleibt unverändert. Ihre Änderungen werden in dieser "
                           "Sitzung deshalb nicht für eine Wiederherstellung aufbewahrt.")
                .arg(name, QString::fromStdString(fehler)),
            Meldung::Symbol::Ausrufezeichen));
        return false;
    }
    if (!text.isEmpty()) {
        meldungen_.zeigen(
            meldung("Wiederherstellung",
                    text + QStringLiteral(" Die Datei wurde unverändert als „%1“ aufbewahrt.")
                               .arg(pfadText(*beiseite)),
                    Meldung::Symbol::Ausrufezeichen));
    }
    return true;
}

bool Programm::speichernNach(const std::filesystem::path& verzeichnis, QString& fehler) {
    // Another directory may be in use by another copy or the command-line tool; its own
    // lock is the token for saving there.
    std::optional<Verzeichnissperre> fremd;
    const Verzeichnissperre* sperre = &*sperre_;
    if (!sperre_->gleichesVerzeichnis(verzeichnis)) {
        Sperrproblem problem;
        fremd = Verzeichnissperre::nehmen(verzeichnis, problem);
        if (!fremd) {
            fehler = problem.belegt ? QStringLiteral(
                                          "Im Verzeichnis „%1“ arbeitet gerade ein anderes "
                                          "Brelvanostik.")
                                          .arg(pfadText(verzeichnis))
                                    : QString::fromStdString(problem.grund);
            return false;
        }
        sperre = &*fremd;
    }
    const Speicherergebnis ergebnis =
        speichern(*sperre, sitzung_->arbeitsbereich(), sitzung_->einstellungen());
    if (!ergebnis.fehler) return true;
    fehler = QString::fromStdString(*ergebnis.fehler);
    // Complete on disk: the next start reads it; asking again would save it twice.
    if (ergebnis.wirksam) {
        meldungen_.zeigen(meldung("Gespeichert", fehler, Meldung::Symbol::Ausrufezeichen));
        return true;
    }
    return false;
}

bool Programm::beenden() {
    if (gespeichert_ || !sitzung_) return true;
    // A second request to end (a signal while the save question is open) waits for the
    // user's answer to the first.
    if (imBeenden_) return false;
    imBeenden_ = true;
    const bool beendet = beendenFragen();
    imBeenden_ = false;
    // Once the work is saved the recovery file has served; after a knowing exit without
    // saving it is the only copy of the work and stays.
    if (beendet && gespeichert_ && schreiber_) schreiber_->abschliessen();
    // The farewell follows a save that worked, once the user has settled a failed one.
    if (beendet && gespeichert_ && !ohneAbschied_) {
        abschied_ =
            std::make_unique<Abschiedsfenster>(fenster_->hilfelinks(), fenster_->adressoeffner());
        abschied_->zeigen();
    }
    return beendet;
}

void Programm::aufSignalBeenden() {
    ohneAbschied_ = true;
    if (abschied_) abschied_->close();
    if (fenster_) fenster_->close();
}

bool Programm::beendenFragen() {
    QString fehler;
    bool wiederholbar = !lesefehler_.has_value();
    if (lesefehler_) {
        fehler = QStringLiteral(
                     "Die Datendateien in „%1“ konnten beim Start nicht gelesen werden "
                     "und werden deshalb nicht überschrieben.")
                     .arg(pfadText(verzeichnis_));
    } else if (speichernNach(verzeichnis_, fehler)) {
        gespeichert_ = true;
        return true;
    }
    for (;;) {
        switch (meldungen_.speicherproblem(fehler, wiederholbar)) {
            case Meldungsanzeige::Entscheidung::Wiederholen:
                if (wiederholbar && speichernNach(verzeichnis_, fehler)) {
                    gespeichert_ = true;
                    return true;
                }
                break;
            case Meldungsanzeige::Entscheidung::AnderesVerzeichnis: {
                const std::optional<std::filesystem::path> ziel = meldungen_.verzeichnisWaehlen();
                if (!ziel) break;
                std::error_code fehlercode;
                const bool belegt = std::filesystem::exists(*ziel / kMonatsdateiName, fehlercode) ||
                                    std::filesystem::exists(*ziel / kKopfdateiName, fehlercode);
                if (belegt &&
                    !meldungen_.bestaetigen(
                        QStringLiteral("Datendateien ersetzen?"),
                        QStringLiteral("Im Verzeichnis „%1“ liegen bereits Datendateien von "
                                       "Brelvanostik. Sollen sie durch Ihre Arbeit ersetzt werden?")
                            .arg(pfadText(*ziel)))) {
                    break;
                }
                if (speichernNach(*ziel, fehler)) {
                    gespeichert_ = true;
                    meldungen_.zeigen(meldung(
                        "Gespeichert",
                        QStringLiteral("Ihre Arbeit wurde im Verzeichnis „%1“ gespeichert. Starten "
                                       "Sie Brelvanostik dort, um mit ihr weiterzuarbeiten.")
                            .arg(pfadText(*ziel)),
                        Meldung::Symbol::Information));
                    return true;
                }
                break;
            }
            case Meldungsanzeige::Entscheidung::NichtSpeichern:
                return true;
            case Meldungsanzeige::Entscheidung::Zurueck:
                return false;
        }
    }
}

}  // namespace brelvanostik
