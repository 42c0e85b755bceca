#pragma once

#include <array>

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include "ui/chart/ChartCanvas.h"
#include "ui/chart/Twips.h"

namespace ravemo {

// A line control inside the chart (Line1..Line7), in chart twips.
struct ChartLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor colour;
    bool visible = true;
};

// A marker tag (Label37 "MK1", Label38 "MK2"), in chart twips.
struct ChartTag {
    QString text;
    double left = 0, top = 0, width = 0, height = 0;
    QColor colour;
    bool visible = true;
};

// Picture1: the chart. Keeps the drawn curves in a pixel buffer (wiped by wipe()), and paints
// the dotted grid lines, the marker lines and their tags over it, so a wipe never erases them.
// Mouse releases are reported in chart twips with the button as 1 left, 2 right, 4 middle.
class ChartWidget : public QWidget, public ChartCanvas {
    Q_OBJECT
public:
    static constexpr double kDesignWidthTwips = 8835.0;
    static constexpr double kDesignHeightTwips = 3795.0;
    static constexpr int kLineCount = 7;  // Line1..Line7

    explicit ChartWidget(TwipsScale scale, QWidget* parent = nullptr);

    // ChartCanvas
    void wipe() override;
    void drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) override;
    double widthTwips() const override { return kDesignWidthTwips; }
    double heightTwips() const override { return kDesignHeightTwips; }

    // Line n (1..7) and marker tag n (1 = Label37, 2 = Label38). Call update() after changes.
    ChartLine& line(int n) { return lines_.at(static_cast<std::size_t>(n - 1)); }
    const ChartLine& line(int n) const { return lines_.at(static_cast<std::size_t>(n - 1)); }
    ChartTag& tag(int marker) { return tags_.at(static_cast<std::size_t>(marker - 1)); }
    const ChartTag& tag(int marker) const { return tags_.at(static_cast<std::size_t>(marker - 1)); }

    const QImage& curveBuffer() const { return buffer_; }

Q_SIGNALS:
    void mouseReleased(int button, double xTwips, double yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TwipsScale scale_;
    QImage buffer_;
    std::array<ChartLine, kLineCount> lines_;
    std::array<ChartTag, 2> tags_;
};

// Colour number (red + 256 green + 65536 blue) to a QColor and back.
QColor colourFromNumber(std::uint32_t number);
std::uint32_t numberFromColour(const QColor& colour);

}  // namespace ravemo
