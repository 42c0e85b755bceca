#pragma once

#include <cmath>
#include <functional>

#include <QImage>

#include "analysis/AntennaSample.h"
#include "support/GuiApplication.h"

namespace ravemo::test {

// An image of `width` x `height` pixels at `dpi`.
inline QImage ImageAt(int width, int height, double dpi) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::black);
    return image;
}

// `count` samples from lowHz to highHz of a load whose impedance a function gives.
inline AntennaSamples SamplesOf(double lowHz, double highHz, int count,
                                const std::function<std::complex<double>(double)>& impedance) {
    AntennaSamples set;
    for (int i = 0; i < count; ++i) {
        const double hz = count > 1 ? lowHz + (highHz - lowHz) * i / (count - 1) : lowHz;
        const std::complex<double> z = impedance(hz);
        const std::complex<double> gamma = (z - 50.0) / (z + 50.0);
        const double g = std::abs(gamma);
        set.samples.push_back({hz, (1.0 + g) / (1.0 - g), -20.0 * std::log10(g), z.real(), z.imag(),
                               std::abs(z), gamma});
    }
    return set;
}

// Whether a pixel of `colour` lies within `reach` pixels of row y in column x.
inline bool ColumnHasColourNear(const QImage& image, int x, double y, QRgb colour, int reach) {
    const int row = static_cast<int>(std::lround(y));
    for (int r = row - reach; r <= row + reach; ++r) {
        if (r >= 0 && r < image.height() && image.pixel(x, r) == colour) return true;
    }
    return false;
}

}  // namespace ravemo::test
