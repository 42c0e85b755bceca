#pragma once

#include <memory>

#include "files/FileDialog.h"
#include "files/MessageReporter.h"

class QWidget;

namespace ravemo {

// Makes the dialogs each window asks its user through: a file dialog of the window's own (its
// filter, its filter index and its last file name belong to that window's commands) and a
// message reporter, both shown over `window`. The main window hands its maker to the windows
// it opens, and they to theirs, so the program shows Qt's dialogs everywhere (QtWindowDialogs)
// and tests answer every one of them from one script.
class WindowDialogs {
  public:
    virtual ~WindowDialogs() = default;
    virtual std::unique_ptr<FileDialog> makeFileDialog(QWidget* window) = 0;
    virtual std::unique_ptr<MessageReporter> makeReporter(QWidget* window) = 0;
};

}  // namespace ravemo
