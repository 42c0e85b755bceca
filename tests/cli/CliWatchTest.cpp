// `ravemo-cli watch` refuses what it cannot serve before it opens anything; serving itself is
// tested end to end (tests/watch/page_e2e.py).
#include <gtest/gtest.h>

#include "cli/CliTestSupport.h"

namespace ravemo {
namespace {

TEST(CliWatch, RefusesWhatItCannotServeAndSaysWhy) {
    CliRun cli(QStringLiteral("[PARAMETERS]\nChamp=40\nStep=1\n"));
    const struct {
        const char* line;
        const char* says;
    } cases[] = {
        {"watch --from 13 --to 15", "--serve"},
        {"watch --from 13 --serve 0", "--to MHZ"},
        {"watch --from 13 --to 15 --serve 0.0.0.0:8080", "name one address"},
        {"watch --from 13 --to 15 --serve [::]:8080", "name one address"},
        {"watch --from 13 --to 15 --serve 65536", "0 (any free port) to 65535"},
        {"watch --from 13 --to 15 --serve raspberrypi:8080", "not an IP address"},
        {"watch --from 13 --to 13 --serve 0", "must differ"},
        {"watch --from 13 --to 95 --serve 0", "synthesiser's range"},
        {"watch --from 13 --to 15 --serve 0 --target-mhz 0", "--target-mhz"},
        {"watch --from 13 --to 15 --serve 0 --region 4", "--region takes 1, 2 or 3"},
        {"watch --from 13 --to 15 --serve 0 --port nonsense", "nonsense"},
        {"watch --from 13 --to 15 --serve 0 out.vec", "no file argument"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QString::fromLatin1(c.line))), kExitBadInput) << c.line;
        EXPECT_TRUE(cli.err().contains(QLatin1String(c.says)))
            << c.line << ": " << cli.err().toStdString();
        EXPECT_FALSE(cli.out().contains(QStringLiteral("http://"))) << c.line;
    }
}

}  // namespace
}  // namespace ravemo
