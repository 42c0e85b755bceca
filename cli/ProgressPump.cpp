#include "cli/ProgressPump.h"

#include <algorithm>

namespace ravemo {
namespace {
constexpr int kBarWidth = 40;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr std::int64_t kYieldsBetweenClockChecks = 4096;
}  // namespace

ProgressPump::ProgressPump(QTextStream& terminal, std::int64_t expectedYields)
    : terminal_(terminal), expectedYields_(std::max<std::int64_t>(expectedYields, 1)) {}

void ProgressPump::yield() {
    ++yields_;
    if (yields_ % kYieldsBetweenClockChecks != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - lastDraw_ < kRedrawInterval) return;
    lastDraw_ = now;
    draw(std::min(1.0, static_cast<double>(yields_) / static_cast<double>(expectedYields_)));
}

void ProgressPump::finish() {
    if (!drawn_) return;
    draw(1.0);
    terminal_ << '\n';
    terminal_.flush();
}

void ProgressPump::draw(double fraction) {
    drawn_ = true;
    const int filled = static_cast<int>(fraction * kBarWidth);
    terminal_ << "\rsweeping [" << QString(filled, u'#') << QString(kBarWidth - filled, u' ')
              << "] " << static_cast<int>(fraction * 100.0) << '%';
    terminal_.flush();
}

}  // namespace ravemo
