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

bool QtMessageReporter::askYesNo(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace ravemo
