#include "instrument/SimulatorText.h"

#include <gtest/gtest.h>

namespace ravemo {
namespace {

// The simulator's text: a load model, then options after ';', in any order, each once.
TEST(ParseSimulator, ReadsTheOptionsAndNamesWhatIsWrong) {
    const struct {
        const char* text;
        const char* error;  // nullptr: accepted
        double noise = 0.0;
        std::uint64_t seed = 1;
        BridgeErrors bridge{};
    } cases[] = {
        {"dipole:7.1", nullptr},
        {"", nullptr},
        {"open;", nullptr},
        {"dipole:7.1;line=rg58:20;noise=2", nullptr, 2.0},
        {"open; Directivity=30 ;phase=3:2;seed=7;tracking=0.5:1.5", nullptr, 0.0, 7,
         BridgeErrors{0.5, 1.5, 3.0, 2.0, 30.0}},
        {"short;line=user:10:75:0.8:1:0.5:30:3;phase=-2:-1", nullptr, 0.0, 1,
         BridgeErrors{0.0, 0.0, -2.0, -1.0, {}}},
        {"banana;noise=1", "unknown load 'banana'"},
        {"s1p:/nonexistent/a:b.s1p;noise=1", "a:b.s1p\" does not exist"},
        {"open;noise=2;noise=3", "option 'noise=3' repeats 'noise'; options: line=TYPE:METRES"},
        {"open;hum=1", "option 'hum=1' is unknown"},
        {"open;noise", "'noise' is not key=value"},
        {"open;noise=-1", "counts from 0 to 1023"},
        {"open;noise=1e400", "counts from 0 to 1023"},
        {"open;seed=-4", "whole number"},
        {"open;tracking=1", "DB0:DB30, each from -30 to 30"},
        {"open;tracking=1:31", "DB0:DB30"},
        {"open;phase=3:-100", "above -100"},
        {"open;phase=181:0", "DEGREES:PERCENT"},
        {"open;directivity=x", "dB from 0 to 100"},
        {"open;line=rg59:20",
         "'line=rg59:20' names no feedline (feedline 'rg59:20': 'rg59' is "
         "no known type"},
    };
    for (const auto& c : cases) {
        const ParsedSimulator parsed = ParseSimulator(QString::fromUtf8(c.text));
        if (c.error != nullptr) {
            EXPECT_EQ(parsed.model, nullptr) << c.text;
            EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.error)))
                << c.text << ": " << parsed.error.toStdString();
            continue;
        }
        ASSERT_NE(parsed.model, nullptr) << c.text << ": " << parsed.error.toStdString();
        const SimulatedNoise noise = parsed.noiseOr({});
        EXPECT_EQ(noise.steps, c.noise) << c.text;
        EXPECT_EQ(noise.seed, c.seed) << c.text;
        EXPECT_EQ(parsed.bridge.trackingDbAt0Hz, c.bridge.trackingDbAt0Hz) << c.text;
        EXPECT_EQ(parsed.bridge.trackingDbAt30MHz, c.bridge.trackingDbAt30MHz) << c.text;
        EXPECT_EQ(parsed.bridge.phaseOffsetDegrees, c.bridge.phaseOffsetDegrees) << c.text;
        EXPECT_EQ(parsed.bridge.phaseSlopePercent, c.bridge.phaseSlopePercent) << c.text;
        EXPECT_EQ(parsed.bridge.directivityDb, c.bridge.directivityDb) << c.text;
    }
}

// The feedline option puts the load behind the line: a short behind a quarter wave of
// lossless 50 ohm line (VF 1: 7.495 m at 10 MHz) is an open; with no length it stays a short.
TEST(ParseSimulator, PutsTheLoadBehindTheLine) {
    const ParsedSimulator quarter =
        ParseSimulator(QStringLiteral("short;line=user:7.4948:50:1:1:0:30:0"));
    ASSERT_NE(quarter.model, nullptr) << quarter.error.toStdString();
    EXPECT_GT(std::abs(quarter.model->impedance(10e6)), 1e5);
    EXPECT_TRUE(quarter.model->description().startsWith(QStringLiteral("short circuit behind")))
        << quarter.model->description().toStdString();
    const ParsedSimulator none = ParseSimulator(QStringLiteral("short;line=rg58:0"));
    EXPECT_EQ(std::abs(none.model->impedance(10e6)), 0.0);
    const ParsedSimulator open = ParseSimulator(QStringLiteral("open;line=rg58:0"));
    EXPECT_FALSE(std::isfinite(std::abs(open.model->impedance(10e6))));
}

}  // namespace
}  // namespace ravemo
