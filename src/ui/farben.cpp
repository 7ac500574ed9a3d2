#include "ui/farben.h"

#include <QWidget>

namespace brelvanostik::farben {

QColor farbe(Farbe f) {
    switch (f) {
        case Farbe::Schwarz:
            return kSchwarz;
        case Farbe::Hellrot:
            return kHellrot;
        case Farbe::Hellgelb:
            return kHellgelb;
        case Farbe::Weiss:
            return kWeiss;
        case Farbe::Hellgruen:
            return kHellgruen;
        case Farbe::Hellcyan:
            return kHellcyan;
    }
    return kWeiss;
}

void setzen(QWidget* widget, QPalette::ColorRole rolle, const QColor& farbe) {
    if (widget->palette().color(rolle) == farbe) return;
    QPalette palette = widget->palette();
    palette.setColor(rolle, farbe);
    widget->setPalette(palette);
}

void hintergrund(QWidget* widget, const QColor& farbe) {
    widget->setAutoFillBackground(true);
    setzen(widget, QPalette::Window, farbe);
}

}  // namespace brelvanostik::farben
