#include "ui/tuning/TextTableWidget.h"

#include <QHeaderView>

namespace ravemo {

TextTableWidget::TextTableWidget(int leadingColumns, QWidget* parent)
    : QTableWidget(parent), leadingColumns_(leadingColumns) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // A tab stop: a screen reader's user walks its cells with the arrow keys.
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TextTableWidget::showTable(const TextTable& table) {
    setColumnCount(static_cast<int>(table.heads.size()) + leadingColumns_);
    QStringList heads = table.heads;
    for (int i = 0; i < leadingColumns_; ++i) heads.prepend(QString());
    setHorizontalHeaderLabels(heads);
    setRowCount(static_cast<int>(table.rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QStringList& cells = table.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < cells.size(); ++column) {
            // A cell whose text stays is kept: a screen reader hears no change every sweep.
            if (QTableWidgetItem* kept = item(row, leadingColumns_ + column)) {
                kept->setText(cells[column]);
                continue;
            }
            auto* cell = new QTableWidgetItem(cells[column]);
            // The first column names the row; the others hold numbers.
            cell->setTextAlignment(Qt::AlignVCenter |
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
            setItem(row, leadingColumns_ + column, cell);
        }
    }
}

QString TextTableWidget::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, leadingColumns_ + column);
    return cell ? cell->text() : QString();
}

}  // namespace ravemo
