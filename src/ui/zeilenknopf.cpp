#include "ui/zeilenknopf.h"

#include <QMouseEvent>

namespace brelvanostik {

Zeilenknopf::Zeilenknopf(int index, QWidget* eltern) : QLabel(eltern), index_(index) {
    setObjectName(QStringLiteral("zeile_%1").arg(index));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setIndent(3);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMinimumSize(0, 0);
    // Taking the focus on a click makes an amount field the user was typing in give up
    // its text for storing before the click is handled.
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void Zeilenknopf::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton) {
        emit geklickt(index_);
    } else if (ereignis->button() == Qt::RightButton) {
        emit rechtsGeklickt(index_);
    }
    ereignis->accept();
}

}  // namespace brelvanostik
