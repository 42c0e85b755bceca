#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QString>

namespace ravemo {

// Ends the run when a property of the code under test does not hold, naming the property and
// the values involved; libFuzzer then keeps the input that broke it.
inline void Require(bool holds, const char* property, const QString& detail = QString()) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n%s\n", property, detail.toUtf8().constData());
    std::abort();
}

inline QByteArray BytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace ravemo
