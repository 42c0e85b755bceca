// The Cable window on the simulated instrument sweeping an open 23.4 m RG-58: opened from the
// tuning window by its key, following the sweep, answering the user's choices.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "analysis/SimulatedSweep.h"
#include "common/LineTransform.h"
#include "support/ScriptedDialogs.h"
#include "ui/UiTestSupport.h"
#include "ui/access/TextEquivalent.h"
#include "ui/cable/CableWindow.h"
#include "ui/tuning/TuningRig.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo::cable_window_test {

// An open 23.4 m RG-58 as a Touchstone file, written before the rig's port replays it.
struct OpenCableFile {
    OpenCableFile() {
        const Feedline line{*FeedlineTypeNamed(QStringLiteral("rg58")), 23.4};
        test::WriteTouchstone(
            path, [&](double hz) { return ImpedanceThroughLine(1e12, line, hz); }, 1e6, 50e6, 2001);
    }
    QTemporaryDir cableFolder;
    QString path = cableFolder.filePath(QStringLiteral("open.s1p"));
};

struct CableRig : OpenCableFile, test::TuningRig {
    CableRig() : TuningRig(QStringLiteral("sim:s1p:") + path, 1000) { tick(2); }
};

TEST(CableWindow, OpenedByItsKeyItMeasuresTheSweptCable) {
    CableRig rig;
    QAction& action = rig.tuning->toolBar().cableAction();
    EXPECT_EQ(action.shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    action.trigger();
    CableWindow* cable = rig.tuning->cableWindow();
    ASSERT_NE(cable, nullptr);
    EXPECT_TRUE(cable->isVisible());
    EXPECT_TRUE(cable->isWindow());
    EXPECT_EQ(cable->sourceLabel().text(), QStringLiteral("The latest sweep."));

    // The default: a velocity factor of 0.66 known, the length found.
    ASSERT_TRUE(cable->measurement().lengthM);
    EXPECT_NEAR(*cable->measurement().lengthM, 23.4, 0.02 * 23.4);
    EXPECT_TRUE(cable->findings().toPlainText().contains(QStringLiteral("the open end")));
    // The plot in words for a screen reader: the open end, a rise of impedance, at 23.4 m.
    const QString words =
        TextEquivalent(*cable->findChild<QWidget*>(QStringLiteral("DistanceToFault")));
    const QRegularExpressionMatch end =
        QRegularExpression(QStringLiteral(R"(([\d.]+) m, \+0\.\d+, the open end)")).match(words);
    ASSERT_TRUE(end.hasMatch()) << words.toStdString();
    EXPECT_NEAR(end.captured(1).toDouble(), 23.4, 0.02 * 23.4);

    // The length known instead: the velocity factor found.
    cable->knownBox().setCurrentIndex(0);
    cable->knownValueBox().setText(QStringLiteral("23.4"));
    Q_EMIT cable->knownValueBox().editingFinished();
    ASSERT_TRUE(cable->measurement().velocityFactor);
    EXPECT_NEAR(*cable->measurement().velocityFactor, 0.66, 0.02 * 0.66);

    // Told the end is shorted, the end peak is not called the open end.
    cable->endBox().setCurrentIndex(1);
    EXPECT_TRUE(cable->findings().toPlainText().contains(QStringLiteral("the shorted end")));
}

TEST(CableWindow, AFileThatCannotBeReadLeavesTheSweepShown) {
    CableRig rig;
    rig.tuning->openCableWindow();
    CableWindow& cable = *rig.tuning->cableWindow();
    QPushButton* open = nullptr;
    for (QPushButton* button : cable.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Open file...")) open = button;
    }
    ASSERT_NE(open, nullptr);
    rig.dialogs.cancel();
    open->click();
    rig.dialogs.accept(rig.folder.filePath(QStringLiteral("none.s1p")));
    open->click();
    const std::vector<QString> shown = rig.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("none.s1p"))) << shown[0].toStdString();
    EXPECT_EQ(cable.sourceLabel().text(), QStringLiteral("The latest sweep."));
    EXPECT_TRUE(cable.measurement().lengthM);
}

}  // namespace ravemo::cable_window_test
