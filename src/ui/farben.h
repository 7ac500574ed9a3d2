#pragma once

#include <QColor>
#include <QPalette>

#include "session/anzeige.h"

class QWidget;

namespace brelvanostik {

/// The colours of the main window: the classic sixteen-colour palette entries the program
/// has always used, and the panel colours of the two sides.
namespace farben {

inline const QColor kSchwarz{0, 0, 0};            ///< palette 0
inline const QColor kHellrot{255, 0, 0};          ///< palette 12: negatives, "Unterschied"
inline const QColor kHellgelb{255, 255, 0};       ///< palette 14: blue differs from green
inline const QColor kWeiss{255, 255, 255};        ///< palette 15
inline const QColor kHellgruen{192, 255, 192};    ///< the green side's panels
inline const QColor kHellcyan{192, 255, 255};     ///< the blue side's panels
inline const QColor kGelbeSpalte{255, 255, 176};  ///< background of the yellow column

QColor farbe(Farbe f);

/// Sets one colour role of a widget's palette, and nothing when it already has that colour,
/// so that redrawing an unchanged window costs no repaint.
void setzen(QWidget* widget, QPalette::ColorRole rolle, const QColor& farbe);

/// A widget that paints its own background in `farbe`.
void hintergrund(QWidget* widget, const QColor& farbe);

}  // namespace farben
}  // namespace brelvanostik
