#include "startup/ProfileInteger.h"

namespace ravemo {
namespace {

// Far outside the 32-bit range, and far from overflowing 64 bits while digits accumulate.
constexpr std::int64_t kSaturationMagnitude = std::int64_t{1} << 40;

}  // namespace

std::int64_t ProfileIntegerValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > kSaturationMagnitude) magnitude = kSaturationMagnitude;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace ravemo
