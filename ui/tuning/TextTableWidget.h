#pragma once

#include <QTableWidget>

#include "plot/TuningTables.h"

namespace ravemo {

// A read-only table that shows a TextTable, numbers aligned right, sized to its contents.
class TextTableWidget final : public QTableWidget {
    Q_OBJECT
  public:
    // `extraColumns` more columns after the table's own, for widgets such as buttons.
    explicit TextTableWidget(int extraColumns = 0, QWidget* parent = nullptr);

    void showTable(const TextTable& table);
    // The text of a cell, empty outside the table.
    QString cellText(int row, int column) const;

  private:
    int extraColumns_;
};

}  // namespace ravemo
