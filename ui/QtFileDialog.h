#pragma once

#include <QString>
#include <QStringList>

#include "files/FileDialog.h"

class QWidget;

namespace ravemo {

// CommonDialog1 on QFileDialog. The "description|pattern|" filter list becomes Qt's name
// filters; the entry of the 1-based filter index is selected before showing and the chosen
// entry's index is read back after a save. The file name keeps its last accepted value; a
// cancel returns false and changes neither the name nor the index.
//
// The save dialog gives a name typed without extension the extension of the selected entry,
// following the selection as the user changes it; the dialog's own question before
// overwriting a file then asks about the name that will be written.
class QtFileDialog : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent);

    void setFilter(const QString& filter) override;
    void setFilterIndex(int oneBasedIndex) override;
    int filterIndex() const override;
    QString fileName() const override;

    bool showOpen() override;
    bool showSave() override;

  private:
    bool show(bool forSaving);

    QWidget* parent_;
    QStringList nameFilters_;
    QStringList suffixes_;
    int filterIndex_ = 1;
    QString fileName_;
};

}  // namespace ravemo
