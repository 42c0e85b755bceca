#pragma once

#include <map>
#include <vector>

#include <QString>

#include "ui/chart/CurveControls.h"

namespace ravemo::test {

// The curve switches, the offset box and the sweep-time box as plain members. Start values
// are the window's after its load: SWR and return loss on, the rest off, offset "0".
class FakeCurveControls final : public CurveControls {
  public:
    std::map<CurveSwitch, int> switches{
        {CurveSwitch::Phase, 0}, {CurveSwitch::Xs, 0},         {CurveSwitch::Rs, 0},
        {CurveSwitch::Z, 0},     {CurveSwitch::ReturnLoss, 1}, {CurveSwitch::Swr, 1},
    };
    QString offset = QStringLiteral("0");
    std::vector<QString> sweepTimeTexts;

    void setAll(int value) {
        for (auto& entry : switches) entry.second = value;
    }

    int curveSwitchValue(CurveSwitch which) const override { return switches.at(which); }
    QString offsetText() const override { return offset; }
    void setSweepTimeText(const QString& text) override { sweepTimeTexts.push_back(text); }
};

}  // namespace ravemo::test
