#include "ui/QtFileDialog.h"

#include <functional>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "UiTestSupport.h"
#include "files/FileCommands.h"

namespace ravemo {
namespace {

void ensureApplication() {
    ravemo::test::uiApplication();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

// Runs `act` on the file dialog as soon as it is shown modally.
void whenDialogShows(const std::function<void(QFileDialog&)>& act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        // Look among the top-level widgets: offscreen, a modal dialog is not always the
        // active one when other windows were shown by earlier tests.
        QFileDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* candidate = qobject_cast<QFileDialog*>(widget);
            if (candidate != nullptr && candidate->isVisible()) dialog = candidate;
        }
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start(10);
}

TEST(QtFileDialog, SelectsTheIndexedEntryAndReadsBackTheChosenOne) {
    ensureApplication();
    QTemporaryDir folder;
    const QString target = QDir(folder.path()).filePath("sweep.s1p");
    QtFileDialog dialog(nullptr);
    dialog.setFilter(QString::fromLatin1(kSaveFilter));
    dialog.setFilterIndex(2);
    QString offered;
    whenDialogShows([&](QFileDialog& shown) {
        offered = shown.selectedNameFilter();
        shown.selectNameFilter("Touchstone (*.s1p)");
        shown.selectFile(target);
        static_cast<QDialog&>(shown).accept();  // public in QDialog
    });
    ASSERT_TRUE(dialog.showSave());
    EXPECT_EQ(offered, "CSV files(*.csv)");
    EXPECT_EQ(dialog.filterIndex(), 3);
    EXPECT_EQ(dialog.fileName(), target);
}

TEST(QtFileDialog, ABareNameGetsTheExtensionOfTheEntryChosen) {
    ensureApplication();
    QTemporaryDir folder;
    // Qt's dialog looks a bare name up in the working folder too and adds no extension when a
    // folder of that name is there (the repository has a sweep/ folder): work in the new folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QtFileDialog dialog(nullptr);
    dialog.setFilter(QString::fromLatin1(kSaveFilter));
    dialog.setFilterIndex(1);
    QString suffixAtStart;
    whenDialogShows([&](QFileDialog& shown) {
        suffixAtStart = shown.defaultSuffix();
        shown.selectNameFilter("Table (*.tsv)");
        Q_EMIT shown.filterSelected("Table (*.tsv)");  // as the dialog tells of a user's pick
        shown.selectFile(QDir(folder.path()).filePath("sweep"));
        static_cast<QDialog&>(shown).accept();  // public in QDialog
    });
    ASSERT_TRUE(dialog.showSave());
    EXPECT_EQ(suffixAtStart, "vec");
    EXPECT_EQ(dialog.fileName(), QDir(folder.path()).filePath("sweep.tsv"));
    EXPECT_EQ(dialog.filterIndex(), 4);
    QDir::setCurrent(workingFolder);
}

TEST(QtFileDialog, ACancelKeepsNameAndIndexAndReportsFalse) {
    ensureApplication();
    QTemporaryDir folder;
    const QString existing = QDir(folder.path()).filePath("old.vec");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QtFileDialog dialog(nullptr);
    dialog.setFilter(QString::fromLatin1(kOpenFilter));
    dialog.setFilterIndex(1);
    whenDialogShows([&](QFileDialog& shown) {
        shown.selectFile(existing);
        static_cast<QDialog&>(shown).accept();  // public in QDialog
    });
    ASSERT_TRUE(dialog.showOpen());
    EXPECT_EQ(dialog.fileName(), existing);

    dialog.setFilter(QString::fromLatin1(kSaveFilter));
    whenDialogShows([](QFileDialog& shown) {
        shown.selectNameFilter("Table (*.tsv)");
        shown.reject();
    });
    EXPECT_FALSE(dialog.showSave());
    EXPECT_EQ(dialog.filterIndex(), 1);
    EXPECT_EQ(dialog.fileName(), existing);
}

}  // namespace
}  // namespace ravemo
