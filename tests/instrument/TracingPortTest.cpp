#include <gtest/gtest.h>

#include <sstream>

#include <QBuffer>

#include "instrument/TracingPort.h"
#include "support/RecordingPort.h"

namespace ravemo {
namespace {

using test::RecordingPort;

TEST(TracingPort, ForwardsAndWritesOneDecimalLinePerAccess) {
    RecordingPort inner;
    inner.scriptReads({37});
    std::ostringstream trace;
    TracingPort port(inner, trace);
    port.write(888, 24);
    EXPECT_EQ(port.read(889), 37);
    port.write(65535, 255);
    EXPECT_EQ(trace.str(), "W 888 24\nR 889 37\nW 65535 255\n");
    ASSERT_EQ(inner.accesses().size(), 3U);
    EXPECT_EQ(inner.accesses()[0], (RecordingPort::Access{RecordingPort::Kind::Write, 888, 24}));
}

TEST(TracingPort, ToAQIODevice) {
    RecordingPort inner;
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    TracingPort port(inner, buffer);
    port.write(0, 0);
    port.read(1);
    EXPECT_EQ(buffer.data(), QByteArray("W 0 0\nR 1 0\n"));
}

}  // namespace
}  // namespace ravemo
