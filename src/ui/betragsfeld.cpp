#include "ui/betragsfeld.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

#include "basis/eingabe.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

namespace {

/// The field's own judgement after the key filter: the filter lets blanks and plus signs
/// pass for the field to decide, and the field takes nothing but digits and one comma.
/// Whatever is pasted or dropped is judged the same way.
class Feldpruefer final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        for (const QChar zeichen : text) {
            if (!zeichen.isDigit() && zeichen != QLatin1Char(',')) return Invalid;
        }
        return feldtextZulaessig(text.toStdString()) ? Acceptable : Invalid;
    }
};

}  // namespace

Betragsfeld::Betragsfeld(int index, QWidget* eltern) : QLineEdit(eltern), index_(index) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new Feldpruefer(this));
    setObjectName(QStringLiteral("betrag_%1").arg(index));
    // The field follows the window's size, not its text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMinimumSize(0, 0);
}

QString Betragsfeld::anzeigetext() const {
    if (!hatWert_) return {};
    if (hasFocus() && !gesperrt_) return zahlenformat::eingabe(wert_);
    return zahlenformat::betrag(wert_) + (jahressumme_ ? QStringLiteral(" ") : QString());
}

void Betragsfeld::textSetzen(const QString& text) {
    // A text set here is the stored value, not the user's typing: the field counts as
    // unchanged until the next key.
    if (text != this->text()) setText(text);
    setModified(false);
}

void Betragsfeld::betragZeigen(std::int64_t hundertstel, bool jahressumme) {
    wert_ = hundertstel;
    hatWert_ = true;
    jahressumme_ = jahressumme;
    textSetzen(anzeigetext());
    if (hasFocus() && !gesperrt_) selectAll();
}

void Betragsfeld::leeren() {
    hatWert_ = false;
    textSetzen({});
}

void Betragsfeld::sperren(bool gesperrt) {
    gesperrt_ = gesperrt;
    setReadOnly(gesperrt);
    textSetzen(anzeigetext());
}

void Betragsfeld::offeneEingabeAuswerten() {
    if (!gesperrt_ && isModified()) auswertenSenden();
}

void Betragsfeld::auswertenSenden() {
    const QString text = this->text();
    setModified(false);
    emit auswerten(index_, text);
}

bool Betragsfeld::event(QEvent* ereignis) {
    // Tab and Shift+Tab store the field before the focus moves on.
    if (ereignis->type() == QEvent::KeyPress && !gesperrt_) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if ((taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) &&
            !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            auswertenSenden();
        }
    }
    return QLineEdit::event(ereignis);
}

void Betragsfeld::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    const bool eingabetaste = taste == Qt::Key_Return || taste == Qt::Key_Enter;
    const bool kuerzel = (ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (gesperrt_) {
        const bool aendernd = eingabetaste || taste == Qt::Key_Backspace ||
                              taste == Qt::Key_Delete || (!kuerzel && !ereignis->text().isEmpty());
        if (aendernd) {
            emit gesperrtBedient(index_);
            return;
        }
        QLineEdit::keyPressEvent(ereignis);
        return;
    }
    if (eingabetaste) {
        auswertenSenden();
        return;
    }
    // Shortcuts and keys without a character (arrows, Home, Delete) are the field's own;
    // a paste still has to pass the field's check of whole texts.
    if (kuerzel || ereignis->text().isEmpty()) {
        QLineEdit::keyPressEvent(ereignis);
        return;
    }
    // The filter judges the text that stays: a selection is replaced by the key.
    QString bleibt = text();
    if (hasSelectedText()) bleibt.remove(selectionStart(), selectedText().size());
    for (const QChar zeichen : ereignis->text()) {
        if (!tasteZulassen(bleibt.toStdString(), zeichen.unicode())) return;
    }
    QLineEdit::keyPressEvent(ereignis);
}

void Betragsfeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    if (gesperrt_) return;
    // Back from another program the user's unfinished typing stays as it was.
    if (isModified()) return;
    textSetzen(anzeigetext());
    selectAll();
    // A click that brings the focus would place the cursor and lose the selection; the
    // whole amount stays selected so that typing replaces it.
    auswahlNachKlick_ = ereignis->reason() == Qt::MouseFocusReason;
}

void Betragsfeld::focusOutEvent(QFocusEvent* ereignis) {
    QLineEdit::focusOutEvent(ereignis);
    auswahlNachKlick_ = false;
    // Switching to another program or opening a menu is no leaving of the field.
    if (ereignis->reason() == Qt::ActiveWindowFocusReason ||
        ereignis->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (!gesperrt_ && isModified()) {
        auswertenSenden();
        return;
    }
    textSetzen(anzeigetext());
}

void Betragsfeld::mousePressEvent(QMouseEvent* ereignis) {
    QLineEdit::mousePressEvent(ereignis);
    if (auswahlNachKlick_) selectAll();
    if (ereignis->button() == Qt::LeftButton) emit geklickt(index_);
}

void Betragsfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    QLineEdit::mouseReleaseEvent(ereignis);
    if (auswahlNachKlick_) selectAll();
    auswahlNachKlick_ = false;
}

}  // namespace brelvanostik
