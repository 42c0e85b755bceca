// What a request may reach: the token rule, the origin rule, the --serve text, which addresses
// count as private, and the only two commands the page may send.
#include <gtest/gtest.h>

#include "watch/PageCommand.h"
#include "watch/WatchAccess.h"
#include "watch/WatchAddresses.h"

namespace ravemo {
namespace {

TEST(WatchAccessTest, EveryPathNeedsExactlyTheToken) {
    const AccessToken token =
        AccessToken::fromText(QStringLiteral("0123456789abcdef0123456789abcdef"));
    const struct {
        const char* url;
        WatchAccess expected;
    } cases[] = {
        {"http://h/?t=0123456789abcdef0123456789abcdef", WatchAccess::Page},
        {"http://h/live?t=0123456789abcdef0123456789abcdef", WatchAccess::Live},
        {"http://h/other?t=0123456789abcdef0123456789abcdef", WatchAccess::NotFound},
        {"http://h/live?t=0123456789abcdef0123456789abcdee", WatchAccess::Forbidden},  // last off
        {"http://h/?t=1123456789abcdef0123456789abcdef", WatchAccess::Forbidden},      // first off
        {"http://h/?t=0123456789abcdef0123456789abcde", WatchAccess::Forbidden},       // short
        {"http://h/?t=0123456789abcdef0123456789abcdef0", WatchAccess::Forbidden},     // long
        {"http://h/?t=", WatchAccess::Forbidden},
        {"http://h/", WatchAccess::Forbidden},
        {"http://h/other", WatchAccess::Forbidden},  // says nothing of what exists
        {"http://h/?token=0123456789abcdef0123456789abcdef", WatchAccess::Forbidden},
        {"http://h/?t=0123456789abcdef0123456789abcdef&t=0123456789abcdef0123456789abcdef",
         WatchAccess::Forbidden},
        {"http://h/?t=0123456789ABCDEF0123456789ABCDEF", WatchAccess::Forbidden},
        {"http://h/%6Cive?t=0123456789abcdef0123456789abcdef", WatchAccess::Live},  // %6C is l
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideWatchAccess(QUrl(QString::fromLatin1(c.url)), token), c.expected) << c.url;
    }
}

TEST(WatchAccessTest, FreshTokensAre128BitsOfHexAndDiffer) {
    const AccessToken a = AccessToken::generate();
    const AccessToken b = AccessToken::generate();
    EXPECT_EQ(a.text().size(), 32);
    EXPECT_NE(a.text(), b.text());
    EXPECT_TRUE(a.matches(a.text()));
    EXPECT_FALSE(a.matches(b.text()));
    EXPECT_FALSE(AccessToken::fromText(QString()).matches(QString()));
}

TEST(WatchAccessTest, TheLiveChannelTakesOnlyThePagesOwnOrigins) {
    const QStringList origins{QStringLiteral("http://192.168.1.5:8080"),
                              QStringLiteral("http://127.0.0.1:8080")};
    const struct {
        const char* origin;
        bool allowed;
    } cases[] = {
        {"http://192.168.1.5:8080", true},
        {"http://127.0.0.1:8080", true},
        {"http://192.168.1.5:8081", false},
        {"https://192.168.1.5:8080", false},
        {"http://evil.example:8080", false},
        {"http://192.168.1.5", false},
        {"", false},
        {"null", false},
        {"http://192.168.1.5:8080/x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WatchOriginAllowed(QString::fromLatin1(c.origin), origins), c.allowed)
            << c.origin;
    }
}

TEST(WatchAccessTest, ServeTextNamesOneAddressOrNoneAndAPort) {
    const struct {
        const char* text;
        const char* address;  // "" none, nullptr refused
        int port;
    } cases[] = {
        {"8080", "", 8080},
        {"0", "", 0},
        {"127.0.0.1:0", "127.0.0.1", 0},
        {"192.168.1.5:65535", "192.168.1.5", 65535},
        {"[fd00::2]:80", "fd00::2", 80},
        {"[::1]:80", "::1", 80},
        {"65536", nullptr, 0},
        {"-1", nullptr, 0},
        {"+80", nullptr, 0},
        {"", nullptr, 0},
        {"host:80", nullptr, 0},
        {"0.0.0.0:80", nullptr, 0},
        {"[::]:80", nullptr, 0},
        {"fd00::2:80", nullptr, 0},
        {"[fd00::2]80", nullptr, 0},
        {":80", nullptr, 0},
    };
    for (const auto& c : cases) {
        const ServeChoiceResult result = ParseServeChoice(QString::fromLatin1(c.text));
        if (c.address == nullptr) {
            EXPECT_FALSE(result.choice) << c.text;
            EXPECT_FALSE(result.problem.isEmpty()) << c.text;
            continue;
        }
        ASSERT_TRUE(result.choice) << c.text << ": " << result.problem.toStdString();
        EXPECT_EQ(result.choice->port, c.port) << c.text;
        EXPECT_EQ(result.choice->address ? result.choice->address->toString() : QString(),
                  QString::fromLatin1(c.address))
            << c.text;
    }
}

TEST(WatchAccessTest, PrivateAddressesAreThoseAHomeNetworkKeeps) {
    const struct {
        const char* address;
        bool isPrivate;
    } cases[] = {
        {"10.0.0.1", true},     {"10.255.255.255", true},
        {"172.16.0.1", true},   {"172.31.255.1", true},
        {"172.32.0.1", false},  {"172.15.255.1", false},
        {"192.168.0.10", true}, {"192.169.0.1", false},
        {"169.254.3.4", true},  {"127.0.0.1", true},
        {"8.8.8.8", false},     {"100.64.0.1", false},
        {"fd12:3456::1", true}, {"::1", true},
        {"2001:db8::1", false}, {"11.0.0.1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPrivateAddress(QHostAddress(QString::fromLatin1(c.address))), c.isPrivate)
            << c.address;
    }
    for (const QHostAddress& local : LocalPrivateAddresses()) EXPECT_TRUE(IsPrivateAddress(local));
}

TEST(WatchAccessTest, ThePageMaySendOnlyTheTwoSweepCommands) {
    using Kind = PageCommand::Kind;
    const struct {
        const char* text;
        bool accepted;
        Kind kind;
        int dip;
        const char* band;
    } cases[] = {
        {R"({"command":"sweep_dip","dip":0})", true, Kind::SweepAroundDip, 0, ""},
        {R"({"command":"sweep_dip","dip":4})", true, Kind::SweepAroundDip, 4, ""},
        {R"({"command":"sweep_band","band":"20m"})", true, Kind::SweepBand, 0, "20m"},
        {R"({"command":"sweep_dip","dip":-1})", false, Kind::SweepAroundDip, 0, ""},
        {R"({"command":"sweep_dip","dip":1.5})", false, Kind::SweepAroundDip, 0, ""},
        {R"({"command":"sweep_dip","dip":100})", false, Kind::SweepAroundDip, 0, ""},
        {R"({"command":"sweep_dip","dip":"0"})", false, Kind::SweepAroundDip, 0, ""},
        {R"({"command":"sweep_band","band":""})", false, Kind::SweepBand, 0, ""},
        {R"({"command":"sweep_band","band":"12345678901234567"})", false, Kind::SweepBand, 0, ""},
        {R"({"command":"sweep_band","band":"20m","port":"ppdev"})", false, Kind::SweepBand, 0, ""},
        {R"({"command":"save","file":"x.vec"})", false, Kind::SweepBand, 0, ""},
        {R"({"command":"sweep_dip"})", false, Kind::SweepAroundDip, 0, ""},
        {R"(["sweep_dip",0])", false, Kind::SweepAroundDip, 0, ""},
        {"sweep_dip 0", false, Kind::SweepAroundDip, 0, ""},
    };
    for (const auto& c : cases) {
        const std::optional<PageCommand> command = ParsePageCommand(QByteArray(c.text));
        ASSERT_EQ(command.has_value(), c.accepted) << c.text;
        if (!command) continue;
        EXPECT_EQ(command->kind, c.kind) << c.text;
        EXPECT_EQ(command->dip, c.dip) << c.text;
        EXPECT_EQ(command->band, QString::fromLatin1(c.band)) << c.text;
    }
    const QByteArray padded = R"({"command":"sweep_dip","dip":0})" + QByteArray(300, ' ');
    EXPECT_FALSE(ParsePageCommand(padded));
}

}  // namespace
}  // namespace ravemo
