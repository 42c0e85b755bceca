#pragma once

#include <QLocale>

namespace ravemo {

class TuningWindow;

// Names and descriptions of the tuning window's controls and panes for assistive technology
// (combo boxes by purpose, not value; the target box with its unit; the dips and bands tables),
// and the text equivalents of its tuning chart, Smith chart and history strip.
void NameTuningWindowControls(TuningWindow& window, const QLocale& locale);

}  // namespace ravemo
