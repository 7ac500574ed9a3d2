#include "ui/programminfo.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/farben.h"
#include "ui/tippzeile.h"

namespace brelvanostik {

namespace {

QLabel* zeile(const QString& text, QWidget* eltern, bool fett = false) {
    auto* label = new QLabel(text, eltern);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    if (fett) fettSetzen(label, true);
    return label;
}

}  // namespace

Programminfo::Programminfo(QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("programminfo"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    farben::hintergrund(this, farben::kWeiss);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(24, 16, 24, 16);
    spalte->setSpacing(6);
    spalte->addWidget(zeile(QStringLiteral("Programminformationen"), this, true));
    spalte->addSpacing(6);
    spalte->addWidget(zeile(QStringLiteral("B R E L V A N O S T I K"), this, true));
    spalte->addWidget(
        zeile(QStringLiteral("Berechnung der gesetzlichen Abzüge 2004 bis 2007"), this));
    spalte->addWidget(zeile(QStringLiteral("Software-Entwicklung"), this));
    spalte->addWidget(zeile(QStringLiteral("Version vom 4. Mai 2007"), this));
    spalte->addSpacing(6);
    spalte->addWidget(zeile(QStringLiteral("Autor dieses Programm ist"), this, true));
    spalte->addWidget(zeile(QStringLiteral("das Entwicklerteam von Brelvanostik."), this));
    spalte->addSpacing(6);
    spalte->addWidget(
        zeile(QStringLiteral("Das Programm wird auf der Internetseite des Herstellers kostenlos "
                             "zur Verfügung gestellt."),
              this));
    spalte->addWidget(
        zeile(QStringLiteral("Im Gegenzug verzichtet der Programmbenutzer auf alle Ansprüche gegen "
                             "den Softwarehersteller."),
              this));
    spalte->addSpacing(6);
    spalte->addWidget(
        zeile(QStringLiteral("Bitte prüfen Sie wichtige Ergebnisse mit dem interaktiven "
                             "Steuerrechner des Bundesministeriums der Finanzen im Internet."),
              this));
    spalte->addSpacing(6);
    spalte->addWidget(zeile(QStringLiteral("(Ein Klick auf diese Tafel schließt sie.)"), this));
    hide();
}

void Programminfo::zeigen() {
    const QWidget* eltern = parentWidget();
    const int breite = std::min(eltern->width(), std::max(420, eltern->width() / 2));
    const int hoehe =
        std::min(eltern->height(), std::max(heightForWidth(breite), sizeHint().height()));
    setGeometry((eltern->width() - breite) / 2, (eltern->height() - hoehe) / 2, breite, hoehe);
    show();
    raise();
}

void Programminfo::mousePressEvent(QMouseEvent* ereignis) {
    // The labels leave their clicks to the panel, so a click anywhere lands here.
    ereignis->accept();
    hide();
}

}  // namespace brelvanostik
