#include "ui/HelpWindow.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "support/FileBytes.h"
#include "ui/UiTestSupport.h"

namespace ravemo {
namespace {

// The manual beside the program wins over the installed one; without either the window says
// where it looked.
TEST(HelpWindow, ShowsTheManualBesideTheProgramOrInTheShareFolderOrWhereItLooked) {
    test::uiApplication();
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    EXPECT_TRUE(HelpWindow::findManual(bin).isEmpty());
    const QString beside = root.filePath("bin/help/index.html");
    const QString missing = HelpWindow(bin).browser()->toPlainText();
    EXPECT_TRUE(missing.contains("not found"));
    EXPECT_TRUE(missing.contains(QDir::cleanPath(beside)));
    const QString shared = root.filePath("share/ravemo/help/index.html");
    ASSERT_TRUE(test::WriteFileBytes(shared, "<p>installed</p>"));
    EXPECT_EQ(HelpWindow::findManual(bin), QDir::cleanPath(shared));
    ASSERT_TRUE(test::WriteFileBytes(beside, "<h1>Ravemo manual</h1>"));
    EXPECT_EQ(HelpWindow::findManual(bin), QDir::cleanPath(beside));
    EXPECT_TRUE(HelpWindow(bin).browser()->toPlainText().contains("Ravemo manual"));
}

}  // namespace
}  // namespace ravemo
