#pragma once

#include <array>

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include "sweep/ChartDesign.h"
#include "ui/chart/ChartCanvas.h"
#include "ui/chart/ChartItems.h"
#include "ui/chart/QtColour.h"
#include "ui/chart/Twips.h"

namespace ravemo {

// Picture1: the chart. Keeps the drawn curves in a pixel buffer (wiped by wipe()), and paints
// the dotted grid lines, the marker lines and their tags over it, so a wipe never erases them.
// Mouse releases are reported in chart twips with the button as 1 left, 2 right, 4 middle.
//
// The buffer has the screen's device pixels (a high-DPI screen gets a sharper chart; a wipe
// follows a change of screen). Segments go straight into it, hard-edged, one chart pixel wide;
// the widget asks for one repaint per event-loop pass however many segments arrive, so a paint
// inside a redraw's yields shows the curves drawn so far.
class ChartWidget : public QWidget, public ChartCanvas {
    Q_OBJECT
  public:
    static constexpr int kLineCount = 7;  // Line1..Line7

    explicit ChartWidget(TwipsScale scale, QWidget* parent = nullptr);

    // ChartCanvas
    void wipe() override;
    void drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) override;
    double widthTwips() const override { return kChartWidthTwips; }
    double heightTwips() const override { return kChartHeightTwips; }

    // Line n (1..7) and marker tag n (1 = Label37, 2 = Label38). Call update() after changes.
    ChartLine& line(int n) { return lines_.at(static_cast<std::size_t>(n - 1)); }
    const ChartLine& line(int n) const { return lines_.at(static_cast<std::size_t>(n - 1)); }
    ChartTag& tag(int marker) { return tags_.at(static_cast<std::size_t>(marker - 1)); }
    const ChartTag& tag(int marker) const { return tags_.at(static_cast<std::size_t>(marker - 1)); }

    // Shows or hides a marker's line and tag together (the single-marker switch hides MK2).
    void setMarkerVisible(int marker, bool visible);

    // The drawn curves alone, in device pixels (devicePixelRatio() of the image tells the scale).
    const QImage& curveBuffer() const { return buffer_; }
    // The buffer pixel that holds the chart point (x, y) in twips.
    QPoint bufferPixelAt(double xTwips, double yTwips) const;

    static constexpr QRgb kBackgroundRgb = 0xFFE0E0E0;

  Q_SIGNALS:
    void mouseReleased(int button, double xTwips, double yTwips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void allocateBuffer(qreal pixelRatio);
    void requestRepaint();
    double toDevicePixels(double twips) const;

    TwipsScale scale_;
    qreal bufferRatio_ = 1.0;
    int penThickness_ = 1;
    bool repaintRequested_ = false;
    QImage buffer_;
    std::array<ChartLine, kLineCount> lines_;
    std::array<ChartTag, 2> tags_;
};

}  // namespace ravemo
