#include "ui/QtMessageReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace ravemo {

QtMessageReporter::QtMessageReporter(QWidget* parent) : parent_(parent) {}

void QtMessageReporter::reportError(const QString& title, const QString& text) {
    QApplication::beep();
    QMessageBox::warning(parent_, title, text, QMessageBox::Ok);
}

}  // namespace ravemo
