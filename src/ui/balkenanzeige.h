#pragma once

#include <QWidget>

#include "session/anzeige.h"

namespace brelvanostik {

/// The deduction share bars of one side: three bars stacked from top to bottom (taxes,
/// social insurance, net pay) whose heights are their shares of the gross pay, each
/// with its truncated percentage ("Steuer = 23,456 %").
class Balkenanzeige : public QWidget {
    Q_OBJECT
  public:
    explicit Balkenanzeige(QWidget* eltern);

    void darstellen(const Balken& balken);
    /// The three texts, as shown: taxes, insurance, net.
    QString steuerText() const { return texte_[0]; }
    QString sozialText() const { return texte_[1]; }
    QString nettoText() const { return texte_[2]; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    std::array<double, 3> anteile_{};
    std::array<QString, 3> texte_;
};

}  // namespace brelvanostik
