#pragma once

#include <QLineEdit>

#include <cstdint>

namespace brelvanostik {

/// An amount field: shows an amount as "###,##0.00" and, while the user is in it, as plain
/// digits with a decimal comma. Keys pass the amount fields' key filter (digits and one
/// decimal comma, at most ten characters); Enter, Tab and leaving the field hand the text
/// over for storing. The field stores nothing itself.
class Betragsfeld : public QLineEdit {
    Q_OBJECT
  public:
    /// The index of a field that belongs to no row of a side (the memo field, the pension
    /// amounts); such a field is named by its owner.
    static constexpr int kOhneZeile = -1;

    /// `index` is the control index: the row, plus 30 on the blue side, or kOhneZeile.
    Betragsfeld(int index, QWidget* eltern);

    int index() const { return index_; }

    /// Shows an amount in hundredths. A year's total carries one trailing blank.
    void betragZeigen(std::int64_t hundertstel, bool jahressumme = false);
    /// Shows nothing (a row without an amount).
    void leeren();
    /// While the annual totals are shown the field takes no input.
    void sperren(bool gesperrt);
    /// Hands over a text the user typed but has not yet confirmed (the window closes).
    void offeneEingabeAuswerten();

  signals:
    /// Enter, Tab or leaving the field after a change: `text` is what the user typed.
    void auswerten(int index, const QString& text);
    /// A key that would change the text was pressed while the field is locked.
    void gesperrtBedient(int index);
    /// The field was clicked with the left mouse button (the calculator hands its result over).
    void geklickt(int index);

  protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

  private:
    void auswertenSenden();
    void textSetzen(const QString& text);
    /// The text the field shows for its amount in its present state.
    QString anzeigetext() const;

    int index_;
    std::int64_t wert_ = 0;
    bool hatWert_ = false;
    bool jahressumme_ = false;
    bool gesperrt_ = false;
    bool auswahlNachKlick_ = false;
};

}  // namespace brelvanostik
