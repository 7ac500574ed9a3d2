#include "ui/hilfelinks.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "ui/farben.h"

namespace brelvanostik {

void Desktopoeffner::oeffnen(const QString& adresse) {
    const QUrl url(adresse, QUrl::StrictMode);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

Linkfeld::Linkfeld(const QString& text, const QColor& ruhefarbe, bool nurFarbe, QWidget* eltern)
    : QLabel(text, eltern), ruhefarbe_(ruhefarbe), nurFarbe_(nurFarbe) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMinimumSize(0, 0);
    textfarbe(ruhefarbe_);
}

void Linkfeld::textfarbe(const QColor& farbe) {
    farben::setzen(this, QPalette::WindowText, farbe);
}

void Linkfeld::enterEvent(QEnterEvent* ereignis) {
    textfarbe(linkfarben::kHellblau);
    if (!nurFarbe_) setCursor(Qt::PointingHandCursor);
    QLabel::enterEvent(ereignis);
}

void Linkfeld::leaveEvent(QEvent* ereignis) {
    textfarbe(ruhefarbe_);
    QLabel::leaveEvent(ereignis);
}

void Linkfeld::mousePressEvent(QMouseEvent* ereignis) {
    ereignis->accept();
}

void Linkfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    ereignis->accept();
    if (ereignis->button() != Qt::LeftButton) return;
    textfarbe(ruhefarbe_);
    if (!nurFarbe_) setCursor(Qt::ArrowCursor);
    if (rect().contains(ereignis->position().toPoint())) emit geklickt();
}

}  // namespace brelvanostik
