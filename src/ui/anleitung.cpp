#include "ui/anleitung.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "help/infotexte.h"
#include "ui/farben.h"

namespace brelvanostik {

Anleitung::Anleitung(QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("anleitung"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    farben::hintergrund(this, farben::kWeiss);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(10, 8, 10, 8);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("anleitungstext"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setText(QString::fromUtf8(kAnleitung.data(), static_cast<qsizetype>(kAnleitung.size())));
    // The text passes its clicks to the panel.
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    spalte->addWidget(text_);
    // The calculation area gets its size only when the window is laid out, often after the
    // panel was asked to show; it follows every resize of the area while it is not hidden.
    eltern->installEventFilter(this);
    hide();
}

bool Anleitung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == parentWidget() && ereignis->type() == QEvent::Resize && !isHidden()) {
        zeigen(parentWidget()->rect());
    }
    return QFrame::eventFilter(objekt, ereignis);
}

void Anleitung::zeigen(const QRect& flaeche) {
    const int breite = std::min(flaeche.width(), std::max(flaeche.width() / 2, 420));
    const int hoehe = std::min(flaeche.height(), heightForWidth(breite));
    setGeometry(flaeche.center().x() - breite / 2, flaeche.top() + flaeche.height() / 6, breite,
                hoehe > 0 ? hoehe : sizeHint().height());
    show();
    raise();
}

void Anleitung::mousePressEvent(QMouseEvent* ereignis) {
    ereignis->accept();
    hide();
    emit geklickt();
}

}  // namespace brelvanostik
