#pragma once

#include <QString>

namespace ravemo {

// The file dialog the open and save commands use, one instance for both. The filter list is a
// text of entries "description|pattern|", numbered from 1; the filter index is the selected
// entry, set before showing and read after the save dialog closes; the file name keeps its
// last value between uses. A show returns false when the user cancelled: the caller must then
// use no file at all, not even one chosen earlier.
//
// The program's adapter wraps QFileDialog (ui/QtFileDialog.h); tests script a fake.
class FileDialog {
  public:
    virtual ~FileDialog() = default;

    virtual void setFilter(const QString& filter) = 0;
    virtual void setFilterIndex(int oneBasedIndex) = 0;
    virtual int filterIndex() const = 0;
    virtual QString fileName() const = 0;

    virtual bool showOpen() = 0;
    virtual bool showSave() = 0;
};

}  // namespace ravemo
