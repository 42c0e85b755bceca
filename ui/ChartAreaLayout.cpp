#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "ui/WindowLayout.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

const QColor kScaleBlue(0x00, 0x00, 0xC0);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kMarker1Red(0xFF, 0x00, 0x00);
const QColor kMarker2Blue(0x00, 0x00, 0xFF);
const QColor kThirdsGrid(0x80, 0x80, 0xFF);

constexpr TwipsRect kChartRect{kChartLeftTwips, kChartTopTwips, kChartWidthTwips,
                               kChartHeightTwips};

void setLine(ChartWidget& chart, int n, double x1, double y1, double x2, double y2,
             const QColor& colour) {
    ChartLine& line = chart.line(n);
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.colour = colour;
    line.visible = true;
}

void setTag(ChartWidget& chart, int marker, const QString& text, TwipsRect r,
            const QColor& colour) {
    ChartTag& tag = chart.tag(marker);
    tag.text = text;
    tag.left = r.left;
    tag.top = r.top;
    tag.width = r.width;
    tag.height = r.height;
    tag.colour = colour;
    tag.visible = true;
}

void buildChart(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    auto* chart = new ChartWidget(f.scale(), window);
    chart->setObjectName(QStringLiteral("Picture1"));
    chart->move(f.pixels(kChartRect).topLeft());
    // Marker lines, then the grid: thirds of the return-loss scale, quarters of the phase scale.
    const QColor windowFrame = window->palette().color(QPalette::WindowText);
    setLine(*chart, 1, kMarker1StartTwips, 0, kMarker1StartTwips, 3885, kMarker1Red);
    setLine(*chart, 2, kMarker2StartTwips, 0, kMarker2StartTwips, 3885, kMarker2Blue);
    setLine(*chart, 3, 0, 1050, 9240, 1050, kThirdsGrid);
    setLine(*chart, 4, 0, 2175, 8925, 2175, kThirdsGrid);
    setLine(*chart, 5, 0, 1620, 9135, 1620, windowFrame);
    setLine(*chart, 6, 0, 810, 8925, 810, windowFrame);
    setLine(*chart, 7, 0, 2430, 8925, 2430, windowFrame);
    setTag(*chart, 1, QStringLiteral("MK1"), {2205, 2835, 400, 225}, kMarker1Red);
    setTag(*chart, 2, QStringLiteral("MK2"), {3990, 2835, 400, 225}, kMarker2Blue);
    c.Picture1 = chart;
}

}  // namespace

void BuildChartArea(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    buildChart(f, window, c);

    c.label17 =
        f.label(window, "label17", QStringLiteral("R.L./ SWR"), {945, 0, 900, 255}, kScaleBlue);
    c.Label12 = f.label(window, "Label12", QStringLiteral("PHASE / X-R-Z"), {8610, 0, 1275, 225});

    // Left scale: return loss (and SWR), top to bottom.
    c.Label11 =
        f.label(window, "Label11", QStringLiteral("0 dB/ 10"), {105, 315, 645, 225}, kScaleBlue);
    c.Label29 =
        f.label(window, "Label29", QStringLiteral("-10 dB"), {315, 1260, 645, 330}, kScaleBlue);
    c.Label30 =
        f.label(window, "Label30", QStringLiteral("-20 dB"), {315, 2415, 645, 330}, kScaleBlue);
    c.Label18 = f.label(window, "Label18", QStringLiteral("-30 dB / 1.0 "), {0, 3990, 915, 375},
                        kScaleBlue);

    // Right scale: phase and impedance, top to bottom.
    c.Label19 =
        f.label(window, "Label19", QStringLiteral("0 ° / 0 ohm"), {9870, 210, 855, 255}, kBlack);
    c.Label32 = f.label(window, "Label32", QStringLiteral("45° / 75 ohm"), {9870, 1050, 960, 225});
    c.Label31 =
        f.label(window, "Label31", QStringLiteral("90° / 150 ohm"), {9870, 1890, 1170, 330});
    c.Label33 =
        f.label(window, "Label33", QStringLiteral("135° / 225 ohm"), {9870, 2730, 1170, 225});
    c.Label20 = f.label(window, "Label20", QStringLiteral("180° / 300 ohm"),
                        {9870, 3885, 1335, 255}, kBlack);

    c.fre = f.label(window, "fre", QStringLiteral("FREQ -------->"), {945, 4200, 1380, 330},
                    std::nullopt, kLargeFontPt);
    c.Label39 = f.label(window, "Label39", QStringLiteral("R.L. OFFSET "), {7035, 4305, 1065, 330});
    c.Text18 = f.textBox(window, "Text18", QStringLiteral("Text18"), {8085, 4200, 645, 315});

    // The help hint looks like a readout and is never edited.
    c.Text17 = f.readout(window, "Text17", {9555, 8925, 1800, 315});
    c.Text17->setText(QStringLiteral("Press F1 for more info"));
    c.Text17->setCursorPosition(0);
}

}  // namespace ravemo
