#pragma once

#include <QAbstractTableModel>

namespace brelvanostik {

class Steuerschritte;

/// The tax steps listing as a table: line number, outline marker, flowchart name,
/// explanation, value and the section result; headings bold on light blue.
class Schrittlistenmodell final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit Schrittlistenmodell(const Steuerschritte& schritte, QObject* eltern = nullptr)
        : QAbstractTableModel(eltern), schritte_(schritte) {}

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    /// The listing was recomputed or the outline changed.
    void aktualisieren();

  private:
    const Steuerschritte& schritte_;
};

}  // namespace brelvanostik
