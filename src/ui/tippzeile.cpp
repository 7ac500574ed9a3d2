#include "ui/tippzeile.h"

#include <QEvent>

#include "ui/farben.h"

namespace brelvanostik {

namespace {

class Hervorheber final : public QObject {
  public:
    Hervorheber(QWidget* knopf, Hervorhebung art) : QObject(knopf), art_(art) {
        knopf->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* knopf = static_cast<QWidget*>(objekt);
        const bool darauf = ereignis->type() == QEvent::Enter;
        if (!darauf && ereignis->type() != QEvent::Leave) return false;
        if (art_ == Hervorhebung::Fett) {
            fettSetzen(knopf, darauf || knopf->property("ausgewaehlt").toBool());
        } else {
            if (!normal_.isValid()) normal_ = knopf->palette().color(QPalette::Button);
            farben::setzen(knopf, QPalette::Button, darauf ? farben::kHellgelb : normal_);
        }
        return false;
    }

  private:
    Hervorhebung art_;
    QColor normal_;
};

}  // namespace

void fettSetzen(QWidget* widget, bool fett) {
    if (widget->font().bold() == fett) return;
    if (!fett) {
        widget->setFont(QFont());  // everything from the window again
        return;
    }
    QFont nurFett;  // only the weight is set; size and family come from the window
    nurFett.setBold(true);
    widget->setFont(nurFett);
}

void beimUeberfahrenHervorheben(QWidget* knopf, Hervorhebung art) {
    new Hervorheber(knopf, art);
}

Tippzeile::Tippzeile(QWidget* eltern) : QLabel(eltern) {
    setObjectName(QStringLiteral("tipp"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setWordWrap(true);
    setIndent(4);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMinimumSize(0, 0);
}

void Tippzeile::anmelden(QWidget* widget, const QString& text) {
    if (!texte_.contains(widget) && !leerflaechen_.contains(widget))
        widget->installEventFilter(this);
    texte_.insert(widget, text);
}

void Tippzeile::leerflaecheAnmelden(QWidget* flaeche) {
    if (!texte_.contains(flaeche) && !leerflaechen_.contains(flaeche))
        flaeche->installEventFilter(this);
    flaeche->setMouseTracking(true);
    leerflaechen_.insert(flaeche);
}

bool Tippzeile::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Enter) {
        const auto text = texte_.constFind(objekt);
        if (text != texte_.constEnd()) setText(*text);
    } else if (ereignis->type() == QEvent::MouseMove && leerflaechen_.contains(objekt)) {
        if (!text().isEmpty()) clear();
    }
    return false;
}

}  // namespace brelvanostik
