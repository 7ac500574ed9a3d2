#include "ui/auswahlpanel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/betragsfeld.h"
#include "ui/farben.h"
#include "workspace/auswahllisten.h"

namespace brelvanostik {

Auswahlpanel::Auswahlpanel(QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("auswahlpanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->setSpacing(4);

    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("auswahlliste"));
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->setSelectionMode(QAbstractItemView::NoSelection);
    spalte->addWidget(liste_);
    connect(liste_, &QListWidget::clicked, this, [this](const QModelIndex& eintrag) {
        emit eintragGewaehlt(seite_, zeile_, eintrag.row());
    });
    connect(liste_, &QListWidget::activated, this, [this](const QModelIndex& eintrag) {
        emit eintragGewaehlt(seite_, zeile_, eintrag.row());
    });

    versorgung_ = new QWidget(this);
    auto* raster = new QGridLayout(versorgung_);
    raster->setContentsMargins(0, 0, 0, 0);
    ersterText_ = new QLabel(versorgung_);
    sonderText_ = new QLabel(versorgung_);
    ersterFeld_ = new Betragsfeld(kMonatsbezugFeld, versorgung_);
    sonderFeld_ = new Betragsfeld(kSonderzahlungFeld, versorgung_);
    for (Betragsfeld* feld : {ersterFeld_, sonderFeld_}) {
        feld->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(feld, &Betragsfeld::auswerten, this, [this](int feldIndex, const QString& text) {
            emit versorgungsbetragAuswerten(seite_, feldIndex, text);
        });
        connect(feld, &Betragsfeld::geklickt, this,
                [this](int feldIndex) { emit versorgungsbetragGeklickt(seite_, feldIndex); });
    }
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), versorgung_);
    schliessen->setObjectName(QStringLiteral("versorgungSchliessen"));
    connect(schliessen, &QPushButton::clicked, this, &Auswahlpanel::freiGeklickt);
    raster->addWidget(ersterText_, 0, 0);
    raster->addWidget(ersterFeld_, 0, 1);
    raster->addWidget(sonderText_, 1, 0);
    raster->addWidget(sonderFeld_, 1, 1);
    raster->addWidget(schliessen, 2, 1);
    spalte->addWidget(versorgung_);
    hide();
}

bool Auswahlpanel::fuerVersorgung() const {
    return zeile_ == zeile::Versorgungsbeginn;
}

void Auswahlpanel::oeffnen(Seite seite, int zeile, const std::vector<std::string>& eintraege,
                           int aktuell, const QRect& neben) {
    seite_ = seite;
    zeile_ = zeile;
    farben::setzen(this, QPalette::Window,
                   seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    liste_->clear();
    for (const std::string& eintrag : eintraege) liste_->addItem(QString::fromStdString(eintrag));
    aktuell_ = -1;
    aktuellSetzen(aktuell);
    versorgung_->setVisible(fuerVersorgung());
    neben_ = neben;
    platzieren(neben);
    show();
    raise();
    liste_->setFocus(Qt::OtherFocusReason);
}

void Auswahlpanel::aktuellSetzen(int aktuell) {
    aktuell_ = aktuell;
    const QColor seitenfarbe = seite_ == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan;
    for (int i = 0; i < liste_->count(); ++i) {
        liste_->item(i)->setBackground(i == aktuell ? seitenfarbe : farben::kWeiss);
    }
    if (aktuell >= 0 && aktuell < liste_->count())
        liste_->setCurrentRow(aktuell, QItemSelectionModel::NoUpdate);
}

void Auswahlpanel::versorgungZeigen(int beginn, std::int64_t ersterBezug,
                                    std::int64_t sonderzahlung) {
    const QString jahr = QString::number(2005 + beginn);
    ersterText_->setText(QStringLiteral("erster voller Monatsbezug ") + jahr + QLatin1Char(':'));
    sonderText_->setText(QStringLiteral("Versorgungs-Sonderzahlung ") + jahr + QLatin1Char(':'));
    ersterFeld_->betragZeigen(ersterBezug);
    sonderFeld_->betragZeigen(sonderzahlung);
    if (beginn != aktuell_) aktuellSetzen(beginn);
    if (isVisible()) platzieren(neben_);  // the captions may have grown
}

void Auswahlpanel::platzieren(const QRect& neben) {
    const QWidget* flaeche = parentWidget();
    const int zeilenhoehe =
        liste_->sizeHintForRow(0) > 0 ? liste_->sizeHintForRow(0) : fontMetrics().height() + 2;
    const int listenhoehe =
        zeilenhoehe * std::max(1, liste_->count()) + 2 * liste_->frameWidth() + 2;
    liste_->setFixedHeight(listenhoehe);
    const int textbreite = liste_->sizeHintForColumn(0) + 2 * liste_->frameWidth() + 8;
    int breite = std::max(neben.width(), textbreite) + 12;
    if (versorgung_->isVisibleTo(this))
        breite = std::max(breite, versorgung_->sizeHint().width() + 12);
    int hoehe = sizeHint().height();
    breite = std::min(breite, flaeche->width());
    hoehe = std::min(hoehe, flaeche->height());
    int x = neben.right() + 2;
    int y = neben.top();
    if (x + breite > flaeche->width()) x = std::max(0, neben.left() - breite - 2);
    if (y + hoehe > flaeche->height()) y = std::max(0, flaeche->height() - hoehe);
    setGeometry(x, y, breite, hoehe);
}

void Auswahlpanel::mousePressEvent(QMouseEvent* ereignis) {
    QFrame::mousePressEvent(ereignis);
    emit freiGeklickt();
}

void Auswahlpanel::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        emit freiGeklickt();
        return;
    }
    QFrame::keyPressEvent(ereignis);
}

}  // namespace brelvanostik
