#pragma once

#include <functional>

#include <QKeySequence>
#include <QString>

class QWidget;

namespace ravemo {

// A key that runs `action` while `window` is the active window, whatever control has the focus.
void AddWindowKey(QWidget& window, const QKeySequence& keys, std::function<void()> action);

// The name and description a screen reader reads for `widget` (none: nothing happens).
void SetAccessibleText(QWidget* widget, const QString& name, const QString& description = {});

}  // namespace ravemo
