#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "startup/SettingsLocation.h"

namespace ravemo {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class SettingsLocationTest : public ::testing::Test {
  protected:
    SettingsLocationTest() : program_(root_.filePath("bin")), config_(root_.filePath("config")) {
        QDir().mkpath(program_);
        QDir().mkpath(config_);
    }
    QTemporaryDir root_;
    QString program_;
    QString config_;
};

TEST_F(SettingsLocationTest, PrefersTheFileBesideTheProgram) {
    touch(program_ + "/ravemo.ini");
    touch(config_ + "/ravemo/ravemo.ini");
    const SettingsLocation location = FindSettingsFile(program_, config_, QString());
    EXPECT_EQ(location.path, program_ + "/ravemo.ini");
    EXPECT_TRUE(location.problem.isEmpty());
}

TEST_F(SettingsLocationTest, FallsBackToTheConfigFolderWhetherOrNotItExists) {
    EXPECT_EQ(FindSettingsFile(program_, config_, QString()).path, config_ + "/ravemo/ravemo.ini");
    touch(config_ + "/ravemo/ravemo.ini");
    EXPECT_EQ(FindSettingsFile(program_, config_, QString()).path, config_ + "/ravemo/ravemo.ini");
    // A folder named ravemo.ini beside the program is not the settings file.
    QDir().mkpath(program_ + "/ravemo.ini");
    EXPECT_EQ(FindSettingsFile(program_, config_, QString()).path, config_ + "/ravemo/ravemo.ini");
}

TEST_F(SettingsLocationTest, OverrideWinsAndMustExist) {
    touch(program_ + "/ravemo.ini");
    const QString other = root_.filePath("other.ini");
    touch(other);
    const SettingsLocation named = FindSettingsFile(program_, config_, other);
    EXPECT_EQ(named.path, other);
    EXPECT_TRUE(named.problem.isEmpty());

    const SettingsLocation missing =
        FindSettingsFile(program_, config_, root_.filePath("typo.ini"));
    EXPECT_EQ(missing.path, root_.filePath("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("does not exist"));
}

}  // namespace
}  // namespace ravemo
