#pragma once

#include "ui/WindowDialogs.h"

namespace ravemo {

// The program's dialogs: QFileDialog and QMessageBox over the window that asks.
class QtWindowDialogs final : public WindowDialogs {
  public:
    std::unique_ptr<FileDialog> makeFileDialog(QWidget* window) override;
    std::unique_ptr<MessageReporter> makeReporter(QWidget* window) override;
};

}  // namespace ravemo
