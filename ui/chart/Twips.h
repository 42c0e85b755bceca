#pragma once

namespace ravemo {

// 1440 twips to the inch; 15 twips make a pixel at 96 dots per inch.
inline constexpr double kTwipsPerInch = 1440.0;

// Converts between twips and device-independent pixels for a screen of the given logical DPI.
class TwipsScale {
  public:
    explicit TwipsScale(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / kTwipsPerInch) {}
    double toPixels(double twips) const { return twips * pixelsPerTwip_; }
    int toPixelsRounded(double twips) const {
        const double px = toPixels(twips);
        return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
    }
    double toTwips(double pixels) const { return pixels / pixelsPerTwip_; }

  private:
    double pixelsPerTwip_;
};

}  // namespace ravemo
