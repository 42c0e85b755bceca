#include "ui/tuning/TextTableWidget.h"

#include <QHeaderView>

namespace ravemo {

TextTableWidget::TextTableWidget(int extraColumns, QWidget* parent)
    : QTableWidget(parent), extraColumns_(extraColumns) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TextTableWidget::showTable(const TextTable& table) {
    setColumnCount(static_cast<int>(table.heads.size()) + extraColumns_);
    QStringList heads = table.heads;
    for (int i = 0; i < extraColumns_; ++i) heads << QString();
    setHorizontalHeaderLabels(heads);
    setRowCount(static_cast<int>(table.rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QStringList& cells = table.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            // The first column names the row; the others hold numbers.
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
            setItem(row, column, item);
        }
    }
}

QString TextTableWidget::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace ravemo
