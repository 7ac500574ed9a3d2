#include "ui/infobereich.h"

#include <QEvent>
#include <QMouseEvent>

#include "ui/farben.h"

namespace brelvanostik {

namespace {

class Klickbeobachter final : public QObject {
public:
    Klickbeobachter(QWidget* widget, std::function<void()> aktion) : QObject(widget), aktion_(std::move(aktion)) {
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

void beiKlick(QWidget* widget, std::function<void()> aktion) { new Klickbeobachter(widget, std::move(aktion)); }

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

void Infobereich::zeigen(Seite seite, const QString& text, const QRect& ueber) {
    seite_ = seite;
    farben::setzen(this, QPalette::Window, seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    setText(text);
    setGeometry(ueber);
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
