#include "ui/Measurement.h"

#include <optional>
#include <vector>

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "analysis/SweepSamples.h"
#include "common/NumberText.h"
#include "files/ColourDialog.h"
#include "files/ColourTargets.h"
#include "files/FileDialog.h"
#include "files/MessageReporter.h"
#include "files/VecFile.h"
#include "instrument/Dds.h"
#include "instrument/DipoleModel.h"
#include "instrument/SimulatedInstrument.h"
#include "support/FakeCurveControls.h"
#include "support/FileBytes.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedDialogs.h"
#include "sweep/PlainSweepControls.h"
#include "ui/UiTestSupport.h"

namespace ravemo {
namespace {

// Sweep and file command controls on the same members, as the window shares them.
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

// No colour is ever picked: the colour commands are tested in files/.
struct NoColours final : ColourDialog, ColourTargets {
    std::optional<std::uint32_t> pickColour() override { return std::nullopt; }
    void setLabelTextColour(ColourLabel, std::uint32_t) override {}
    void setButtonBackground(ColourButton, std::uint32_t) override {}
    void setMarkerLineColour(MarkerLine, std::uint32_t) override {}
};

// A measurement on plain fakes of every window-side seam.
struct MeasurementRig {
    explicit MeasurementRig(
        const QLocale& locale = test::kLocale,
        OpenedPort backEnd = test::simulatedBackEnd(std::make_unique<test::RecordingPort>())) {
        test::uiApplication();
        measurement = std::make_unique<Measurement>(
            test::smallSweep(), std::move(backEnd),
            MeasurementSeams{controls, curves, chart, controls, *fileDialog, *reporter, colours,
                             colours},
            locale);
    }

