#pragma once

#include <QWidget>

namespace brelvanostik {

class Adressoeffner;
class Hilfelinks;

/// The small window that says goodbye after the work has been saved at the end of a run.
/// It invites the user to recommend the program and links to its page; the program ends
/// when it is closed ("Schließen" or the close box).
class Abschiedsfenster : public QWidget {
    Q_OBJECT
  public:
    Abschiedsfenster(Hilfelinks& links, Adressoeffner& oeffner, QWidget* eltern = nullptr);

    /// Shows the window in the middle of the screen.
    void zeigen();

  private:
    Hilfelinks& links_;
    Adressoeffner& oeffner_;
};

}  // namespace brelvanostik
