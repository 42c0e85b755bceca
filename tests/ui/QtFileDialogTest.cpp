#include "ui/QtFileDialog.h"

#include <functional>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "UiTestSupport.h"
#include "files/FileCommands.h"

namespace ravemo {
namespace {

// Runs `act` on the file dialog once its modal loop runs.
void whenDialogShows(const std::function<void(QFileDialog&)>& act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) return act(*dialog);
        }
        ADD_FAILURE() << "no file dialog shown";
    });
}

// The entry at the given index is offered with its extension; a bare name gets the extension
// of the entry the user picks; a cancel keeps name and index.
TEST(QtFileDialog, OffersTheIndexedEntryAndReadsBackTheChosenOne) {
    test::uiApplication();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir folder;
    // Qt's dialog adds no extension to a bare name when the working folder holds a folder of that
    // name (the repository has a sweep/ folder): work in the new folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QtFileDialog dialog(nullptr);
    dialog.setFilter(QString::fromLatin1(kSaveFilter));
    dialog.setFilterIndex(2);
    QString offered;
    QString suffixAtStart;
    whenDialogShows([&](QFileDialog& shown) {
        offered = shown.selectedNameFilter();
        suffixAtStart = shown.defaultSuffix();
        shown.selectNameFilter("Table (*.tsv)");
        Q_EMIT shown.filterSelected("Table (*.tsv)");  // as the dialog tells of a user's pick
        shown.selectFile(QDir(folder.path()).filePath("sweep"));
        static_cast<QDialog&>(shown).accept();  // public in QDialog
    });
    ASSERT_TRUE(dialog.showSave());
    EXPECT_EQ(offered, "CSV files(*.csv)");
    EXPECT_EQ(suffixAtStart, "csv");
    const QString chosen = QDir(folder.path()).filePath("sweep.tsv");
    EXPECT_EQ(dialog.fileName(), chosen);
    EXPECT_EQ(dialog.filterIndex(), 4);

    whenDialogShows([](QFileDialog& shown) {
        shown.selectNameFilter("Touchstone (*.s1p)");
        shown.reject();
    });
    EXPECT_FALSE(dialog.showSave());
    EXPECT_EQ(dialog.filterIndex(), 4);
    EXPECT_EQ(dialog.fileName(), chosen);
    QDir::setCurrent(workingFolder);
}

}  // namespace
}  // namespace ravemo
