#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "session/sitzung.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/programm.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

/// Answers in place of the user: records every message and gives prepared answers, so
/// that no test waits for a modal dialog.
class Testmeldungen final : public Meldungsanzeige {
  public:
    void zeigen(const Meldung& meldung) override { gezeigt.push_back(meldung); }
    Entscheidung speicherproblem(const QString& text, bool wiederholbar) override {
        probleme.push_back(text);
        wiederholbarGefragt.push_back(wiederholbar);
        if (entscheidungen.empty()) return Entscheidung::Zurueck;
        const Entscheidung e = entscheidungen.front();
        entscheidungen.erase(entscheidungen.begin());
        return e;
    }
    std::optional<std::filesystem::path> verzeichnisWaehlen() override {
        return anderesVerzeichnis;
    }
    bool bestaetigen(const QString& titel, const QString& text) override {
        fragen.push_back(titel + QStringLiteral(": ") + text);
        return antwortJa;
    }
    bool wiederherstellen(const QString& text) override {
        wiederherstellungsfragen.push_back(text);
        return antwortWiederherstellen;
    }
    std::optional<std::filesystem::path> pdfDateiWaehlen(const QString& vorschlag) override {
        pdfVorschlaege.push_back(vorschlag);
        return pdfDatei;
    }
    std::optional<std::filesystem::path> csvDateiWaehlen(const QString& vorschlag) override {
        csvVorschlaege.push_back(vorschlag);
        return csvDatei;
    }
    bool hatTitel(const std::string& titel) const {
        return std::ranges::any_of(gezeigt, [&](const Meldung& m) { return m.titel == titel; });
    }

    std::vector<Meldung> gezeigt;
    std::vector<QString> probleme;
    std::vector<bool> wiederholbarGefragt;
    std::vector<Entscheidung> entscheidungen;
    std::optional<std::filesystem::path> anderesVerzeichnis;
    std::vector<QString> fragen;
    bool antwortJa = true;
    std::vector<QString> wiederherstellungsfragen;
    bool antwortWiederherstellen = true;
    std::vector<QString> pdfVorschlaege;
    std::optional<std::filesystem::path> pdfDatei;
    std::vector<QString> csvVorschlaege;
    std::optional<std::filesystem::path> csvDatei;
};

inline QString alsText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline bool ohneDrucker() {
    return QPrinterInfo::defaultPrinter().isNull();
}

/// What every window test needs: the program started in a fresh directory with a new
/// workspace, the main window, its controls by object name, and an exit that saves nothing.
class Fenstertest : public QObject {
  protected:
    QTemporaryDir verzeichnis_;
    Testmeldungen meldungen_;
    std::unique_ptr<Programm> programm_;

    Hauptfenster* fenster() const { return programm_->fenster(); }
    Sitzung& sitzung() const { return *programm_->sitzung(); }

    /// A control of the main window or of a window it opened.
    template <class T = QWidget>
    T* finde(const QString& name) const {
        T* widget = fenster()->findChild<T*>(name);
        if (widget == nullptr) qFatal("Kein Steuerelement %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& name) const {
        if (auto* feld = fenster()->findChild<QLineEdit*>(name)) return feld->text();
        if (auto* knopf = fenster()->findChild<QAbstractButton*>(name)) return knopf->text();
        return finde<QLabel>(name)->text();
    }
    QColor farbe(const QString& name, QPalette::ColorRole rolle) const {
        return finde(name)->palette().color(rolle);
    }
    void klicken(const QString& name, Qt::MouseButton taste = Qt::LeftButton) {
        QTest::mouseClick(finde(name), taste);
    }
    void tippen(const QString& feld, const QString& eingabe) {
        klicken(feld);
        QTest::keyClicks(finde(feld), eingabe);
    }
    /// The tip line's text while the mouse is over the control.
    QString tipp(QWidget* ueber) const {
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(ueber, &betreten);
        return text(QStringLiteral("tipp"));
    }
    void eintragWaehlen(int zeile) {
        auto* liste = finde<QListWidget>(QStringLiteral("auswahlliste"));
        const QRect rechteck = liste->visualItemRect(liste->item(zeile));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rechteck.center());
    }
    /// The stored amount of a row in a month of the shown year's calculation of a side.
    std::int32_t betrag(Seite seite, int monat, int zeile) const {
        const Sitzung& s = sitzung();
        return s.arbeitsbereich()
            .monat(s.jahr() - kErstesJahr, s.berechnung(seite), monat)
            .Betrag[zeile];
    }

    /// Fresh answers to the program's questions and an emptied directory.
    bool vonVorn() {
        meldungen_ = Testmeldungen{};
        QDir(verzeichnis_.path()).removeRecursively();
        return verzeichnis_.isValid() && QDir().mkpath(verzeichnis_.path());
    }
    /// Starts the program with its window shown and active; a restart (`neu` false)
    /// finds the directory and the answers as they were left.
    bool programmStarten(bool neu = true) {
        programm_.reset();
        if (neu && !vonVorn()) return false;
        programm_ = std::make_unique<Programm>(verzeichnis_.path().toStdString(), meldungen_);
        if (!programm_->starten()) return false;
        fenster()->show();
        fenster()->activateWindow();
        return QTest::qWaitForWindowActive(fenster());
    }
    void programmBeenden() {
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        fenster()->close();
        programm_.reset();
    }
};

}  // namespace brelvanostik
