#include "common/OutOfRangeNumber.h"

#include <charconv>
#include <system_error>

#include <QByteArray>
#include <QString>

namespace ravemo {

bool IsOutOfRangeNumber(QStringView text) {
    QByteArray latin1 = text.trimmed().toString().toLatin1();
    if (latin1.startsWith('+')) latin1.remove(0, 1);
    double value = 0.0;
    const char* end = latin1.constData() + latin1.size();
    const auto [ptr, error] = std::from_chars(latin1.constData(), end, value);
    return error == std::errc::result_out_of_range && ptr == end;
}

}  // namespace ravemo
