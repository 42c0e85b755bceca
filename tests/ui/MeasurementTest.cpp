#include "ui/Measurement.h"

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/FileTestDoubles.h"
#include "files/VecFile.h"
#include "instrument/Dds.h"
#include "support/FakeCurveControls.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPort.h"
#include "sweep/PlainSweepControls.h"
#include "ui/UiTestSupport.h"

namespace ravemo {
namespace {

constexpr std::int16_t kAddress = 888;

// The sweep controls and the file commands' controls on the same plain members, as the window
// shares its limit boxes and switches between the two.
class SharedControls final : public PlainSweepControls, public FileCommandControls {
  public:
    QString lowerLimitText() const override { return lowerLimit; }
    QString upperLimitText() const override { return upperLimit; }
    void setLowerLimitText(const QString& text) override { lowerLimit = text; }
    void setUpperLimitText(const QString& text) override { upperLimit = text; }
    int holdValue() const override { return hold; }
    void setHoldValue(int value) override { hold = value; }
    void setFullSweepValue(int value) override { fullSweep = value; }
};

// A port whose accesses fail while `failing` is set, counting them as a real back end does.
class FailingPort final : public PortIo {
  public:
    bool failing = true;
    std::uint64_t accesses = 0;

    void write(std::uint16_t, std::uint8_t) override { count(); }
    std::uint8_t read(std::uint16_t) override {
        count();
        return 0;
    }
    std::uint64_t failedAccesses() const override { return failed_; }

  private:
    void count() {
        ++accesses;
        if (failing) ++failed_;
    }
    std::uint64_t failed_ = 0;
};

// Ten points; the first tick sweeps 1 to 50 MHz (the boxes) with the step of 1 to 30 MHz.
Settings smallSweep() {
    Settings s = test::testSettings();
    s.Champ = 10;
    s.FMin = 1e6F;
    s.FMax = 30e6F;
    return s;
}

// A measurement on plain fakes of every window-side seam.
struct MeasurementRig {
    explicit MeasurementRig(OpenedPort backEnd, const QLocale& locale = test::kLocale,
                            const Settings& settings = smallSweep()) {
        test::uiApplication();
        measurement = std::make_unique<Measurement>(
            settings, std::move(backEnd),
            MeasurementSeams{controls, curves, chart, controls, dialog, reporter, colours, targets},
            locale);
    }

