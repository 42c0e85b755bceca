#include "files/FileCommands.h"

#include <bit>
#include <vector>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FileTestDoubles.h"
#include "files/CsvExport.h"
#include "files/VecFile.h"

namespace ravemo {
namespace {

using testing::FakeFileControls;
using testing::RecordingReporter;
using testing::ScriptedFileDialog;

const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The bytes of an array, for bit-for-bit comparisons (NaN payloads, negative zero).
template <typename T>
QByteArray bytesOf(const std::vector<T>& values) {
    return {reinterpret_cast<const char*>(values.data()),
            static_cast<qsizetype>(values.size() * sizeof(T))};
}

// One main window's worth of file-command collaborators over a temporary folder.
struct FileCommandsBench {
    explicit FileCommandsBench(std::int32_t champ = 4, const QLocale& locale = kPointLocale)
        : data(champ), commands(data, settings, dialog, controls, reporter, locale) {
        settings.Champ = champ;
        settings.Step = 1;
        for (std::int32_t i = 0; i <= champ; ++i) {
            const auto at = static_cast<std::size_t>(i);
            data.ReturnLossSamples[at] = static_cast<float>(100 + i);
            data.PhaseSamples[at] = static_cast<float>(200 + i);
            data.DdsWords[at] = 23860000.0 + i;
        }
    }
    QString path(const char* name) const { return QDir(folder.path()).filePath(name); }
    void answer(bool accept, const QString& file = {}, int filterIndex = 0) {
        dialog.answers.push_back({accept, file, filterIndex});
    }

