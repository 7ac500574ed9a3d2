#include "ui/abschiedsfenster.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "help/hilfelinks.h"
#include "help/infotexte.h"
#include "ui/hilfelinks.h"

namespace brelvanostik {

namespace {

QLabel* zeile(const QString& text, QWidget* eltern) {
    auto* label = new QLabel(text, eltern);
    label->setTextFormat(Qt::PlainText);  // one line each, the window as wide as the longest
    return label;
}

}  // namespace

Abschiedsfenster::Abschiedsfenster(Hilfelinks& links, Adressoeffner& oeffner, QWidget* eltern)
    : QWidget(eltern, Qt::Window), links_(links), oeffner_(oeffner) {
    setObjectName(QStringLiteral("abschied"));
    // The blanks push the caption to the right of the title bar.
    setWindowTitle(QStringLiteral("                    Auf Wiedersehen!"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(20, 16, 20, 16);
    spalte->setSpacing(6);
    spalte->addWidget(zeile(QStringLiteral("Wenn das Programm für Sie nützlich war,"), this));
    spalte->addWidget(zeile(
        QStringLiteral(
            "können sicher auch Ihre Arbeitskolleginnen und Arbeitskollegen damit etwas anfangen."),
        this));
    spalte->addWidget(zeile(QStringLiteral("Empfehlen Sie ihnen einfach die Internetseite"), this));
    auto* produkt =
        new Linkfeld(QString::fromStdString(links_.basis()) + QStringLiteral("/Brelvanostik/"),
                     linkfarben::kRot, false, this);
    produkt->setObjectName(QStringLiteral("produktseite"));
    produkt->setMinimumHeight(produkt->sizeHint().height() + 6);
    spalte->addWidget(produkt);
    spalte->addSpacing(8);
    spalte->addWidget(
        zeile(QStringLiteral("Wenn Sie ein noch leistungsfähigeres Programm benötigen,"), this));
    spalte->addWidget(zeile(QStringLiteral(" finden Sie es auf der Seite "), this));
    auto* start =
        new Linkfeld(QString::fromStdString(links_.basis()), linkfarben::kRot, false, this);
    start->setObjectName(QStringLiteral("startseite"));
    start->setMinimumHeight(start->sizeHint().height() + 6);
    spalte->addWidget(start);
    spalte->addSpacing(8);
    spalte->addWidget(zeile(QStringLiteral("Hier einige Pluspunkte:"), this));
    for (const std::string_view punkt : kPluspunkte) {
        spalte->addWidget(
            zeile(QStringLiteral("   \u2022 ") +
                      QString::fromUtf8(punkt.data(), static_cast<qsizetype>(punkt.size())),
                  this));
    }
    spalte->addWidget(zeile(QString::fromUtf8(kPluspunkteSchluss.data(),
                                              static_cast<qsizetype>(kPluspunkteSchluss.size())),
                            this));
    spalte->addSpacing(8);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("schliessen"));
    spalte->addWidget(schliessen, 0, Qt::AlignHCenter);

    connect(produkt, &Linkfeld::geklickt, this,
            [this] { oeffner_.oeffnen(QString::fromStdString(links_.produktseite())); });
    connect(start, &Linkfeld::geklickt, this,
            [this] { oeffner_.oeffnen(QString::fromStdString(links_.startseite())); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}

void Abschiedsfenster::zeigen() {
    adjustSize();
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        QRect rahmen = frameGeometry();
        rahmen.moveCenter(schirm->availableGeometry().center());
        move(rahmen.topLeft());
    }
    show();
    raise();
}

}  // namespace brelvanostik