    SharedControls controls;
    test::FakeCurveControls curves;
    test::RecordingCanvas chart;
    testing::ScriptedFileDialog dialog;
    testing::RecordingReporter reporter;
    testing::ScriptedColourDialog colours;
    testing::RecordingColourTargets targets;
    std::unique_ptr<Measurement> measurement;
};

TEST(Measurement, TellsItsObserversOnceAfterEachTickThatSweptAndRedrew) {
    MeasurementRig rig(OpenPort(QStringLiteral("sim"), kAddress));
    Measurement& m = *rig.measurement;
    int finished = 0;
    std::size_t segmentsAtSignal = 0;
    QObject::connect(&m, &Measurement::sweepFinished, [&] {
        ++finished;
        segmentsAtSignal = rig.chart.segmentCount();
    });
    m.tick();
    EXPECT_EQ(finished, 1);
    EXPECT_GT(segmentsAtSignal, 0U);
    // The simulated dipole's readings, at the frequencies an observer is told of.
    EXPECT_GT(
        *std::max_element(m.data().ReturnLossSamples.begin(), m.data().ReturnLossSamples.end()),
        0.0F);
    EXPECT_EQ(m.fMin(), 1e6F);
    EXPECT_DOUBLE_EQ(m.freqStep(), 2.9e6);
    EXPECT_DOUBLE_EQ(m.data().DdsWords[10], TuningWord(30e6));
    EXPECT_TRUE(m.simulated());

    // Equal limits: the next tick sweeps with the step it starts with, the one after sweeps
    // nothing and tells nothing.
    rig.controls.lowerLimit = rig.controls.upperLimit = QStringLiteral("5");
    m.tick();
    m.tick();
    EXPECT_EQ(finished, 2);
}

TEST(Measurement, SweepLimitsFromAnObserverUntickFullSweepAndAreSweptLikeTypedOnes) {
    auto port = std::make_unique<test::RecordingPort>();
    MeasurementRig rig(test::simulatedBackEnd(std::move(port)),
                       QLocale(QLocale::German, QLocale::Germany));
    Measurement& m = *rig.measurement;
    rig.controls.fullSweep = 1;
    m.setSweepLimitsMHz(1.8, 30.0);
    EXPECT_EQ(rig.controls.fullSweep, 0);
    EXPECT_EQ(rig.controls.lowerLimit, "1,8");
    EXPECT_EQ(rig.controls.upperLimit, "30");
    m.tick();
    EXPECT_EQ(m.fMin(), 1.8e6F);
    EXPECT_EQ(m.settings().FMax, 30e6F);
}

TEST(Measurement, TheStatusSaysWhenPortAccessesFailedDuringTheLastSweep) {
    auto failing = std::make_unique<FailingPort>();
    FailingPort& port = *failing;
    OpenedPort backEnd;
    backEnd.port = std::move(failing);
    backEnd.description = QStringLiteral("test port");
    backEnd.simulated = false;
    MeasurementRig rig(std::move(backEnd));
    Measurement& m = *rig.measurement;
    int changes = 0;
    QObject::connect(&m, &Measurement::statusChanged, [&] { ++changes; });
    EXPECT_EQ(m.statusText(), "Instrument: test port");
    EXPECT_FALSE(m.statusIsWarning());

    // The synthesiser clear failed too, before any sweep: only the sweep's failures count.
    const std::uint64_t before = port.accesses;
    m.tick();
    EXPECT_EQ(m.statusText(),
              QStringLiteral("Instrument: test port\n%1 port accesses failed during the last "
                             "sweep: the readings are not a measurement. Check the cable and "
                             "the adapter.")
                  .arg(port.accesses - before));
    EXPECT_TRUE(m.statusIsWarning());
    EXPECT_EQ(changes, 1);

    port.failing = false;
    m.tick();
    EXPECT_EQ(m.statusText(), "Instrument: test port");
    EXPECT_FALSE(m.statusIsWarning());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Measurement::portFailureNoticeFor(1).left(22), "1 port access failed d");
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sweep of 3 to 20 MHz as the engine leaves it once its limits have settled.
QByteArray sweepFileOf3To20MHz(std::int32_t champ) {
    SweepData data(champ);
    const float lower = 3e6F;
    const float upper = 20e6F;
    const double step = (static_cast<double>(upper) - static_cast<double>(lower)) / champ;
    for (std::int32_t i = 0; i <= champ; ++i) {
        const auto at = static_cast<std::size_t>(i);
        data.DdsWords[at] = TuningWord(static_cast<double>(i) * step + static_cast<double>(lower));
        data.ReturnLossSamples[at] = static_cast<float>(300 + i);
        data.PhaseSamples[at] = static_cast<float>(500 - i);
    }
    return EncodeVecFile(data, {3.0F, 20.0F});
}

TEST(Measurement, OpenUnderFullSweepKeepsTheFilesLimitsThroughTicksAndTheNextSave) {
    MeasurementRig rig(test::simulatedBackEnd(std::make_unique<test::RecordingPort>()));
    Measurement& m = *rig.measurement;
    QTemporaryDir folder;
    const QString opened = QDir(folder.path()).filePath("a.vec");
    const QString saved = QDir(folder.path()).filePath("b.vec");
    QFile file(opened);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sweepFileOf3To20MHz(10));
    file.close();

    rig.controls.fullSweep = 1;
    m.tick();
    ASSERT_EQ(rig.controls.upperLimit, "30");

    rig.dialog.answers.push_back({true, opened, 0});
    ASSERT_EQ(m.open(), FileCommandOutcome::Done);
    EXPECT_EQ(rig.controls.fullSweep, 0);
    EXPECT_EQ(rig.controls.hold, 1);

    // The first tick starts at the file's lower limit with the full range's step; the second
    // takes the file's step too.
    m.tick();
    m.tick();
    EXPECT_EQ(rig.controls.lowerLimit, "3");
    EXPECT_EQ(rig.controls.upperLimit, "20");
    rig.dialog.answers.push_back({true, saved, 1});
    ASSERT_EQ(m.save(), FileCommandOutcome::Done);
    EXPECT_EQ(readFile(saved), readFile(opened));
    EXPECT_TRUE(rig.reporter.messages.empty());
}

}  // namespace
}  // namespace ravemo
