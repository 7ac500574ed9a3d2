#pragma once

#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "testmeldungen.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"

namespace brelvanostik {

/// What every window test needs: the program started in a fresh directory with a new
/// workspace, the main window, its controls by object name, and an exit that saves nothing.
class Fenstertest : public QObject {
  protected:
    QTemporaryDir verzeichnis_;
    Testmeldungen meldungen_;
    std::unique_ptr<Programm> programm_;

    Hauptfenster* fenster() const { return programm_->fenster(); }

    template <class T = QWidget>
    T* finde(const QString& name) const {
        T* widget = fenster()->findChild<T*>(name);
        if (widget == nullptr) qFatal("Kein Steuerelement %s", qPrintable(name));
        return widget;
    }

    /// Starts the program in an emptied directory with fresh answers to its questions.
    bool programmStarten() {
        if (!verzeichnis_.isValid()) return false;
        meldungen_ = Testmeldungen{};
        QDir(verzeichnis_.path()).removeRecursively();
        QDir().mkpath(verzeichnis_.path());
        programm_ = std::make_unique<Programm>(verzeichnis_.path().toStdString(), meldungen_);
        return programm_->starten();
    }
    /// Closes the window without saving.
    void programmBeenden() {
        meldungen_.entscheidungen = {Meldungsanzeige::Entscheidung::NichtSpeichern};
        fenster()->close();
        programm_.reset();
    }
};

}  // namespace brelvanostik
