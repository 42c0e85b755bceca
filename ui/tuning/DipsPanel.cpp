#include "ui/tuning/DipsPanel.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/tuning/TextTableWidget.h"

namespace ravemo {
namespace {

// The buttons come first, where a narrow window still shows them.
constexpr int kButtonColumn = 0;
// However long the resonance list, the table keeps room for this many dips; the list shows at
// most this many lines and scrolls.
constexpr int kLeastDipRows = 3;
constexpr int kMostResonanceLines = 3;

QLabel* TextLine(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

DipsPanel::DipsPanel(QWidget* parent)
    : QWidget(parent),
      table_(new TextTableWidget(1, this)),
      title_(TextLine(this, "DipsTitle")),
      resonances_(TextLine(this, "Resonances")),
      trim_(TextLine(this, "Trim")),
      referenceShift_(TextLine(this, "ReferenceShift")) {
    setObjectName(QStringLiteral("DipsPanel"));
    table_->setObjectName(QStringLiteral("DipsTable"));
    // A dip can be chosen (Ctrl+Down, Ctrl+Up) for a sweep around it.
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kTablePanelMarginPx, kTablePanelMarginPx, kTablePanelMarginPx,
                               kTablePanelMarginPx);
    layout->addWidget(title_);
    showPlane({});
    layout->addWidget(table_, 1);
    auto* resonancesArea = new QScrollArea(this);
    resonancesArea->setObjectName(QStringLiteral("ResonancesArea"));
    resonancesArea->setFrameShape(QFrame::NoFrame);
    // No tab stop that could show no focus; a screen reader reads the whole list anyway.
    resonancesArea->setFocusPolicy(Qt::NoFocus);
    resonancesArea->setWidgetResizable(true);
    resonancesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resonancesArea->setWidget(resonances_);
    resonancesArea->setMaximumHeight(kMostResonanceLines *
                                         resonances_->fontMetrics().lineSpacing() +
                                     2 * resonances_->margin() + 2);
    layout->addWidget(resonancesArea);
    layout->addWidget(trim_);
    layout->addWidget(referenceShift_);
    showDips(DipTable({}, AntennaSamples{}, QLocale::c()));
    // The rows hold the buttons: a row is as high as a button.
    table_->verticalHeader()->setDefaultSectionSize(
        std::max(table_->verticalHeader()->defaultSectionSize(),
                 QPushButton(tr("Sweep around this dip")).sizeHint().height()));
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             kLeastDipRows * table_->verticalHeader()->defaultSectionSize() +
                             table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             2 * table_->frameWidth());
}

void DipsPanel::showDips(const TextTable& dips) {
    table_->showTable(dips);
    // The keyboard enters the table on the first dip's frequency, not on its button (which
    // would take the focus away from the table).
    if (!table_->currentIndex().isValid() && table_->rowCount() > 0) {
        table_->setCurrentCell(0, kButtonColumn + 1, QItemSelectionModel::NoUpdate);
    }
    // A row keeps its button from sweep to sweep: a click that straddles a sweep (ten a
    // second) must not end on a new button that never saw the press.
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->cellWidget(row, kButtonColumn) != nullptr) continue;
        auto* button = new QPushButton(tr("Sweep around this dip"));
        button->setToolTip(
            tr("Set the main window's sweep limits to this dip's 2:1 band and half its width on "
               "each side (without a 2:1 band: 5 % of its frequency on each side)."));
        button->setAccessibleName(tr("Sweep around dip %1").arg(row + 1));
        connect(button, &QPushButton::clicked, this, [this, row] { Q_EMIT sweepAroundDip(row); });
        table_->setCellWidget(row, kButtonColumn, button);
        table_->horizontalHeader()->setSectionResizeMode(kButtonColumn, QHeaderView::Fixed);
        table_->setColumnWidth(kButtonColumn, button->sizeHint().width());
    }
}

void DipsPanel::showResonances(const QString& text) {
    resonances_->setText(tr("Resonances: %1").arg(text));
}

void DipsPanel::showTrim(const QString& text) {
    trim_->setText(text);
    trim_->setVisible(!text.isEmpty());
}

void DipsPanel::showReferenceShift(const QString& text) {
    referenceShift_->setText(text);
    referenceShift_->setVisible(!text.isEmpty());
}

QPushButton* DipsPanel::sweepButton(int row) const {
    return qobject_cast<QPushButton*>(table_->cellWidget(row, kButtonColumn));
}

void DipsPanel::showPlane(const QString& text) {
    title_->setText(
        text.isEmpty()
            ? tr("<b>Dips</b> (SWR below 2, deepest first)")
            : tr("<b>Dips</b> %1 (SWR below 2, deepest first)").arg(text.toHtmlEscaped()));
}

}  // namespace ravemo
