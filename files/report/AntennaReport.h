#pragma once

#include <span>
#include <vector>

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "plot/TuningHistory.h"
#include "plot/TuningScene.h"
#include "plot/TuningTables.h"

namespace ravemo {

// What a report describes: one sweep, its analysis and how it is looked at. Everything is
// borrowed and must outlive the report made from it.
struct ReportInput {
    QString title;   // the file's name, or what the user gave
    QString source;  // the back end that measured the sweep, or the file it was read from
    QDateTime madeAt;
    const AntennaSamples& live;
    const AntennaAnalysis& analysis;
    const AnalysisOptions& options;  // its region, target and velocity factor are reported
    const AntennaSamples* reference = nullptr;  // grey under the live curve, when there is one
    TuningViewChoices view;  // the SWR scale, right axis and zoom of the pictures
    // What the grey trace is ("kept.vec", "kept at 14:02"; empty: not known) and its analysis,
    // for the shift since it (none: the shift is not reported).
    QString referenceName{};
    const AntennaAnalysis* referenceAnalysis = nullptr;
    // The tuning history; its strip is printed under the pictures unless it is empty.
    std::span<const HistoryPoint> history{};
    // Where the figures stand when they were moved to the antenna (FeedpointText); empty: at
    // the analyser.
    QString feedpoint{};
};

// A line of the report's header: "Points" and "401".
struct ReportFact {
    QString label;
    QString value;
};

// The report as a page shows it: its texts in the user's locale, with units on every column,
// and the scene the pictures are painted from (by the tuning window's painters). The scene
// borrows from the ReportInput.
struct AntennaReport {
    QString title;
    // Date, program, source, range, points, region, sign of X; the reference and the shift
    // since it when there is one.
    std::vector<ReportFact> facts;
    TextTable dips;
    QString resonances;
    QString bandsHead;  // "Amateur bands, IARU region 1"
    TextTable bands;
    QString trim;   // empty without a target
    QString cable;  // empty unless a velocity factor was given
    TuningScene scene;
    std::vector<HistoryPoint> history;  // empty: no history strip
    QLocale locale;
};

// What stands in for an empty table.
inline constexpr const char* kNoDipsText = "No dip below SWR 2 in the sweep.";
inline constexpr const char* kNoBandsText = "The sweep meets no amateur band.";

AntennaReport BuildAntennaReport(const ReportInput& input, const QLocale& locale);

}  // namespace ravemo
