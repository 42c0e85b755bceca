#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "startup/SettingsLocation.h"

namespace ravemo {
namespace {

TEST(SettingsLocation, BesideTheProgramElseTheConfigFolderUnlessNamed) {
    const QTemporaryDir root;
    const QString program = root.filePath("bin");
    const QString config = root.filePath("config");
    const QString inConfig = config + "/ravemo/ravemo.ini";
    QDir().mkpath(program + "/ravemo.ini");  // a folder is not the settings file
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, inConfig);
    QDir().mkpath(config + "/ravemo");
    ASSERT_TRUE(QFile(inConfig).open(QIODevice::WriteOnly));
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, inConfig);
    QDir(program).rmdir("ravemo.ini");
    ASSERT_TRUE(QFile(program + "/ravemo.ini").open(QIODevice::WriteOnly));
    const SettingsLocation beside = FindSettingsFile(program, config, QString());
    EXPECT_EQ(beside.path, program + "/ravemo.ini");
    EXPECT_TRUE(beside.problem.isEmpty());
    // A named file wins and must exist.
    EXPECT_EQ(FindSettingsFile(program, config, inConfig).path, inConfig);
    const SettingsLocation missing = FindSettingsFile(program, config, root.filePath("typo.ini"));
    EXPECT_EQ(missing.path, root.filePath("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("does not exist"));
}

}  // namespace
}  // namespace ravemo
