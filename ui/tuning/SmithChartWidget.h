#pragma once

#include <QWidget>

#include "plot/PlotStyle.h"
#include "plot/SmithChartLayout.h"

namespace ravemo {

// The Smith chart painter on a widget.
class SmithChartWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit SmithChartWidget(QWidget* parent = nullptr);

    // What to paint. The samples and dips it borrows must stay alive until the next call.
    void setContent(const SmithChartContent& content);
    const SmithChartLayout& chartLayout() const { return layout_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayout();

    PlotStyle style_;
    SmithChartContent content_;
    SmithChartLayout layout_;
};

}  // namespace ravemo
