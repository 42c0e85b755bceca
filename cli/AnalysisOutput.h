#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "analysis/FeedpointSamples.h"

namespace ravemo {

// What `ravemo-cli analyse` prints about one file.
struct AnalysisOutputInput {
    QString source;  // the file as named on the command line
    const AntennaSamples& set;
    const AntennaAnalysis& analysis;
    const AnalysisOptions& options;
    bool withSamples = false;  // list every sample too
    // The feedline the figures were moved through to the antenna, and where the antenna cannot
    // be seen through it; none: the figures stand at the analyser.
    std::optional<Feedline> feedline{};
    std::vector<UnseenStretch> unseen{};
};

// One JSON object, numbers in SI units with a point decimal, null where a value is absent or
// not finite (an infinite SWR). "trim" only with a target, "cable" only when asked for,
// "samples" only with withSamples.
QByteArray AnalysisJson(const AnalysisOutputInput& input);

// The readable report in `locale`; signed reactances are labelled "X (est.)" when estimated.
QString AnalysisReport(const AnalysisOutputInput& input, const QLocale& locale);

}  // namespace ravemo
