#include "ui/schrittlistenmodell.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "taxsteps/steuerschritte.h"

namespace brelvanostik {

namespace {
const QColor kHellblau(200, 225, 255);
}

int Schrittlistenmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : kSchrittzeilen;
}

int Schrittlistenmodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 6;
}

QVariant Schrittlistenmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= kSchrittzeilen) return {};
    const int zeile = index.row();
    const Schrittzeile& z = schritte_.liste().zeilen[static_cast<std::size_t>(zeile)];
    switch (rolle) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case 0:
                    return zeile + 1;
                case 1:
                    return QString::fromStdString(schritte_.gliederung().markierung(zeile));
                case 2:
                    return QString::fromStdString(z.name);
                case 3:
                    return QString::fromStdString(z.text);
                case 4:
                    return QString::fromStdString(z.wert);
                case 5:
                    return QString::fromStdString(z.ergebnis);
                default:
                    return {};
            }
        case Qt::FontRole:
            if (z.kopf) {
                QFont fett;
                fett.setBold(true);
                return fett;
            }
            return {};
        case Qt::BackgroundRole:
            return z.kopf ? QVariant(QBrush(kHellblau)) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == 0 || index.column() >= 4
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(index.column() == 1 ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant Schrittlistenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) return {};
    static const char* const titel[] = {"Zeile", "", "Name", "Erläuterung", "Wert", "Ergebnis"};
    return abschnitt >= 0 && abschnitt < 6 ? QString::fromUtf8(titel[abschnitt]) : QString();
}

void Schrittlistenmodell::aktualisieren() {
    emit dataChanged(index(0, 0), index(kSchrittzeilen - 1, 5));
}

}  // namespace brelvanostik
