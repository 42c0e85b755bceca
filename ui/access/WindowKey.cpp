#include "ui/access/WindowKey.h"

#include <utility>

#include <QShortcut>
#include <QWidget>

namespace ravemo {

void AddWindowKey(QWidget& window, const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
}

void SetAccessibleText(QWidget* widget, const QString& name, const QString& description) {
    if (widget == nullptr) return;
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

}  // namespace ravemo
