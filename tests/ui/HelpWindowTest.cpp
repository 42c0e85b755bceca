#include "ui/HelpWindow.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "ui/UiTestSupport.h"

namespace ravemo {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(HelpWindow, LooksBesideTheProgramThenInTheShareFolder) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    EXPECT_TRUE(HelpWindow::findManual(bin).isEmpty());

    const QString shared = root.filePath("share/ravemo/help/index.html");
    writeFile(shared, "<p>installed</p>");
    EXPECT_EQ(HelpWindow::findManual(bin), QDir::cleanPath(shared));

    const QString beside = root.filePath("bin/help/index.html");
    writeFile(beside, "<p>beside</p>");
    EXPECT_EQ(HelpWindow::findManual(bin), QDir::cleanPath(beside));
}

TEST(HelpWindow, ShowsTheManual) {
    test::uiApplication();
    QTemporaryDir root;
    writeFile(root.filePath("help/index.html"), "<h1>Ravemo manual</h1>");
    HelpWindow help(root.path());
    EXPECT_TRUE(help.browser()->toPlainText().contains("Ravemo manual"));
}

TEST(HelpWindow, MissingManualSaysWhereItLooked) {
    test::uiApplication();
    QTemporaryDir root;
    HelpWindow help(root.path());
    const QString text = help.browser()->toPlainText();
    EXPECT_TRUE(text.contains("not found"));
    EXPECT_TRUE(text.contains(QDir::cleanPath(root.filePath("help/index.html"))));
}

TEST(HelpWindow, F1OpensItFromTheMainWindow) {
    test::WindowFixture f;
    EXPECT_EQ(f.window->helpWindow(), nullptr);
    f.window->showHelp();
    ASSERT_NE(f.window->helpWindow(), nullptr);
    EXPECT_TRUE(f.window->helpWindow()->isVisible());
    f.window->showHelp();  // a second F1 reuses the window
    EXPECT_EQ(f.window->findChildren<HelpWindow*>().size(), 1);
}

}  // namespace
}  // namespace ravemo
