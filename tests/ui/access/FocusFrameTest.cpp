#include <gtest/gtest.h>
#include <QApplication>
#include <QWidget>

#include "ui/access/AccessRig.h"

namespace ravemo {
namespace {

// Every control the keyboard reaches shows that it has the focus: its picture with the focus
// differs from its picture without. Nothing else changes between the two.
TEST(FocusFrame, EveryControlTheKeyboardReachesShowsItsFocus) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 300, "6", "8");
    rig.main->measurement().stop();  // no sweep between the two pictures
    int checked = 0;
    for (QWidget* window :
         {static_cast<QWidget*>(rig.main.get()), static_cast<QWidget*>(rig.tuning)}) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) || !w->isEnabled() ||
                w->focusProxy() != nullptr) {
                continue;
            }
            window->setFocus(Qt::OtherFocusReason);
            w->clearFocus();
            QApplication::processEvents();
            const QImage without = w->grab().toImage();
            // As the keyboard moves it (a Tab outside a key event would not count as one).
            w->setFocus(Qt::ShortcutFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
            EXPECT_NE(w->grab().toImage(), without)
                << w->metaObject()->className() << " " << w->objectName().toStdString() << " "
                << w->accessibleName().toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

}  // namespace
}  // namespace ravemo
