#include "files/FileCommands.h"

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <deque>
#include <vector>

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "FilesTestSupport.h"
#include "files/CsvExport.h"
#include "files/FileFilter.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"
#include "files/VecFile.h"

namespace {
// While set, every rename() of this test program fails: the last step of a save (putting the
// new file in place) fails as on a damaged disk.
bool gRenameFails = false;
}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
    if (!gRenameFails) return renameat(AT_FDCWD, from, AT_FDCWD, to);
    errno = EIO;
    return -1;
}

namespace ravemo {
namespace {

using testing::kCommaLocale;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// One main window's worth of file-command collaborators over a temporary folder: the file
// dialog answers each show from a script and records what it was shown with.
struct FileCommandsBench : FileDialog, FileCommandControls, MessageReporter {
    FileCommandsBench() {
        settings.Champ = 4;
        settings.Step = 3;
        // Every bit comes back from a sweep file: the least float, negative zero, a NaN payload.
        data.ReturnLossSamples = {100, std::bit_cast<float>(1U), 102, 103, 104};
        data.PhaseSamples = {-0.0F, 201, 202, 203, 204};
        data.DdsWords = {std::bit_cast<double>(0x7FF8DEADBEEF0001ULL), 23860000, 334040000,
                         168213000, 23870000};
    }
    QString path(const char* file) const { return QDir(folder.path()).filePath(file); }

    void setFilter(const QString& f) override { filter = f; }
    void setFilterIndex(int i) override { index = i; }
    int filterIndex() const override { return index; }
    QString fileName() const override { return name; }
    bool showOpen() override { return show(false); }
    bool showSave() override { return show(true); }
    bool show(bool forSaving) {
        shown << QStringLiteral("%1 %2 %3").arg(forSaving ? "save" : "open").arg(index).arg(filter);
        const Answer answer = answers.front();
        answers.pop_front();
        if (answer.accept) name = answer.file;
        if (answer.accept && answer.chosenEntry != 0) index = answer.chosenEntry;
        return answer.accept;
    }
    int holdValue() const override { return hold; }
    void setHoldValue(int value) override { holdSets.push_back(hold = value); }
    void setFullSweepValue(int value) override { fullSweep = value; }
    QString lowerLimitText() const override { return lower; }
    QString upperLimitText() const override { return upper; }
    void setLowerLimitText(const QString& text) override { lower = text; }
    void setUpperLimitText(const QString& text) override { upper = text; }
    void reportError(const QString& title, const QString& text) override {
        messages.push_back(title + ": " + text);
    }
    bool askYesNo(const QString&, const QString& text) override {
        ADD_FAILURE() << "a file command asked: " << text.toStdString();
        return false;
    }

