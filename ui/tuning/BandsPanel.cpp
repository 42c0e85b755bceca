#include "ui/tuning/BandsPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tuning/TextTableWidget.h"

namespace ravemo {

BandsPanel::BandsPanel(QWidget* parent)
    : QWidget(parent),
      table_(new TextTableWidget(0, this)),
      picker_(new QComboBox(this)),
      sweepBand_(new QPushButton(tr("Sweep band"), this)) {
    setObjectName(QStringLiteral("BandsPanel"));
    table_->setObjectName(QStringLiteral("BandsTable"));
    picker_->setObjectName(QStringLiteral("BandPicker"));
    sweepBand_->setObjectName(QStringLiteral("SweepBand"));
    sweepBand_->setToolTip(
        tr("Set the main window's sweep limits to the band's edges and half its width on each "
           "side."));

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("BandsTitle"));
    title_->setWordWrap(true);
    showPlane({});
    auto* pickerRow = new QHBoxLayout;
    pickerRow->addWidget(new QLabel(tr("Band:"), this));
    pickerRow->addWidget(picker_);
    pickerRow->addWidget(sweepBand_);
    pickerRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kTablePanelMarginPx, kTablePanelMarginPx, kTablePanelMarginPx,
                               kTablePanelMarginPx);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    layout->addLayout(pickerRow);

    connect(sweepBand_, &QPushButton::clicked, this, [this] {
        if (picker_->currentIndex() >= 0) Q_EMIT sweepBand(picker_->currentIndex());
    });
    showBands(BandTable({}, QLocale::c()));
}

void BandsPanel::showBands(const TextTable& bands) { table_->showTable(bands); }

void BandsPanel::setPickerBands(const std::vector<AmateurBand>& bands) {
    const QString picked = picker_->currentText();
    picker_->clear();
    for (const AmateurBand& band : bands) picker_->addItem(QString::fromLatin1(band.name));
    const int again = picker_->findText(picked);
    if (again >= 0) picker_->setCurrentIndex(again);
}

void BandsPanel::showPlane(const QString& text) {
    title_->setText(text.isEmpty() ? tr("<b>Bands</b> in the sweep")
                                   : tr("<b>Bands</b> in the sweep, %1").arg(text.toHtmlEscaped()));
}

}  // namespace ravemo
