#pragma once

#include <QFrame>

#include "session/sitzung.h"

class QLabel;
class QLineEdit;

namespace brelvanostik {

/// The name entry that a right click on a case name opens: the name in an entry field,
/// a counter of its characters, Enter to confirm. Leaving the field closes the panel.
class Namenspanel : public QFrame {
    Q_OBJECT
  public:
    explicit Namenspanel(QWidget* eltern);

    /// Opens beside `neben` (the name row's rectangle in the parent's coordinates) with the
    /// current name, trimmed, and gives the entry field the focus.
    void oeffnen(Seite seite, const QString& name, const QRect& neben);
    Seite seite() const { return seite_; }

  signals:
    void umbenannt(Seite seite, const QString& name);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void zaehlerZeigen();

    Seite seite_ = Seite::Gruen;
    QLineEdit* feld_ = nullptr;
    QLabel* zaehler_ = nullptr;
};

}  // namespace brelvanostik
