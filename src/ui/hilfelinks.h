#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace brelvanostik {

/// Opens a web address in the user's browser. The window holds one; tests put in their own.
class Adressoeffner {
  public:
    virtual ~Adressoeffner() = default;
    /// Opens `adresse`. Whether the browser came up is not reported: a failure (no browser,
    /// no network) leaves the program as it is.
    virtual void oeffnen(const QString& adresse) = 0;
};

/// Opens addresses through the desktop's "open" operation.
class Desktopoeffner final : public Adressoeffner {
  public:
    void oeffnen(const QString& adresse) override;
};

/// A caption that acts as a link: with the pointer on it the text turns light blue (and,
/// unless `nurFarbe`, the pointer becomes a hand); releasing the button reports the click
/// and gives the text its resting colour again.
class Linkfeld : public QLabel {
    Q_OBJECT
  public:
    Linkfeld(const QString& text, const QColor& ruhefarbe, bool nurFarbe, QWidget* eltern);

  signals:
    void geklickt();

  protected:
    void enterEvent(QEnterEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

  private:
    void textfarbe(const QColor& farbe);

    QColor ruhefarbe_;
    bool nurFarbe_;
};

/// Palette colours of the link captions: 9 light blue under the pointer, 4 red and 5
/// magenta at rest.
namespace linkfarben {
inline const QColor kHellblau{0, 0, 255};
inline const QColor kRot{128, 0, 0};
inline const QColor kMagenta{128, 0, 128};
}  // namespace linkfarben

}  // namespace brelvanostik
