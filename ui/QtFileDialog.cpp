#include "ui/QtFileDialog.h"

#include <QFileDialog>
#include <QWidget>

#include "files/FileFilter.h"

namespace ravemo {

QtFileDialog::QtFileDialog(QWidget* parent) : parent_(parent) {}

void QtFileDialog::setFilter(const QString& filter) {
    nameFilters_ = NameFiltersOfFilterList(filter);
    suffixes_ = SuffixesOfFilterList(filter);
}

void QtFileDialog::setFilterIndex(int oneBasedIndex) { filterIndex_ = oneBasedIndex; }

int QtFileDialog::filterIndex() const { return filterIndex_; }

QString QtFileDialog::fileName() const { return fileName_; }

bool QtFileDialog::showOpen() { return show(false); }

bool QtFileDialog::showSave() { return show(true); }

bool QtFileDialog::show(bool forSaving) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters_);
    if (filterIndex_ >= 1 && filterIndex_ <= nameFilters_.size()) {
        dialog.selectNameFilter(nameFilters_[filterIndex_ - 1]);
    }
    if (forSaving) {
        const auto followFilter = [this, &dialog](const QString& nameFilter) {
            const qsizetype entry = nameFilters_.indexOf(nameFilter);
            dialog.setDefaultSuffix(entry >= 0 ? suffixes_.value(entry) : QString());
        };
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    }
    if (!fileName_.isEmpty()) dialog.selectFile(fileName_);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return false;
    fileName_ = chosen.front();
    const qsizetype selected = nameFilters_.indexOf(dialog.selectedNameFilter());
    if (selected >= 0) filterIndex_ = static_cast<int>(selected) + 1;
    return true;
}

}  // namespace ravemo
