// The page's message: the figures it leads with, the states it must not hide, and a chart
// that keeps a narrow dip however far it is thinned.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "watch/WatchMessage.h"

namespace ravemo {
namespace {

AntennaSamples SamplesOf(double startHz, double stepHz, const std::vector<double>& swrs) {
    AntennaSamples set;
    for (std::size_t i = 0; i < swrs.size(); ++i) {
        AntennaSample s;
        s.hz = startHz + stepHz * static_cast<double>(i);
        s.swr = swrs[i];
        s.rs = 50.0;
        s.z = 50.0;
        set.samples.push_back(s);
    }
    return set;
}

QJsonObject MessageOf(const AntennaSamples& set, const AnalysisOptions& options,
                      WatchDataState state = WatchDataState::Live) {
    const AntennaAnalysis analysis = AnalyseAntenna(set, options);
    const QByteArray json = WatchMessageJson(WatchSnapshot{
        QStringLiteral("sim"), true, state, {}, 7, set, analysis, options, {}, false});
    EXPECT_LE(json.size(), kMostWatchMessageBytes);
    return QJsonDocument::fromJson(json).object();
}

TEST(WatchMessageTest, LeadsWithTheSwrAtTheTargetOrTheLowest) {
    const AntennaSamples set = SamplesOf(14.0e6, 0.1e6, {3.0, 2.2, 1.2, 1.5, 4.0});
    const struct {
        std::optional<double> targetHz;
        double atTargetHz;  // NaN: none
        double atTargetSwr;
    } cases[] = {
        {std::nullopt, NAN, NAN}, {14.26e6, 14.3e6, 1.5},  // nearest sample, not the dip
        {14.24e6, 14.2e6, 1.2},   {14.0e6, 14.0e6, 3.0},   // the first sample counts
        {14.4e6, 14.4e6, 4.0},                             // and the last
        {13.9e6, NAN, NAN},                                // outside the sweep: no value made up
        {14.5e6, NAN, NAN},
    };
    for (const auto& c : cases) {
        AnalysisOptions options;
        options.targetHz = c.targetHz;
        const QJsonObject m = MessageOf(set, options);
        const QString label = QString::number(c.targetHz.value_or(0.0));
        EXPECT_DOUBLE_EQ(m[QStringLiteral("lowest")][QStringLiteral("swr")].toDouble(), 1.2);
        EXPECT_DOUBLE_EQ(m[QStringLiteral("lowest")][QStringLiteral("frequency_hz")].toDouble(),
                         14.2e6);
        const QJsonValue at = m[QStringLiteral("at_target")];
        if (std::isnan(c.atTargetHz)) {
            EXPECT_TRUE(at.isNull()) << label.toStdString();
        } else {
            EXPECT_DOUBLE_EQ(at[QStringLiteral("frequency_hz")].toDouble(), c.atTargetHz);
            EXPECT_DOUBLE_EQ(at[QStringLiteral("swr")].toDouble(), c.atTargetSwr);
        }
        // Trim advice only with a target, as in analyse --json.
        EXPECT_EQ(m.contains(QStringLiteral("trim")), c.targetHz.has_value());
        EXPECT_EQ(m[QStringLiteral("dips")].toArray().size(), 1);
    }
}

TEST(WatchMessageTest, SaysWhatTheReadingsAre) {
    const AntennaSamples set = SamplesOf(7.0e6, 0.1e6, {3.0, 1.5, 3.0});
    const struct {
        WatchDataState state;
        const char* name;
    } cases[] = {{WatchDataState::Live, "live"},
                 {WatchDataState::Held, "held"},
                 {WatchDataState::PortFailed, "port_failed"}};
    for (const auto& c : cases) {
        const QJsonObject m = MessageOf(set, AnalysisOptions{}, c.state);
        EXPECT_EQ(m[QStringLiteral("state")].toString(), QLatin1String(c.name));
        EXPECT_EQ(m[QStringLiteral("sweep")].toInt(), 7);
        EXPECT_TRUE(m[QStringLiteral("simulated")].toBool());
        EXPECT_FALSE(m[QStringLiteral("commands")][QStringLiteral("allowed")].toBool());
    }
}

TEST(WatchMessageTest, TheThinnedChartKeepsANarrowDipAndInfiniteSwrIsNull) {
    std::vector<double> swrs(5000, 5.0);
    swrs[2345] = 1.05;  // one sample wide
    swrs[10] = std::numeric_limits<double>::infinity();
    const AntennaSamples set = SamplesOf(1.0e6, 1.0e3, swrs);
    const QJsonObject chart = MessageOf(set, AnalysisOptions{})[QStringLiteral("chart")].toObject();
    const QJsonArray hz = chart[QStringLiteral("frequency_hz")].toArray();
    const QJsonArray swr = chart[QStringLiteral("swr")].toArray();
    ASSERT_EQ(hz.size(), kMostChartPoints);
    ASSERT_EQ(swr.size(), kMostChartPoints);
    double lowest = 99.0;
    double lowestHz = 0.0;
    for (qsizetype i = 0; i < swr.size(); ++i) {
        if (!swr[i].isNull() && swr[i].toDouble() < lowest) {
            lowest = swr[i].toDouble();
            lowestHz = hz[i].toDouble();
        }
    }
    EXPECT_DOUBLE_EQ(lowest, 1.05);
    EXPECT_DOUBLE_EQ(lowestHz, 1.0e6 + 2345 * 1.0e3);
    EXPECT_DOUBLE_EQ(hz.first().toDouble(), 1.0e6);
    EXPECT_GE(hz.last().toDouble(), 1.0e6 + 4975 * 1.0e3);  // the last span reaches the end

    // A short sweep is shown sample by sample, an infinite SWR as null (JSON has no infinity).
    const QJsonObject small =
        MessageOf(SamplesOf(1.0e6, 1.0e3, {std::numeric_limits<double>::infinity(), 2.0}),
                  AnalysisOptions{})[QStringLiteral("chart")]
            .toObject();
    EXPECT_EQ(small[QStringLiteral("swr")].toArray(),
              (QJsonArray{QJsonValue(QJsonValue::Null), 2.0}));
}

}  // namespace
}  // namespace ravemo
