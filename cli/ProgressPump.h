#pragma once

#include <chrono>
#include <cstdint>

#include <QString>
#include <QTextStream>

#include "common/EventPump.h"

namespace ravemo {

// An event pump for headless sweeps that draws a progress bar on a terminal: it counts the
// sweep's yields against the number a whole run makes and redraws at most ten times a second.
class ProgressPump final : public EventPump {
  public:
    ProgressPump(QTextStream& terminal, std::int64_t expectedYields);
    void yield() override;
    // Ends the bar's line.
    void finish();

  private:
    void draw(double fraction);

    QTextStream& terminal_;
    std::int64_t expectedYields_;
    std::int64_t yields_ = 0;
    std::chrono::steady_clock::time_point lastDraw_;
    bool drawn_ = false;
};

}  // namespace ravemo
