#pragma once

#include <QString>

namespace ravemo {

// The six curve switches by the curve they enable.
enum class CurveSwitch {
    Phase,       // Check1
    Xs,          // Check2
    Rs,          // Check3
    Z,           // Check4
    ReturnLoss,  // Check5
    Swr,         // Check6
};
inline constexpr int kCurveSwitchCount = static_cast<int>(CurveSwitch::Swr) + 1;

// What the two drawing procedures read and write on the window, read at the moment of use.
class CurveControls {
  public:
    virtual ~CurveControls() = default;
    virtual int curveSwitchValue(CurveSwitch which) const = 0;  // on at value 1
    virtual QString offsetText() const = 0;                     // Text18, dB
    virtual void setSweepTimeText(const QString& text) = 0;     // Text5, ms
};

}  // namespace ravemo