    QTemporaryDir folder;
    Settings settings;
    SweepData data;
    ScriptedFileDialog dialog;
    FakeFileControls controls;
    RecordingReporter reporter;
    FileCommands commands;
};

TEST(FileCommands, SaveThenOpenRestoresArraysBitForBitAndTheLimitBoxes) {
    FileCommandsBench bench(6000, kCommaLocale);
    bench.data.ReturnLossSamples[7] = std::bit_cast<float>(0x00000001U);  // the least float
    bench.data.PhaseSamples[0] = -0.0F;
    bench.data.DdsWords[6000] = std::bit_cast<double>(0xFFF0000000000123ULL);
    const SweepData saved = bench.data;
    bench.controls.lower = QStringLiteral("1,8");
    bench.controls.upper = QStringLiteral("29.7");  // a point is read in a comma locale too
    bench.answer(true, bench.path("a.vec"), 1);
    EXPECT_EQ(bench.commands.save(), FileCommandOutcome::Done);
    EXPECT_EQ(QFileInfo(bench.path("a.vec")).size(), 96024);

    bench.data = SweepData(6000);
    bench.controls.lower = bench.controls.upper = QStringLiteral("x");
    bench.answer(true, bench.path("a.vec"));
    EXPECT_EQ(bench.commands.open(), FileCommandOutcome::Done);
    EXPECT_EQ(bytesOf(bench.data.ReturnLossSamples), bytesOf(saved.ReturnLossSamples));
    EXPECT_EQ(bytesOf(bench.data.PhaseSamples), bytesOf(saved.PhaseSamples));
    EXPECT_EQ(bytesOf(bench.data.DdsWords), bytesOf(saved.DdsWords));
    EXPECT_EQ(bench.controls.lower, "1,8");
    EXPECT_EQ(bench.controls.upper, "29,7");
    EXPECT_TRUE(bench.reporter.messages.empty());
}

TEST(FileCommands, TypedExtensionOrChosenEntryDecidesAndTheNextDialogStartsThere) {
    FileCommandsBench bench;
    struct Step {
        int chosen;        // entry picked in the dialog; 0: the one it started on
        const char* name;  // as typed
        const char* starts;
        int startedOn;  // the entry the dialog came up with
    };
    const Step steps[] = {
        {1, "a.vec", "", 1},
        {0, "b.CSV", "SAMPLE N\xB0;", 1},  // the extension wins over the entry
        {0, "c.txt", "SAMPLE N\xB0;", 2},  // any other extension: the entry decides
        {2, "d.s1p", "# MHZ S MA R 50\n", 2},
        {0, "e.Tsv", "index\tfrequency_hz", 3},
        {1, "f.s1p.dat", "", 4},
        {0, "g", "", 1},
    };
    for (const Step& step : steps) {
        bench.answer(true, bench.path(step.name), step.chosen);
        EXPECT_EQ(bench.commands.save(), FileCommandOutcome::Done) << step.name;
        EXPECT_EQ(bench.dialog.shown.back().filterIndex, step.startedOn) << step.name;
        EXPECT_EQ(bench.dialog.shown.back().filter, QString::fromLatin1(kSaveFilter));
        const QByteArray written = readFile(bench.path(step.name));
        if (*step.starts == '\0') {
            EXPECT_EQ(written.size(), 16 * 5 + 8) << step.name;  // the sweep file
        } else {
            EXPECT_TRUE(written.startsWith(step.starts)) << step.name;
        }
    }
    // The open offers its own filter on entry 1, and the next save starts on the sweep file.
    bench.answer(true, bench.path("a.vec"), 0);
    bench.answer(true, bench.path("h.csv"), 0);
    bench.dialog.index = 4;
    bench.commands.open();
    bench.commands.save();
    EXPECT_EQ(bench.dialog.shown[7].filter, "Ravemo_Files (*.vec)|*.vec|");
    EXPECT_FALSE(bench.dialog.shown[7].forSaving);
    EXPECT_EQ(bench.dialog.shown[7].filterIndex, 1);
    EXPECT_EQ(bench.dialog.shown[8].filterIndex, 1);
    EXPECT_EQ(bench.dialog.index, 2);
    EXPECT_TRUE(bench.reporter.messages.empty());
}

TEST(FileCommands, CsvExportWritesEveryIndexWhateverTheStep) {
    FileCommandsBench bench;
    bench.settings.Step = 3;
    bench.answer(true, bench.path("x.csv"), 2);
    EXPECT_EQ(bench.commands.save(), FileCommandOutcome::Done);
    EXPECT_EQ(readFile(bench.path("x.csv")),
              EncodeCsvExport(bench.data, {1.0F, 50.0F}, kPointLocale));
}

TEST(FileCommands, HoldIsTickedFirstAndPutBackUnlessTheCommandIsDone) {
    using Outcome = FileCommandOutcome;
    struct Case {
        bool opening;
        bool accept;
        const char* name;
        const char* lowerLimit;
        int holdBefore;
        Outcome outcome;
        int holdAfter;
    };
    const Case cases[] = {
        {false, false, "old.vec", "1", 0, Outcome::Cancelled, 0},
        {false, false, "old.vec", "1", 2, Outcome::Cancelled, 2},
        {true, false, "old.vec", "1", 0, Outcome::Cancelled, 0},
        {true, false, "old.vec", "1", 1, Outcome::Cancelled, 1},
        {true, true, "none.vec", "1", 0, Outcome::Failed, 0},
        {false, true, "old.vec", "one", 0, Outcome::Failed, 0},
        {false, true, "missing/x.vec", "1", 0, Outcome::Failed, 0},
        {false, true, "new.vec", "1", 0, Outcome::Done, 1},
        {true, true, "old.vec", "1", 0, Outcome::Done, 1},
    };
    for (const Case& c : cases) {
        FileCommandsBench bench;
        writeFile(bench.path("old.vec"), EncodeVecFile(SweepData(4), {1.0F, 2.0F}));
        bench.controls.hold = c.holdBefore;
        bench.controls.lower = QString::fromLatin1(c.lowerLimit);
        bench.answer(c.accept, bench.path(c.name), 1);
        const SweepData before = bench.data;
        EXPECT_EQ(c.opening ? bench.commands.open() : bench.commands.save(), c.outcome) << c.name;
        ASSERT_FALSE(bench.controls.holdSets.empty());
        EXPECT_EQ(bench.controls.holdSets.front(), 1) << c.name;  // ticked before the dialog
        EXPECT_EQ(bench.controls.hold, c.holdAfter) << c.name << " " << c.holdBefore;
        if (c.outcome != Outcome::Done) {
            EXPECT_EQ(bench.data.ReturnLossSamples, before.ReturnLossSamples) << c.name;
            EXPECT_EQ(readFile(bench.path("old.vec")).size(), 16 * 5 + 8) << c.name;
        }
    }
}

TEST(FileCommands, ASuccessfulOpenUnticksFullSweepSoTheFilesLimitsStand) {
    FileCommandsBench bench;
    writeFile(bench.path("a.vec"), EncodeVecFile(bench.data, {3.5F, 20.0F}));
    bench.controls.fullSweep = 1;
    bench.answer(false);
    bench.answer(true, bench.path("a.vec"));
    EXPECT_EQ(bench.commands.open(), FileCommandOutcome::Cancelled);
    EXPECT_EQ(bench.controls.fullSweep, 1);
    EXPECT_EQ(bench.commands.open(), FileCommandOutcome::Done);
    EXPECT_EQ(bench.controls.fullSweep, 0);
    EXPECT_EQ(bench.controls.lower, "3.5");
    EXPECT_EQ(bench.controls.hold, 1);
}

TEST(FileCommands, AFailedSaveIsReportedNamingTheFileAndTheReason) {
    FileCommandsBench bench;
    writeFile(bench.path("plain"), "not a folder");
    const struct {
        QString name;
        int entry;
        const char* upperLimit;
        QString says;
    } cases[] = {
        {bench.path("plain/x.vec"), 1, "50", QDir::toNativeSeparators(bench.path("plain/x.vec"))},
        {bench.path("missing/x.csv"), 2, "50", "x.csv"},
        {bench.folder.path(), 3, "50", QDir::toNativeSeparators(bench.folder.path())},
        {QString(), 4, "50", "No file name"},
        {bench.path("a"), 1, "fifty", "\"fifty\" is not a number"},
        {bench.path("a"), 2, "fifty", "\"fifty\" is not a number"},
        {bench.path("a"), 1, "1e39", "\"1e39\""},  // beyond single precision: no sweep file
    };
    for (const auto& c : cases) {
        bench.controls.upper = QString::fromLatin1(c.upperLimit);
        bench.reporter.messages.clear();
        bench.answer(true, c.name, c.entry);
        EXPECT_EQ(bench.commands.save(), FileCommandOutcome::Failed) << c.says.toStdString();
        ASSERT_EQ(bench.reporter.messages.size(), 1U);
        EXPECT_EQ(bench.reporter.messages[0].title, "Warning");
        EXPECT_TRUE(bench.reporter.messages[0].text.contains(c.says))
            << bench.reporter.messages[0].text.toStdString();
    }
    EXPECT_EQ(readFile(bench.path("plain")), "not a folder");
    EXPECT_EQ(QDir(bench.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"plain"});
}

TEST(FileCommands, ARefusedOpenLeavesArraysAndBoxesAndCreatesNothing) {
    FileCommandsBench bench;
    const SweepData before = bench.data;
    writeFile(bench.path("short.vec"), QByteArray(40, '\x7F'));  // a sweep of Champ 1
    writeFile(bench.path("odd.vec"), QByteArray(50, '\x7F'));
    bench.answer(true, bench.path("none.vec"));
    bench.answer(true, bench.path("short.vec"));
    bench.answer(true, bench.path("odd.vec"));
    bench.answer(true, bench.folder.path());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(bench.commands.open(), FileCommandOutcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(bench.path("none.vec")));
    EXPECT_EQ(bench.data.ReturnLossSamples, before.ReturnLossSamples);
    EXPECT_EQ(bench.data.PhaseSamples, before.PhaseSamples);
    EXPECT_EQ(bench.data.DdsWords, before.DdsWords);
    EXPECT_EQ(bench.controls.lower, "1");
    EXPECT_EQ(bench.controls.upper, "50");
    ASSERT_EQ(bench.reporter.messages.size(), 4U);
    EXPECT_TRUE(bench.reporter.messages[0].text.contains("none.vec"));
    EXPECT_TRUE(bench.reporter.messages[1].text.contains("2 points (Champ 1)"));
    EXPECT_TRUE(bench.reporter.messages[1].text.contains("Champ 4"));
    EXPECT_TRUE(bench.reporter.messages[2].text.contains("50 bytes"));
}

}  // namespace
}  // namespace ravemo
