#pragma once

namespace ravemo {

class TuningWindow;
struct MainWindowControls;

// The tuning window's keys (besides its Ctrl+L cable window and Ctrl+K calibration):
//   Ctrl+Down / Ctrl+Up  next / previous dip (its row selected in the dips table, focus there)
//   Ctrl+Return          sweep around the selected dip (the deepest when none is selected)
//   Ctrl+B               pick a band (focus on the band picker), Ctrl+Shift+B sweep it
//   Ctrl+T               set the target (focus on the target box, its text selected)
//   Ctrl+R               keep the latest sweep as reference
//   Ctrl+D               describe the tuning chart (focus on it, its text equivalent spoken)
//   Ctrl+S, Ctrl+O, Ctrl+H, Ctrl+F  the main window's save, open, Hold and Full Sweep, as there
// F6, F7, F8 and their Shift and Ctrl forms belong to the sound and speech.
void InstallTuningWindowKeys(TuningWindow& window, const MainWindowControls& main);

}  // namespace ravemo