    SharedControls controls;
    test::FakeCurveControls curves;
    test::RecordingCanvas chart;
    test::ScriptedDialogs dialog;
    std::unique_ptr<FileDialog> fileDialog = dialog.makeFileDialog(nullptr);
    std::unique_ptr<MessageReporter> reporter = dialog.makeReporter(nullptr);
    NoColours colours;
    std::unique_ptr<Measurement> measurement;
};

// The tuning window's path: limits in the user's locale, and no word of a tick that swept nothing.
TEST(Measurement, ObserversSetLimitsInTheUsersLocaleAndHearOfEachSweep) {
    MeasurementRig rig(QLocale(QLocale::German, QLocale::Germany));
    Measurement& m = *rig.measurement;
    int finished = 0;
    QObject::connect(&m, &Measurement::sweepFinished, [&] { ++finished; });
    rig.controls.fullSweep = 1;
    rig.controls.hold = 1;  // held readings would be stretched over the new limits
    EXPECT_TRUE(m.sweepLimitsMHz(1.8, 30.0));
    EXPECT_EQ(rig.controls.fullSweep, 0);
    EXPECT_EQ(rig.controls.hold, 0);
    EXPECT_EQ(rig.controls.lowerLimit, "1,8");
    EXPECT_TRUE(rig.dialog.questions.empty());  // the live sweep's readings are not lost
    m.tick();
    EXPECT_EQ(m.fMin(), 1.8e6F);
    // Equal limits: the next tick still sweeps, the one after sweeps nothing.
    m.sweepLimitsMHz(5.0, 5.0);
    m.tick();
    m.tick();
    EXPECT_EQ(finished, 2);
}

TEST(Measurement, TheStatusSaysWhenPortAccessesFailedDuringTheLastSweep) {
    auto failing = std::make_unique<test::RecordingPort>();
    test::RecordingPort& port = *failing;
    port.setFailing(true);
    OpenedPort backEnd = test::simulatedBackEnd(std::move(failing));
    backEnd.description = QStringLiteral("test port");
    backEnd.simulated = false;
    MeasurementRig rig(test::kLocale, std::move(backEnd));
    Measurement& m = *rig.measurement;
    int changes = 0;
    QObject::connect(&m, &Measurement::statusChanged, [&] { ++changes; });
    EXPECT_EQ(m.statusText(), "Instrument: test port");
    EXPECT_FALSE(m.statusIsWarning());

    // Only the sweep's failures count, not those of the synthesiser clear before it.
    const std::uint64_t before = port.accesses().size();
    m.tick();
    EXPECT_EQ(m.statusText(),
              QStringLiteral("Instrument: test port\n%1 port accesses failed during the last "
                             "sweep: the readings are not a measurement. Check the cable and "
                             "the adapter.")
                  .arg(port.accesses().size() - before));
    EXPECT_TRUE(m.statusIsWarning());
    EXPECT_EQ(changes, 1);
    // Its zeros would read as a near-perfect match: no curve, readout or analysis takes them.
    const auto curvesAfterLastWipe = [&rig] {
        std::size_t segments = 0;
        for (const test::RecordingCanvas::Call& call : rig.chart.calls) {
            segments = call.wipe ? 0U : segments + 1U;
        }
        return segments;
    };
    EXPECT_EQ(curvesAfterLastWipe(), 0U);
    EXPECT_TRUE(SamplesFromSweep(m.data(), 1).samples.empty());
    // Saved, the sweep file keeps its format and its readings stay unmeasured when read back.
    QTemporaryDir folder;
    const QString saved = QDir(folder.path()).filePath("failed.vec");
    rig.dialog.accept(saved, 1);
    ASSERT_EQ(m.save(), FileCommandOutcome::Done);
    const QByteArray bytes = test::ReadFileBytes(saved);
    EXPECT_EQ(bytes.size(), VecFileSize(10));
    const VecDecodeResult back = DecodeVecFile(bytes, 10);
    ASSERT_TRUE(back.contents);
    EXPECT_TRUE(SamplesFromSweep(back.contents->data, 1).samples.empty());
    rig.controls.hold = 0;

    port.setFailing(false);
    m.tick();
    EXPECT_EQ(m.statusText(), "Instrument: test port");
    EXPECT_FALSE(m.statusIsWarning());
    EXPECT_EQ(changes, 2);
    // The markers read the failed sweep's readings at this tick's start, the next sweep's later.
    EXPECT_EQ(rig.controls.readouts.value(Readout::Mk1Swr), NumberText::notANumberMark());
    EXPECT_GT(curvesAfterLastWipe(), 0U);
    EXPECT_EQ(SamplesFromSweep(m.data(), 1).samples.size(), 11U);
    EXPECT_EQ(Measurement::portFailureNoticeFor(1).left(22), "1 port access failed d");
}

// A sweep of 3 to 20 MHz in ten steps as the engine leaves it once its limits have settled,
// written to `path`.
void WriteSweepOf3To20MHz(const QString& path) {
    SweepData data(10);
    for (std::size_t i = 0; i <= 10; ++i) {
        data.DdsWords[i] = TuningWord(static_cast<double>(i) * 1.7e6 + 3e6);
        data.ReturnLossSamples[i] = static_cast<float>(300 + i);
        data.PhaseSamples[i] = static_cast<float>(500 - i);
    }
    ASSERT_TRUE(test::WriteFileBytes(path, EncodeVecFile(data, {3.0F, 20.0F})));
}

TEST(Measurement, OpenUnderFullSweepKeepsTheFilesLimitsThroughTicksAndTheNextSave) {
    MeasurementRig rig;
    Measurement& m = *rig.measurement;
    QTemporaryDir folder;
    const QString opened = QDir(folder.path()).filePath("a.vec");
    const QString saved = QDir(folder.path()).filePath("b.vec");
    WriteSweepOf3To20MHz(opened);

    rig.controls.fullSweep = 1;
    m.tick();
    ASSERT_EQ(rig.controls.upperLimit, "30");

    rig.dialog.accept(opened);
    ASSERT_EQ(m.open(), FileCommandOutcome::Done);

    // The second tick takes the file's step too.
    m.tick();
    m.tick();
    EXPECT_EQ(rig.controls.lowerLimit, "3");
    EXPECT_EQ(rig.controls.upperLimit, "20");
    rig.dialog.accept(saved, 1);
    ASSERT_EQ(m.save(), FileCommandOutcome::Done);
    EXPECT_EQ(test::ReadFileBytes(saved), test::ReadFileBytes(opened));
}

// Sweeping elsewhere replaces readings opened from a file: only after a Yes.
TEST(Measurement, SweepingOtherLimitsAsksBeforeReplacingReadingsOpenedFromAFile) {
    MeasurementRig rig;
    Measurement& m = *rig.measurement;
    QTemporaryDir folder;
    const QString opened = QDir(folder.path()).filePath("a.vec");
    WriteSweepOf3To20MHz(opened);
    rig.dialog.accept(opened);
    ASSERT_EQ(m.open(), FileCommandOutcome::Done);
    m.tick();  // held: the file's readings stay

    EXPECT_FALSE(m.sweepLimitsMHz(6.8, 7.41));
    ASSERT_EQ(rig.dialog.questions.size(), 1U);
    EXPECT_EQ(rig.dialog.questions[0],
              "The readings shown were opened from " + QDir::toNativeSeparators(opened) +
                  ". Sweeping 6.8 to 7.41 MHz replaces them with new readings. Sweep now?");
    EXPECT_EQ(rig.controls.hold, 1);
    EXPECT_EQ(rig.controls.lowerLimit, "3");

    rig.dialog.yes = true;
    EXPECT_TRUE(m.sweepLimitsMHz(6.8, 7.41));
    EXPECT_EQ(rig.controls.hold, 0);
    EXPECT_EQ(rig.controls.lowerLimit, "6.8");
    EXPECT_EQ(rig.controls.upperLimit, "7.41");
    // Once swept, the readings are the instrument's: no question for the next limits.
    m.tick();
    EXPECT_FALSE(m.readingsFromFile());
    rig.controls.hold = 1;
    EXPECT_TRUE(m.sweepLimitsMHz(7.0, 7.2));
    EXPECT_EQ(rig.dialog.questions.size(), 2U);
}

OpenedPort NoisyDipole() {
    return test::simulatedBackEnd(std::make_unique<SimulatedInstrument>(
        std::make_unique<DipoleModel>(), 888, SimulatedNoise{3.0, 11}));
}

// What the window, the observers and a save see is the average of the latest sweeps: the
// mean of what a twin measurement without averaging read in the same sweeps. Hold and new
// limits start the average again, and the strip says how far it has come.
TEST(Measurement, AveragesTheLatestSweepsForEveryoneAndStartsAgainUnderHoldAndNewLimits) {
    MeasurementRig averaged(test::kLocale, NoisyDipole());
    MeasurementRig twin(test::kLocale, NoisyDipole());
    averaged.measurement->setAverageDepth(4);
    std::vector<std::vector<float>> raw;  // the twin's readings, sweep by sweep
    const auto tickBoth = [&] {
        averaged.measurement->tick();
        twin.measurement->tick();
        raw.push_back(twin.measurement->data().ReturnLossSamples);
    };
    const auto meanOfLast = [&](std::size_t sweeps, std::size_t point) {
        float sum = 0.0F;
        for (std::size_t k = raw.size() - sweeps; k < raw.size(); ++k) sum += raw[k][point];
        return sum / static_cast<float>(sweeps);
    };
    for (int k = 0; k < 6; ++k) tickBoth();
    for (std::size_t point = 0; point <= 10; ++point) {
        EXPECT_FLOAT_EQ(averaged.measurement->data().ReturnLossSamples[point], meanOfLast(4, point))
            << point;
    }
    EXPECT_TRUE(averaged.measurement->statusText().endsWith("\nAveraging 4 of 4 sweeps"))
        << averaged.measurement->statusText().toStdString();

    averaged.controls.hold = 1;
    twin.controls.hold = 1;
    tickBoth();
    EXPECT_TRUE(averaged.measurement->statusText().endsWith(
        "\nAveraging 4 sweeps: starts with the next sweep"));
    averaged.controls.hold = 0;
    twin.controls.hold = 0;
    tickBoth();
    EXPECT_EQ(averaged.measurement->data().ReturnLossSamples, raw.back());
    EXPECT_TRUE(averaged.measurement->statusText().endsWith("\nAveraging 1 of 4 sweeps"));
    tickBoth();
    EXPECT_FLOAT_EQ(averaged.measurement->data().ReturnLossSamples[5], meanOfLast(2, 5));

    // New limits: their first sweep stands alone.
    averaged.measurement->sweepLimitsMHz(13.0, 15.0);
    twin.measurement->sweepLimitsMHz(13.0, 15.0);
    tickBoth();
    EXPECT_EQ(averaged.measurement->data().ReturnLossSamples, raw.back());
    averaged.measurement->setAverageDepth(1);
    EXPECT_FALSE(averaged.measurement->statusText().contains("Averaging"));
}

}  // namespace
}  // namespace ravemo
