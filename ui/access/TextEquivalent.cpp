#include "ui/access/TextEquivalent.h"

#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QObject>
#include <QWidget>

namespace ravemo {
namespace {

// Kept as a child of the widget it describes, so it goes with it.
class TextEquivalentSource final : public QObject {
  public:
    static constexpr const char* kObjectName = "ravemo_text_equivalent";

    TextEquivalentSource(std::function<QString()> compose, QAccessible::Role role, QObject* parent)
        : QObject(parent), compose_(std::move(compose)), role_(role) {
        setObjectName(QString::fromLatin1(kObjectName));
    }
    QString text() const { return compose_ ? compose_() : QString(); }
    QAccessible::Role role() const { return role_; }

  private:
    std::function<QString()> compose_;
    QAccessible::Role role_;
};

const TextEquivalentSource* sourceOf(const QWidget& widget) {
    // Found by name: the source has no meta-object of its own to be told apart by.
    return dynamic_cast<const TextEquivalentSource*>(widget.findChild<QObject*>(
        QString::fromLatin1(TextEquivalentSource::kObjectName), Qt::FindDirectChildrenOnly));
}

// A picture or a reading to assistive technology: its name, and its text equivalent as the
// description.
class ChartAccessible final : public QAccessibleWidget {
  public:
    ChartAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            QString text = TextEquivalent(*widget());
            if (!text.isEmpty()) return text;
        }
        return QAccessibleWidget::text(t);
    }
};

// Every widget with a text equivalent, whenever its interface is made: the source may be set
// after a screen reader first met the widget.
QAccessibleInterface* chartFactory(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const TextEquivalentSource* source = widget ? sourceOf(*widget) : nullptr;
    if (source == nullptr) return nullptr;
    return new ChartAccessible(widget, source->role());
}

void installFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(&chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

void SetTextEquivalent(QWidget& widget, std::function<QString()> compose, QAccessible::Role role) {
    installFactoryOnce();
    delete const_cast<TextEquivalentSource*>(sourceOf(widget));
    new TextEquivalentSource(std::move(compose), role, &widget);
    // An interface made before (a name set while accessibility is on makes one) would stay
    // in the cache as a plain widget: it goes, and the next query makes ours.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made != nullptr &&
        (dynamic_cast<ChartAccessible*>(made) == nullptr || made->role() != role)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

QString TextEquivalent(const QWidget& widget) {
    const TextEquivalentSource* source = sourceOf(widget);
    return source ? source->text() : QString();
}

void AnnounceTextEquivalent(QWidget& widget) {
    // A focus that moves tells the screen reader itself; one that stays is told again.
    if (widget.hasFocus()) {
        QAccessibleEvent focus(&widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    widget.setFocus(Qt::ShortcutFocusReason);
    QAccessibleEvent changed(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace ravemo
