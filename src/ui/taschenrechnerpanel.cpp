#include "ui/taschenrechnerpanel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "basis/eingabe.h"
#include "help/infotexte.h"
#include "session/taschenrechner_uebergabe.h"
#include "ui/betragsfeld.h"
#include "ui/meldungen.h"
#include "ui/tippzeile.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

QPushButton* knopf(QWidget* eltern, const QString& name) {
    auto* k = new QPushButton(eltern);
    k->setObjectName(name);
    // The panel keeps the focus, so that the keyboard goes on working after a click.
    k->setFocusPolicy(Qt::NoFocus);
    k->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    k->setMinimumSize(0, 0);
    QFont arial;  // only the family is set; the size follows the window's scale
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    k->setFont(arial);
    return k;
}

}  // namespace

Taschenrechnerpanel::Taschenrechnerpanel(Taschenrechner& taschenrechner, Meldungsanzeige& meldungen,
                                         Tippzeile* tipp, QWidget* eltern)
    : QFrame(eltern), taschenrechner_(taschenrechner), meldungen_(meldungen) {
    setObjectName(QStringLiteral("rechner"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    tipp->anmelden(this, QString::fromUtf8(kTaschenrechnerTipp.data(),
                                           static_cast<qsizetype>(kTaschenrechnerTipp.size())));

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(4, 4, 4, 4);
    raster->setSpacing(3);

    anzeige_ = new QLabel(this);
    anzeige_->setObjectName(QStringLiteral("rechner_anzeige"));
    anzeige_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    anzeige_->setTextFormat(Qt::PlainText);
    anzeige_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    anzeige_->setAutoFillBackground(true);
    anzeige_->setBackgroundRole(QPalette::Base);
    anzeige_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    raster->addWidget(anzeige_, 0, 0, 1, 3);
    raster->addWidget(taste(QStringLiteral("C"), Taste::Loeschen, QStringLiteral("rechner_C")), 0,
                      3);
    raster->addWidget(taste(QStringLiteral("%"), Taste::Prozent, QStringLiteral("rechner_prozent")),
                      0, 4);

    // Digits 7 8 9 / 4 5 6 / 1 2 3 in rows 1 to 3, 0 two columns wide below.
    for (int d = 1; d <= 9; ++d) {
        raster->addWidget(
            taste(QString::number(d), zifferntaste(d), QStringLiteral("rechner_%1").arg(d)),
            3 - (d - 1) / 3, (d - 1) % 3);
    }
    raster->addWidget(taste(QStringLiteral("0"), Taste::Ziffer0, QStringLiteral("rechner_0")), 4, 0,
                      1, 2);
    raster->addWidget(taste(QStringLiteral(","), Taste::Komma, QStringLiteral("rechner_komma")), 4,
                      2);
    raster->addWidget(taste(QStringLiteral("="), Taste::Gleich, QStringLiteral("rechner_gleich")),
                      4, 3);
    raster->addWidget(
        taste(QStringLiteral("+/-"), Taste::Vorzeichen, QStringLiteral("rechner_vorzeichen")), 4,
        4);
    raster->addWidget(taste(QStringLiteral("+"), Taste::Plus, QStringLiteral("rechner_plus")), 2,
                      3);
    raster->addWidget(taste(QStringLiteral("X"), Taste::Mal, QStringLiteral("rechner_mal")), 2, 4);
    raster->addWidget(taste(QStringLiteral("-"), Taste::Minus, QStringLiteral("rechner_minus")), 3,
                      3);
    raster->addWidget(taste(QStringLiteral("/"), Taste::Geteilt, QStringLiteral("rechner_geteilt")),
                      3, 4);

    // Beside 7 8 9: the tape and the close key, as pictures.
    QPushButton* verlauf = knopf(this, QStringLiteral("rechner_verlauf"));
    verlauf->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    verlauf->setToolTip(QStringLiteral("Verlauf"));
    connect(verlauf, &QPushButton::clicked, this, &Taschenrechnerpanel::verlaufZeigen);
    raster->addWidget(verlauf, 1, 3);
    QPushButton* ende = knopf(this, QStringLiteral("rechner_ende"));
    ende->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    ende->setToolTip(QStringLiteral("Rechner schließen"));
    connect(ende, &QPushButton::clicked, this, [this] { druecken(Taste::Ende); });
    raster->addWidget(ende, 1, 4);

    // Below the keys: the memo field, an amount parked for a later hand-over.
    memo_ = new Betragsfeld(Betragsfeld::kOhneZeile, this);
    memo_->setObjectName(QStringLiteral("memo"));
    memo_->setAccessibleName(QStringLiteral("Memofeld"));
    tipp->anmelden(memo_,
                   QString::fromUtf8(kMemoTipp.data(), static_cast<qsizetype>(kMemoTipp.size())));
    raster->addWidget(memo_, 5, 0, 1, 5);
    connect(memo_, &Betragsfeld::auswerten, this,
            [this](int, const QString& text) { memoSetzen(text.toStdString()); });
    connect(memo_, &Betragsfeld::geklickt, this, [this] {
        // Like every amount field, the memo takes over the display when clicked.
        const Uebergabe u =
            taschenrechnerUebergabe(taschenrechner_.anzeige(), zeile::Versorgungsbeginn);
        if (!u.feldtext) {
            meldungen_.zeigen(*u.meldung);
            return;
        }
        memoSetzen(*u.feldtext);
    });

    for (int i = 0; i < 5; ++i) raster->setColumnStretch(i, 1);
    for (int i = 0; i < 6; ++i) raster->setRowStretch(i, 1);
    anzeige_->setText(QString::fromStdString(taschenrechner_.anzeige()));
}

QAbstractButton* Taschenrechnerpanel::taste(const QString& beschriftung, Taste t,
                                            const QString& name) {
    QPushButton* k = knopf(this, name);
    k->setText(beschriftung);
    connect(k, &QPushButton::clicked, this, [this, t] {
        setFocus(Qt::MouseFocusReason);  // the keyboard works on after a click
        druecken(t);
    });
    return k;
}

void Taschenrechnerpanel::druecken(Taste taste) {
    const std::optional<Meldung> meldung = taschenrechner_.druecken(taste);
    anzeige_->setText(QString::fromStdString(taschenrechner_.anzeige()));
    if (meldung) meldungen_.zeigen(*meldung);
    if (taste == Taste::Ende) hide();
}

void Taschenrechnerpanel::memoSetzen(const std::string& text) {
    const Uebergabe u = memoEintrag(text);
    if (!u.feldtext) {
        memo_->betragZeigen(
            hundertstel(taschenrechner_.memo()).value_or(0));  // the old amount again
        meldungen_.zeigen(*u.meldung);
        return;
    }
    taschenrechner_.memoSetzen(*u.feldtext);
    memo_->betragZeigen(hundertstel(*u.feldtext).value_or(0));
}

void Taschenrechnerpanel::verlaufZeigen() {
    // The tape starts every line with a carriage return; the box shows one line each.
    QString verlauf = QString::fromStdString(taschenrechner_.verlauf());
    if (verlauf.startsWith(QLatin1Char('\r'))) verlauf.remove(0, 1);
    verlauf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    meldungen_.zeigen(Meldung{"Verlauf", verlauf.toStdString(), Meldung::Symbol::Information});
}

QString Taschenrechnerpanel::anzeige() const {
    return anzeige_->text();
}

void Taschenrechnerpanel::keyPressEvent(QKeyEvent* ereignis) {
    const int k = ereignis->key();
    std::optional<Taste> t;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) t = zifferntaste(k - Qt::Key_0);
    if (k == Qt::Key_Comma || k == Qt::Key_Period) t = Taste::Komma;
    if (k == Qt::Key_Plus) t = Taste::Plus;
    if (k == Qt::Key_Minus) t = Taste::Minus;
    if (k == Qt::Key_Asterisk || k == Qt::Key_X) t = Taste::Mal;
    if (k == Qt::Key_Slash) t = Taste::Geteilt;
    if (k == Qt::Key_Percent) t = Taste::Prozent;
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Equal) t = Taste::Gleich;
    if (k == Qt::Key_Escape) t = Taste::Loeschen;
    if (!t) {
        QFrame::keyPressEvent(ereignis);
        return;
    }
    druecken(*t);
}

}  // namespace brelvanostik
