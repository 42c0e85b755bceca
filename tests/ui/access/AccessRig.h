#pragma once

#include <QLineEdit>
#include <QTest>

#include "ui/tuning/TuningRig.h"

namespace ravemo::test {

// The tuning rig with both windows active in turn, so window keys reach their shortcuts, and
// the main window's limits typed: `champ` + 1 samples from `lowMHz` to `highMHz`, swept twice.
struct AccessRig : TuningRig {
    AccessRig(const QString& port, std::int32_t champ, const char* lowMHz, const char* highMHz)
        : TuningRig(port, champ) {
        main->controls().txtVal[0]->setText(QString::fromLatin1(lowMHz));
        main->controls().txtVal[1]->setText(QString::fromLatin1(highMHz));
        tick(2);
    }
    // Presses `key` in `window` as a user does: the window active, the key to its focus.
    static void press(QWidget& window, QKeyCombination key) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    }
};

}  // namespace ravemo::test
