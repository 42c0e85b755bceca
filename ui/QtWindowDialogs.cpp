#include "ui/QtWindowDialogs.h"

#include "ui/QtFileDialog.h"
#include "ui/QtMessageReporter.h"

namespace ravemo {

std::unique_ptr<FileDialog> QtWindowDialogs::makeFileDialog(QWidget* window) {
    return std::make_unique<QtFileDialog>(window);
}

std::unique_ptr<MessageReporter> QtWindowDialogs::makeReporter(QWidget* window) {
    return std::make_unique<QtMessageReporter>(window);
}

}  // namespace ravemo
