// Averaging through ravemo-cli: converter noise of 3 counts on a 40 m dipole, the scatter of
// the SWR at its dip over many seeded runs, with one sweep and with the average of 16.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CliTestSupport.h"
#include "files/VecFile.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr std::int32_t kPoints = 20;
const char kAverageSettings[] =
    "[PARAMETERS]\nFMax=30000000\nFMin=1000000\nChamp=20\nStep=1\n[PORTSETTING]\nAddress1=888\n";

// The SWR at the dipole's dip (7.1 MHz, point 10 of 7.0 to 7.2 MHz) of one run.
double SwrAtDip(CliRun& cli, int seed, int average) {
    const QString line = QStringLiteral(
                             "sweep --from 7.0 --to 7.2 --port sim:dipole:7.1;noise=3;"
                             "seed=%1 --average %2 --output @run.vec")
                             .arg(seed)
                             .arg(average);
    EXPECT_EQ(cli.run(cli.words(line)), 0) << cli.err().toStdString();
    const VecDecodeResult read = DecodeVecFile(cli.fileBytes(QStringLiteral("run.vec")), kPoints);
    if (!read.contents) return std::nan("");
    const SweepData& data = read.contents->data;
    return ConvertSample(data.ReturnLossSamples[10], data.PhaseSamples[10]).swr;
}

double StandardDeviation(const std::vector<double>& values) {
    double mean = 0.0;
    for (const double v : values) mean += v / static_cast<double>(values.size());
    double squares = 0.0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

TEST(CliAverage, SixteenSweepsCutTheScatterOfTheSwrAtADipThreeFold) {
    CliRun cli(QString::fromLatin1(kAverageSettings));
    std::vector<double> single;
    std::vector<double> averaged;
    for (int seed = 1; seed <= 60; ++seed) {
        single.push_back(SwrAtDip(cli, seed, 1));
        averaged.push_back(SwrAtDip(cli, seed, 16));
    }
    const double singleScatter = StandardDeviation(single);
    const double averagedScatter = StandardDeviation(averaged);
    EXPECT_GT(singleScatter, 0.005);  // the noise is there to cut
    EXPECT_GE(singleScatter / averagedScatter, 3.0)
        << "one sweep " << singleScatter << ", sixteen " << averagedScatter;
}

TEST(CliAverage, RefusesDepthsItDoesNotOfferAndAnAverageOfHeldSweeps) {
    CliRun cli(QString::fromLatin1(kAverageSettings));
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"sweep --from 7 --to 7.2 --average 3", "--average takes 1, 2, 4, 8 or 16 sweeps"},
        {"sweep --from 7 --to 7.2 --average 2.5", "--average takes 1, 2, 4, 8 or 16 sweeps"},
        {"sweep --from 7 --to 7.2 --average 4 --hold --output @h.vec", "nothing to average"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QString::fromUtf8(c.line))), 2) << c.line;
        EXPECT_TRUE(cli.err().contains(QString::fromUtf8(c.message)))
            << c.line << ": " << cli.err().toStdString();
    }
    ASSERT_EQ(cli.run(cli.words("sweep --from 7 --to 7.2 --sweeps 2 --average 4")), 0);
    EXPECT_TRUE(cli.out().contains("4 times, averaged over the last 4 on the"))
        << cli.out().toStdString();
}

}  // namespace
}  // namespace ravemo
