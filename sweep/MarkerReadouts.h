#pragma once

#include <QLocale>

#include "sweep/SweepControls.h"

namespace ravemo {

// What one marker stands on: its raw readings and its frequency (index x FreqStep + FMin).
// `measured` is false where the readings are no measurement at that frequency (the synthesiser
// cannot reach it, so the point was skipped and holds an older sweep's readings).
struct MarkerSample {
    float returnLossRaw = 0.0F;
    float phaseRaw = 0.0F;
    double frequencyHz = 0.0;
    bool measured = true;
};

// Fills both markers' readout boxes and frequency captions, then applies the single-marker
// switch (Check9 at 1 hides MK2; MK2's values are computed either way).
//
// The order and the text round trip are the instrument program's: every later value is
// computed from the texts just shown (read back in `locale`), so the display rounding carries
// through. The return-loss offset is the leading number of the offset box. Where a value has
// no finite result (total reflection at zero phase, a 0 Hz marker, a box that does not read
// back as a number) the box shows NumberText::notANumberMark() and the values computed from
// it follow suit. A marker whose sample was not measured shows the mark in every readout box;
// its frequency caption still shows the frequency.
//
// Needs nothing but a SweepControls, so a headless tool can run it on plain members.
void ShowMarkerReadouts(SweepControls& controls, const MarkerSample& mk1, const MarkerSample& mk2,
                        const QLocale& locale);

}  // namespace ravemo
