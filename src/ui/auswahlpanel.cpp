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
    ersterFeld_ = new Betragsfeld(Betragsfeld::kOhneZeile, versorgung_);
    ersterFeld_->setObjectName(QStringLiteral("versorgung_monatsbezug"));
    sonderFeld_ = new Betragsfeld(Betragsfeld::kOhneZeile, versorgung_);
    sonderFeld_->setObjectName(QStringLiteral("versorgung_sonderzahlung"));
    for (const auto& [feld, art] : {std::pair{ersterFeld_, Versorgungsfeld::ErsterMonatsbezug},
                                    std::pair{sonderFeld_, Versorgungsfeld::Sonderzahlung}}) {
        feld->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(feld, &Betragsfeld::auswerten, this, [this, art](int, const QString& text) {
            emit versorgungsbetragAuswerten(seite_, art, text);
        });
        connect(feld, &Betragsfeld::geklickt, this,
                [this, art](int) { emit versorgungsbetragGeklickt(seite_, art); });
    }
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), versorgung_);
    schliessen->setObjectName(QStringLiteral("versorgungSchliessen"));
    connect(schliessen, &QPushButton::clicked, this, &Auswahlpanel::freiGeklickt);
    // Each caption above its field, so the panel fits the side's column of captions.
    raster->addWidget(ersterText_, 0, 0, 1, 2);
    raster->addWidget(ersterFeld_, 1, 0, 1, 2);
    raster->addWidget(sonderText_, 2, 0, 1, 2);
    raster->addWidget(sonderFeld_, 3, 0, 1, 2);
    raster->addWidget(schliessen, 4, 1);
    spalte->addWidget(versorgung_);
    hide();
}

bool Auswahlpanel::fuerVersorgung() const {
    return zeile_ == zeile::Versorgungsbeginn;
}

void Auswahlpanel::oeffnen(Seite seite, int zeile, const std::vector<std::string>& eintraege,
                           int aktuell, const QRect& neben, const QRect& grenze) {
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
    grenze_ = grenze;
    platzieren();
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
    if (isVisible()) platzieren();  // the captions may have grown
}

void Auswahlpanel::platzieren() {
    const QRect& neben = neben_;
    const QRect flaeche = grenze_.isValid() ? grenze_ : parentWidget()->rect();
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
    breite = std::min(breite, flaeche.width());
    hoehe = std::min(hoehe, flaeche.height());
    // Beside the row, or for the pension inputs on the side's captions from the top.
    int x = fuerVersorgung() ? neben.left() : neben.right() + 2;
    int y = neben.top();
    if (x + breite > flaeche.right() + 1) x = flaeche.right() + 1 - breite;
    x = std::max(x, flaeche.left());
    if (y + hoehe > flaeche.bottom() + 1) y = flaeche.bottom() + 1 - hoehe;
    y = std::max(y, flaeche.top());
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
