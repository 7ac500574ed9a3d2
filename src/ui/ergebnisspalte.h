#pragma once

#include <QObject>

#include <array>

#include "session/anzeige.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace brelvanostik {

class Tippzeile;

/// The yellow column between the two sides: for rows 5-26 the sum or the difference of
/// green and blue, and the "Gemeinsam"/"Unterschied" button that switches between them.
class Ergebnisspalte : public QObject {
    Q_OBJECT
  public:
    Ergebnisspalte(QGridLayout* raster, int spalte, QWidget* flaeche, Tippzeile* tipp);

    void darstellen(const GelbeSpalte& spalte, bool jahresmodus);
    QPushButton* modusknopf() const { return modus_; }

  signals:
    void modusGeklickt();

  private:
    std::array<QLabel*, kZeilen> werte_{};  ///< rows 5-26
    QPushButton* modus_ = nullptr;
};

}  // namespace brelvanostik
