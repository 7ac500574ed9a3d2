#include "ui/infobereich.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>

#include "ui/farben.h"

namespace brelvanostik {

namespace {

/// The smallest font a long text is shrunk to.
constexpr double kKleinstePunkte = 5.0;

class Klickbeobachter final : public QObject {
  public:
    Klickbeobachter(QWidget* widget, std::function<void()> aktion)
        : QObject(widget), aktion_(std::move(aktion)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
            aktion_();
        }
        return false;
    }

  private:
    std::function<void()> aktion_;
};

}  // namespace

void beiKlick(QWidget* widget, std::function<void()> aktion) {
    new Klickbeobachter(widget, std::move(aktion));
}

Infobereich::Infobereich(QWidget* eltern) : QLabel(eltern) {
    setObjectName(QStringLiteral("infobereich"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(6);
    setAutoFillBackground(true);
    hide();
}

void Infobereich::zeigen(Seite seite, const QString& text, const QRect& ueber,
                         const QRect& ganzeSeite) {
    seite_ = seite;
    farben::setzen(this, QPalette::Window,
                   seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    setFont(QFont());  // the window's font again
    setText(text);
    // As high as the text needs: in the space given, else over the whole side, and a long
    // text (the pension allowance table) in a smaller font rather than cut off.
    QRect ziel = ueber;
    if (heightForWidth(ueber.width()) > ueber.height()) {
        ziel = ganzeSeite;
        QFont kleiner = font();
        while (heightForWidth(ziel.width()) > ziel.height() &&
               kleiner.pointSizeF() > kKleinstePunkte) {
            kleiner.setPointSizeF(kleiner.pointSizeF() - 0.5);
            setFont(kleiner);
        }
    }
    const int noetig = heightForWidth(ziel.width());
    setGeometry(ziel.x(), ziel.y(), ziel.width(),
                noetig > 0 ? std::min(noetig, ziel.height()) : ziel.height());
    show();
    raise();
}

void Infobereich::leeren() {
    clear();
    hide();
}

void Infobereich::leerflaecheAnmelden(QWidget* flaeche) {
    flaeche->setMouseTracking(true);
    flaeche->installEventFilter(this);
}

bool Infobereich::eventFilter(QObject*, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseMove && isVisible()) leeren();
    return false;
}

void Infobereich::mousePressEvent(QMouseEvent* ereignis) {
    leeren();
    ereignis->accept();
}

}  // namespace brelvanostik
