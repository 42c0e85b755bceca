#include "ui/chart/PixelLine.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ravemo {

namespace {

// Liang-Barsky: shortens the segment to the box, false when nothing of it lies inside.
bool clipToBox(double& x1, double& y1, double& x2, double& y2, double minX, double minY,
               double maxX, double maxY) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            if (t > leave) return false;
            if (t > enter) enter = t;
        } else {
            if (t < enter) return false;
            if (t < leave) leave = t;
        }
    }
    const double startX = x1;
    const double startY = y1;
    x1 = startX + enter * dx;
    y1 = startY + enter * dy;
    x2 = startX + leave * dx;
    y2 = startY + leave * dy;
    return true;
}

class Plotter {
  public:
    Plotter(QImage& image, QRgb colour, int thickness)
        : bits_(image.bits()),
          stride_(image.bytesPerLine()),
          width_(image.width()),
          height_(image.height()),
          colour_(colour),
          thickness_(thickness),
          back_((thickness - 1) / 2) {}

    void plot(int x, int y) {
        if (thickness_ == 1) {
            set(x, y);
            return;
        }
        for (int j = y - back_; j < y - back_ + thickness_; ++j) {
            for (int i = x - back_; i < x - back_ + thickness_; ++i) set(i, j);
        }
    }

  private:
    void set(int x, int y) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        auto* line = reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_);
        line[x] = colour_;
    }

    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
    QRgb colour_;
    int thickness_;
    int back_;
};

}  // namespace

void DrawPixelLine(QImage& image, double x1, double y1, double x2, double y2, QRgb colour,
                   int thickness) {
    if (image.isNull() || image.depth() != 32) return;
    if (thickness < 1) thickness = 1;
    const double margin = thickness + 1.0;
    if (!clipToBox(x1, y1, x2, y2, -margin, -margin, image.width() + margin,
                   image.height() + margin)) {
        return;
    }
    int x = static_cast<int>(std::floor(x1));
    int y = static_cast<int>(std::floor(y1));
    const int endX = static_cast<int>(std::floor(x2));
    const int endY = static_cast<int>(std::floor(y2));
    const int dx = std::abs(endX - x);
    const int dy = -std::abs(endY - y);
    const int stepX = x < endX ? 1 : -1;
    const int stepY = y < endY ? 1 : -1;
    int error = dx + dy;
    Plotter plotter(image, colour | 0xFF000000U, thickness);
    for (;;) {
        plotter.plot(x, y);
        if (x == endX && y == endY) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

}  // namespace ravemo