    struct Answer {
        bool accept;
        QString file;
        int chosenEntry;  // 0: the user left the preselected one
    };
    std::deque<Answer> answers;
    QStringList shown;  // "save|open, the entry it came up with, the filter"
    QString filter;
    int index = 1;
    QString name;
    int hold = 0;
    QList<int> holdSets;
    int fullSweep = 0;
    QString lower = QStringLiteral("1");
    QString upper = QStringLiteral("50");
    QStringList messages;  // "title: text"
    QTemporaryDir folder;
    Settings settings;
    SweepData data{4};
    FileCommands commands{data, settings, *this, *this, *this, kCommaLocale};
};

TEST(FileCommands, TypedExtensionOrChosenEntryDecidesAndTheNextDialogStartsThere) {
    FileCommandsBench bench;
    const struct {
        int chosen;        // entry picked in the dialog; 0: the one it started on
        const char* name;  // as typed
        int format;        // the entry whose format was written
        int startedOn;     // the entry the dialog came up with
    } steps[] = {
        {1, "a.vec", 1, 1}, {0, "b.CSV", 2, 1},  // the extension wins over the entry
        {0, "c.txt", 2, 2},                      // any other extension: the entry decides
        {2, "d.s1p", 3, 2}, {0, "e.Tsv", 4, 3}, {1, "f.s1p.dat", 1, 4}, {0, "g", 1, 1},
    };
    // The limit boxes in the user's locale, though a point is read too. The table export
    // writes every index whatever the Step.
    bench.lower = QStringLiteral("1,8");
    bench.upper = QStringLiteral("29.7");
    const VecLimits limits{1.8F, 29.7F};
    const QByteArray formats[] = {EncodeVecFile(bench.data, limits),
                                  EncodeCsvExport(bench.data, limits, kCommaLocale),
                                  EncodeTouchstone(bench.data, 3), EncodeSweepTable(bench.data, 3)};
    for (const auto& step : steps) {
        bench.answers.push_back({true, bench.path(step.name), step.chosen});
        EXPECT_EQ(bench.commands.save(), FileCommandOutcome::Done) << step.name;
        EXPECT_EQ(bench.shown.back(),
                  QStringLiteral("save %1 %2").arg(step.startedOn).arg(kSaveFilter));
        EXPECT_EQ(ReadFileBytes(bench.path(step.name)), formats[step.format - 1]) << step.name;
    }
    // The open offers its own filter on entry 1, and the next save starts on the sweep file. The
    // sweep and the limits come back as saved, the boxes in the locale.
    bench.data = SweepData(4);
    bench.lower = bench.upper = QStringLiteral("x");
    bench.answers.push_back({true, bench.path("a.vec"), 0});
    bench.answers.push_back({true, bench.path("h.csv"), 0});
    bench.index = 4;
    EXPECT_EQ(bench.commands.open(), FileCommandOutcome::Done);
    EXPECT_EQ(EncodeVecFile(bench.data, limits), formats[0]);
    EXPECT_EQ(bench.lower, "1,8");
    EXPECT_EQ(bench.upper, "29,7");
    bench.commands.save();
    EXPECT_EQ(bench.shown[7], "open 1 Ravemo_Files (*.vec)|*.vec|");
    EXPECT_TRUE(bench.shown[8].startsWith("save 1 "));
    EXPECT_EQ(bench.index, 2);
    EXPECT_TRUE(bench.messages.empty());
}

// Hold is ticked before the dialog and put back unless the command is done; a failure is
// reported once, naming the file or the value, and changes neither the sweep nor any file.
TEST(FileCommands, OutcomesOfEveryCommandForHoldFullSweepMessagesAndFiles) {
    using Outcome = FileCommandOutcome;
    const struct {
        bool opening;
        const char* name;  // in the folder; "" no name
        int entry;
        const char* upper;
        Outcome outcome;
        const char* says;
        bool renameFails = false;
    } cases[] = {
        {false, "old.vec", 1, "50", Outcome::Cancelled, ""},
        {true, "old.vec", 1, "50", Outcome::Cancelled, ""},
        {true, "none.vec", 1, "50", Outcome::Failed, "none.vec"},
        {true, "short.vec", 1, "50", Outcome::Failed, "2 points (Champ 1)"},
        {true, "dir", 1, "50", Outcome::Failed, "dir"},
        {false, "plain/x.vec", 1, "50", Outcome::Failed, "plain/x.vec"},
        {false, "missing/x.csv", 2, "50", Outcome::Failed, "x.csv"},
        {false, "dir", 3, "50", Outcome::Failed, "dir"},
        {false, "", 4, "50", Outcome::Failed, "No file name"},
        {false, "a", 1, "fifty", Outcome::Failed, "\"fifty\" is not a number"},
        {false, "a", 2, "fifty", Outcome::Failed, "\"fifty\" is not a number"},
        // Beyond single precision: the sweep file could not be opened again.
        {false, "a", 1, "1e39", Outcome::Failed, "\"1e39\""},
        {false, "old.vec", 1, "50", Outcome::Failed, "old.vec", true},
        {false, "new.vec", 1, "50", Outcome::Done, ""},
        {true, "old.vec", 1, "50", Outcome::Done, ""},
    };
    const QDir::Filters kEntries = QDir::AllEntries | QDir::NoDotAndDotDot;
    for (const auto& c : cases) {
        FileCommandsBench bench;
        const QByteArray old = EncodeVecFile(SweepData(4), {3.5F, 20.0F});
        WriteFileBytes(bench.path("old.vec"), old);
        WriteFileBytes(bench.path("plain"), "not a folder");
        QDir(bench.folder.path()).mkdir("dir");
        WriteFileBytes(bench.path("short.vec"), QByteArray(40, '\x7F'));  // a sweep of Champ 1
        const QStringList files = QDir(bench.folder.path()).entryList(kEntries);
        bench.hold = 2;
        bench.fullSweep = 1;
        bench.upper = QString::fromLatin1(c.upper);
        const QString file = *c.name == '\0' ? QString() : bench.path(c.name);
        bench.answers.push_back({c.outcome != Outcome::Cancelled, file, c.entry});
        const SweepData before = bench.data;
        gRenameFails = c.renameFails;
        EXPECT_EQ(c.opening ? bench.commands.open() : bench.commands.save(), c.outcome) << c.name;
        gRenameFails = false;
        EXPECT_EQ(bench.holdSets.value(0), 1) << c.name;
        const bool done = c.outcome == Outcome::Done;
        EXPECT_EQ(bench.hold, done ? 1 : 2) << c.name;
        // A successful open unticks Full sweep so that the file's limits stand.
        EXPECT_EQ(bench.fullSweep, done && c.opening ? 0 : 1) << c.name;
        EXPECT_EQ(bench.messages.size(), c.outcome == Outcome::Failed ? 1U : 0U);
        for (const QString& message : bench.messages) {
            EXPECT_TRUE(message.startsWith("Warning: ") && message.contains(c.says))
                << message.toStdString();
        }
        if (done) continue;
        EXPECT_EQ(bench.data.ReturnLossSamples, before.ReturnLossSamples) << c.name;
        EXPECT_EQ(bench.lower, "1") << c.name;
        EXPECT_EQ(ReadFileBytes(bench.path("old.vec")), old) << c.name;
        EXPECT_EQ(QDir(bench.folder.path()).entryList(kEntries), files) << c.name;
    }
}

TEST(FileFilter, EachEntryGivesANameFilterAndTheExtensionOfItsFirstPattern) {
    EXPECT_EQ(NameFiltersOfFilterList("Text|*.txt;*.log|CSV files(*.csv)|*.csv|"),
              (QStringList{"Text (*.txt *.log)", "CSV files(*.csv)"}));
    EXPECT_EQ(SuffixesOfFilterList("Text|*.txt;*.log|All|*.*|Any|*|"),
              (QStringList{"txt", "", ""}));
}

}  // namespace
}  // namespace ravemo
