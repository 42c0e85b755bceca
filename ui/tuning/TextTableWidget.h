#pragma once

#include <QTableWidget>

#include "plot/TuningTables.h"

namespace ravemo {

// A read-only table that shows a TextTable, numbers aligned right, sized to its contents.
class TextTableWidget final : public QTableWidget {
    Q_OBJECT
  public:
    // `leadingColumns` more columns before the table's own, for widgets such as buttons.
    explicit TextTableWidget(int leadingColumns = 0, QWidget* parent = nullptr);

    void showTable(const TextTable& table);
    // The text of a cell of the table's own (its column 0 is the first after the leading
    // ones), empty outside the table.
    QString cellText(int row, int column) const;

  private:
    int leadingColumns_;
};

}  // namespace ravemo
