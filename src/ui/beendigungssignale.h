#pragma once

#include <QObject>

class QSocketNotifier;

namespace brelvanostik {

/// Turns the signals with which the system ends a program (terminate, hang-up at logout,
/// interrupt) into a Qt signal, so that the window is closed the normal way and the work
/// is saved. The signal handler only writes one byte into a pipe; everything else runs
/// in the event loop.
class Beendigungssignale : public QObject {
    Q_OBJECT
  public:
    explicit Beendigungssignale(QObject* eltern = nullptr);
    ~Beendigungssignale() override;

    /// False when the pipe could not be set up (the signals then keep their default).
    bool aktiv() const { return notifier_ != nullptr; }

  signals:
    void beendenVerlangt();

  private:
    void lesen();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brelvanostik
