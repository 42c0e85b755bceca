#pragma once

namespace ravemo {

class MainWindow;

// The main window's keys beside F1 (manual) and F2 (tuning window), each doing what its
// control does when clicked (a disabled control ignores its key as it ignores a click):
//   Ctrl+S save, Ctrl+O open, Ctrl+H Hold on/off, Ctrl+F Full Sweep on/off;
//   Alt+Left/Right marker 1 one sample left/right, Alt+PgDown/PgUp a tenth of the span
//   left/right, Alt+Home/End to the first/last sample, Alt+D onto the deepest dip; the same
//   with Shift for marker 2;
//   Ctrl+D describe the chart (focus on it, its text equivalent spoken).
// The window keeps its layout, captions and tab order.
void InstallMainWindowKeys(MainWindow& window);

}  // namespace ravemo
