#include "instrument/TracingPort.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "support/RecordingPort.h"

namespace ravemo {
namespace {

// The trace file ravemo-cli writes: one decimal line per access, passed on unchanged.
TEST(TracingPort, ForwardsAndWritesOneDecimalLinePerAccess) {
    test::RecordingPort inner;
    inner.scriptReads({37});
    QBuffer trace;
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    TracingPort port(inner, trace);
    port.write(888, 24);
    EXPECT_EQ(port.read(889), 37);
    port.write(65535, 255);
    EXPECT_EQ(trace.data(), QByteArray("W 888 24\nR 889 37\nW 65535 255\n"));
    EXPECT_EQ(inner.writtenValues(), (std::vector<std::uint8_t>{24, 255}));
}

}  // namespace
}  // namespace ravemo
