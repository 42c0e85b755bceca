#pragma once

#include <cstdint>
#include <vector>

#include "sweep/ChartDesign.h"
#include "ui/chart/ChartCanvas.h"

namespace ravemo::test {

// A chart canvas that records every wipe and segment in order; the design chart's size.
class RecordingCanvas final : public ChartCanvas {
  public:
    struct Segment {
        float x1, y1, x2, y2;
        std::uint32_t colour;
    };
    // One entry per call: a wipe, or a segment.
    struct Call {
        bool wipe;
        Segment segment;
    };

    double width = kChartWidthTwips;
    double height = kChartHeightTwips;
    std::vector<Call> calls;

    void wipe() override { calls.push_back({true, {}}); }
    void drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) override {
        calls.push_back({false, {x1, y1, x2, y2, colour}});
    }
    double widthTwips() const override { return width; }
    double heightTwips() const override { return height; }

    // The segments in one colour, in drawing order.
    std::vector<Segment> segments(std::uint32_t colour) const {
        std::vector<Segment> found;
        for (const Call& call : calls) {
            if (!call.wipe && call.segment.colour == colour) found.push_back(call.segment);
        }
        return found;
    }
    std::size_t segmentCount() const {
        std::size_t n = 0;
        for (const Call& call : calls) n += call.wipe ? 0U : 1U;
        return n;
    }
    std::size_t wipeCount() const { return calls.size() - segmentCount(); }
};

}  // namespace ravemo::test
