#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "files/FileCommands.h"
#include "files/FileTestDoubles.h"
#include "files/VecFile.h"
#include "instrument/Dds.h"
#include "sweep/SweepEngine.h"
#include "ui/UiTestSupport.h"
#include "ui/WindowFileControls.h"

namespace ravemo {
namespace {

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

TEST(MainWindowFiles, OpenUnderFullSweepKeepsTheFilesLimitsThroughTicksAndTheNextSave) {
    Settings s = test::testSettings();
    s.Champ = 10;
    s.FMin = 1e6F;
    s.FMax = 30e6F;
    test::WindowFixture f(s);
    MainWindow& w = *f.window;
    QTemporaryDir folder;
    const QString opened = QDir(folder.path()).filePath("a.vec");
    const QString saved = QDir(folder.path()).filePath("b.vec");
    QFile file(opened);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sweepFileOf3To20MHz(10));
    file.close();

    w.findChild<QCheckBox*>("Check7")->click();
    w.engine().tick();
    ASSERT_EQ(w.findChild<QLineEdit*>("txtVal_1")->text(), "30");

    testing::ScriptedFileDialog dialog;
    testing::RecordingReporter reporter;
    WindowFileControls controls(w.controls());
    FileCommands commands(w.sweepData(), f.settings, dialog, controls, reporter, test::kLocale);
    dialog.answers.push_back({true, opened, 0});
    ASSERT_EQ(commands.open(), FileCommandOutcome::Done);
    EXPECT_FALSE(w.findChild<QCheckBox*>("Check7")->isChecked());
    EXPECT_TRUE(w.findChild<QCheckBox*>("Check8")->isChecked());
    EXPECT_FALSE(w.findChild<QLineEdit*>("txtVal_0")->isEnabled());
    EXPECT_FALSE(w.findChild<QCheckBox*>("Check7")->isEnabled());

    // The first tick starts at the file's lower limit with the full range's step; the second
    // takes the file's step too.
    w.engine().tick();
    w.engine().tick();
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_0")->text(), "3");
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_1")->text(), "20");
    dialog.answers.push_back({true, saved, 1});
    ASSERT_EQ(commands.save(), FileCommandOutcome::Done);
    EXPECT_EQ(readFile(saved), readFile(opened));
    EXPECT_TRUE(reporter.messages.empty());
}

}  // namespace
}  // namespace ravemo
