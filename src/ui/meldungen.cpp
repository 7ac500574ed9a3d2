#include "ui/meldungen.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace brelvanostik {

void Meldungsfenster::zeigen(const Meldung& meldung) {
    QMessageBox box(eltern_);
    switch (meldung.symbol) {
        case Meldung::Symbol::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Meldung::Symbol::Ausrufezeichen:
            box.setIcon(QMessageBox::Warning);
            break;
        case Meldung::Symbol::Fehler:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    box.setWindowTitle(QString::fromStdString(meldung.titel));
    box.setText(QString::fromStdString(meldung.text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Meldungsanzeige::Entscheidung Meldungsfenster::speicherproblem(const QString& text,
                                                               bool wiederholbar) {
    QMessageBox box(eltern_);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Speichern nicht möglich"));
    box.setText(text);
    box.setInformativeText(
        QStringLiteral("Ihre Eingaben sind noch nicht gespeichert. Wie soll es weitergehen?"));
    QPushButton* wiederholen =
        wiederholbar ? box.addButton(QStringLiteral("Erneut versuchen"), QMessageBox::AcceptRole)
                     : nullptr;
    QPushButton* anderes = box.addButton(QStringLiteral("In anderem Verzeichnis speichern …"),
                                         QMessageBox::ActionRole);
    QPushButton* verwerfen =
        box.addButton(QStringLiteral("Beenden ohne zu speichern"), QMessageBox::DestructiveRole);
    QPushButton* zurueck =
        box.addButton(QStringLiteral("Zurück zum Programm"), QMessageBox::RejectRole);
    box.setDefaultButton(wiederholen != nullptr ? wiederholen : anderes);
    box.setEscapeButton(zurueck);
    box.exec();
    const auto* gewaehlt = box.clickedButton();
    if (gewaehlt != nullptr && gewaehlt == wiederholen) return Entscheidung::Wiederholen;
    if (gewaehlt == anderes) return Entscheidung::AnderesVerzeichnis;
    if (gewaehlt == verwerfen) return Entscheidung::NichtSpeichern;
    return Entscheidung::Zurueck;
}

std::optional<std::filesystem::path> Meldungsfenster::verzeichnisWaehlen() {
    const QString verzeichnis = QFileDialog::getExistingDirectory(
        eltern_, QStringLiteral("Verzeichnis zum Speichern der Datendateien wählen"));
    if (verzeichnis.isEmpty()) return std::nullopt;
    return std::filesystem::path(verzeichnis.toStdString());
}

bool Meldungsfenster::bestaetigen(const QString& titel, const QString& text) {
    return QMessageBox::question(eltern_, titel, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool Meldungsfenster::wiederherstellen(const QString& text) {
    QMessageBox box(eltern_);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QStringLiteral("Wiederherstellung"));
    box.setText(text);
    QPushButton* wiederherstellen =
        box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    // Discarding keeps the file aside, but it is never what a stray key chooses.
    QPushButton* verwerfen =
        box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(wiederherstellen);
    box.setEscapeButton(wiederherstellen);
    box.exec();
    return box.clickedButton() != verwerfen;
}

std::optional<std::filesystem::path> Meldungsfenster::pdfDateiWaehlen(const QString& vorschlag) {
    const QString datei =
        QFileDialog::getSaveFileName(eltern_, QStringLiteral("Ausdruck als PDF-Datei speichern"),
                                     vorschlag, QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return std::nullopt;
    return std::filesystem::path(datei.toStdString());
}

std::optional<std::filesystem::path> Meldungsfenster::csvDateiWaehlen(const QString& vorschlag) {
    const QString datei =
        QFileDialog::getSaveFileName(eltern_, QStringLiteral("Alle Monate als CSV-Datei speichern"),
                                     vorschlag, QStringLiteral("CSV-Dateien (*.csv)"));
    if (datei.isEmpty()) return std::nullopt;
    return std::filesystem::path(datei.toStdString());
}

}  // namespace brelvanostik
