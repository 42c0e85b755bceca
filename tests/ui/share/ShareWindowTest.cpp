// The share window over the tuning rig: off until started, the page's message is the tuning
// window's analysis, the page's two commands run only when allowed, and closing stops sharing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QWebSocket>

#include "support/WaitUntil.h"
#include "ui/share/ShareWindow.h"
#include "ui/tuning/TuningRig.h"

namespace ravemo::test {
namespace {

TEST(ShareWindowTest, ServesTheTuningWindowsSweepAndRunsPageCommandsOnlyWhenAllowed) {
    TuningRig rig;
    rig.tick(2);
    ShareWindow& share = ShareWindow::showFor(*rig.tuning, rig.main->measurement());
    EXPECT_FALSE(share.server().running());
    EXPECT_FALSE(share.commandsBox().isChecked());
    EXPECT_TRUE(share.qrLabel().pixmap().isNull());

    share.addressBox().setCurrentIndex(share.addressBox().findData(QStringLiteral("127.0.0.1")));
    share.start();
    ASSERT_TRUE(share.server().running()) << share.statusLine().text().toStdString();
    EXPECT_FALSE(share.qrLabel().pixmap().isNull());
    const QString url = share.server().pageUrls().value(0);
    ASSERT_TRUE(url.startsWith(QStringLiteral("http://127.0.0.1:")));

    QWebSocket phone(url.section(u'/', 0, 2));  // the page's origin
    QStringList received;
    QObject::connect(&phone, &QWebSocket::textMessageReceived,
                     [&](const QString& text) { received << text; });
    phone.open(QUrl(QString(url)
                        .replace(QStringLiteral("http://"), QStringLiteral("ws://"))
                        .replace(QStringLiteral("/?t="), QStringLiteral("/live?t="))));
    ASSERT_TRUE(WaitUntil([&] { return !received.isEmpty(); }));
    EXPECT_TRUE(share.statusLine().text().contains(QStringLiteral("1 phone")));
    const QJsonObject message = QJsonDocument::fromJson(received.last().toUtf8()).object();
    // The simulated dipole resonates near 7.1 MHz; the page has the tuning window's dip.
    const QJsonArray dips = message[QStringLiteral("dips")].toArray();
    ASSERT_FALSE(dips.isEmpty());
    ASSERT_FALSE(rig.tuning->analysis().dips.empty());
    EXPECT_DOUBLE_EQ(dips[0][QStringLiteral("frequency_hz")].toDouble(),
                     rig.tuning->analysis().dips[0].bottom.hz);
    EXPECT_NEAR(dips[0][QStringLiteral("frequency_hz")].toDouble(), 7.1e6, 0.1e6);
    EXPECT_TRUE(message[QStringLiteral("simulated")].toBool());

    // Not allowed: the page's command changes nothing.
    const QString aroundDip = QStringLiteral(R"({"command":"sweep_dip","dip":0})");
    const QString before = rig.box(0);
    phone.sendTextMessage(aroundDip);
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(rig.box(0), before);
    // Allowed: around the dip (its 2:1 band and 150 kHz on each side), then 20 m.
    share.commandsBox().setChecked(true);
    phone.sendTextMessage(aroundDip);
    EXPECT_TRUE(WaitUntil([&] { return rig.box(0) == QStringLiteral("6.8"); }));
    EXPECT_EQ(rig.box(1), QStringLiteral("7.41"));
    phone.sendTextMessage(QStringLiteral(R"({"command":"sweep_band","band":"20m"})"));
    EXPECT_TRUE(WaitUntil([&] { return rig.box(0) == QStringLiteral("13.82"); }));
    EXPECT_EQ(rig.box(1), QStringLiteral("14.53"));
    // Unticked again: ignored again.
    share.commandsBox().setChecked(false);
    phone.sendTextMessage(aroundDip);
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(rig.box(0), QStringLiteral("13.82"));

    share.close();
    EXPECT_FALSE(share.server().running());
    EXPECT_TRUE(WaitUntil([&] { return phone.state() == QAbstractSocket::UnconnectedState; }));
}

}  // namespace
}  // namespace ravemo::test
