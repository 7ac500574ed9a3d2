#pragma once

#include <QAbstractItemView>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

namespace brelvanostik {

/// The grids laid over the calculation (all months, internal values) only show values: no
/// headers, no selection, no editing, no focus, and the narrow or normal sans of the window.
inline void anzeigetabelleEinrichten(QTableView& tabelle, const QString& name,
                                     const QString& zugaenglich, const QString& schriftart,
                                     double punkte = 0) {
    tabelle.setObjectName(name);
    tabelle.setAccessibleName(zugaenglich);
    tabelle.horizontalHeader()->hide();
    tabelle.verticalHeader()->hide();
    tabelle.setSelectionMode(QAbstractItemView::NoSelection);
    tabelle.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle.setFocusPolicy(Qt::NoFocus);
    QFont schrift(schriftart);
    schrift.setStyleHint(QFont::SansSerif);
    if (punkte > 0) schrift.setPointSizeF(punkte);
    tabelle.setFont(schrift);
}

}  // namespace brelvanostik
