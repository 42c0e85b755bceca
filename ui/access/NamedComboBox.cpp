#include "ui/access/NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace ravemo {
namespace {

// A combo box as a screen reader meets it: its name, its current text as value, its list as
// child, and the actions to open the list.
class NamedComboBoxAccessible final : public QAccessibleWidget {
  public:
    explicit NamedComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return {showMenuAction(), pressAction(), setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboFactory(const QString& /*className*/, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (box == nullptr || box->accessibleName().isEmpty()) return nullptr;
    return new NamedComboBoxAccessible(box);
}

}  // namespace

void NameComboBox(QComboBox& box, const QString& name, const QString& description) {
    static const bool installed = [] {
        QAccessible::installFactory(&comboFactory);
        return true;
    }();
    Q_UNUSED(installed);
    box.setAccessibleName(name);
    box.setAccessibleDescription(description);
    // One made before the name (while accessibility is on) goes; the next query makes ours.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&box);
    if (made != nullptr && dynamic_cast<NamedComboBoxAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace ravemo
