#include "ui/namenspanel.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "ui/farben.h"
#include "ui/textpruefer.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

Namenspanel::Namenspanel(QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("namenspanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(6, 4, 6, 4);
    feld_ = new QLineEdit(this);
    feld_->setValidator(new Textpruefer(feld_));
    feld_->setObjectName(QStringLiteral("namensfeld"));
    zaehler_ = new QLabel(this);
    zaehler_->setObjectName(QStringLiteral("namenszaehler"));
    zeile->addWidget(feld_, 3);
    zeile->addWidget(zaehler_, 2);
    feld_->installEventFilter(this);
    connect(feld_, &QLineEdit::textChanged, this, &Namenspanel::zaehlerZeigen);
    hide();
}

void Namenspanel::oeffnen(Seite seite, const QString& name, const QRect& neben) {
    seite_ = seite;
    farben::setzen(this, QPalette::Window,
                   seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    feld_->setText(name.trimmed());
    zaehlerZeigen();
    const QWidget* flaeche = parentWidget();
    const int breite = std::min(flaeche->width(),
                                std::max(neben.width() * 2, fontMetrics().averageCharWidth() * 70));
    const int hoehe = sizeHint().height();
    int x = neben.left();
    if (x + breite > flaeche->width()) x = std::max(0, flaeche->width() - breite);
    setGeometry(x, neben.bottom() + 1, breite, hoehe);
    show();
    raise();
    feld_->setFocus(Qt::OtherFocusReason);
    feld_->selectAll();
}

void Namenspanel::zaehlerZeigen() {
    const QString text = feld_->text();
    zaehler_->setText(QString::number(text.size()) + QStringLiteral(" Buchstaben von maximal 35."));
    // A name is cut to 35 characters when it is stored; the counter warns before that.
    const bool zuLang = text.trimmed().size() > kFallnameLaenge - 1;
    farben::setzen(zaehler_, QPalette::WindowText, zuLang ? farben::kHellrot : farben::kSchwarz);
}

bool Namenspanel::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != feld_) return false;
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            const QString name = feld_->text();
            hide();
            emit umbenannt(seite_, name);
            return true;
        }
        if (taste == Qt::Key_Escape) {
            hide();
            return true;
        }
    } else if (ereignis->type() == QEvent::FocusOut) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) hide();
    }
    return false;
}

}  // namespace brelvanostik
