#!/usr/bin/env python3
"""A small mutation check: puts one fault at a time into the product code (one operator or
constant changed), rebuilds the test program that should notice, runs it and puts the code back.
Prints which mutants the tests killed and which survived. Run from the repository root after a
build in build/:  tests/mutation/mutate.py [WORD...]  (only the mutants whose file holds a WORD).
"""
import os
import subprocess
import sys
from pathlib import Path

# (file, text, its mutant, the test programs that should notice, by folder)
MUTANTS = [
    # number text
    ("common/NumberText.cpp", "dropped[0] >= '5'", "dropped[0] > '5'", "common"),
    ("common/NumberText.cpp", "return point.size() == 1 ? point.front() : QChar(u'.');",
     "return QChar(u'.');", "common"),
    ("common/NumberText.cpp", "if (!ok && locale.decimalPoint() != QStringLiteral(\".\")) {",
     "if (!ok && locale.decimalPoint() == QStringLiteral(\",\")) {", "common"),
    ("common/QtEventPump.cpp", "nextProcessing_ = now_() + kMinimumInterval;",
     "nextProcessing_ = now_();", "sweep"),
    # synthesiser and converters
    ("instrument/Dds.cpp", "return std::nearbyint(word) < kMaxWordMagnitude;",
     "return std::nearbyint(word) <= kMaxWordMagnitude;", "instrument"),
    ("instrument/Dds.cpp", "    DdsSendZero(link);  // frame bit 31", "    DdsSendOne(link);  // frame bit 31",
     "instrument"),
    ("instrument/Dds.cpp", "constexpr int kTrailingZeroBits = 7;", "constexpr int kTrailingZeroBits = 6;",
     "instrument"),
    ("instrument/Adc.cpp", "static_cast<float>(1 << (kConverterBits - k))",
     "static_cast<float>(1 << (kConverterBits - k - 1))", "instrument"),
    ("instrument/Adc.cpp", "& kReturnLossDataMask) returnLossCell", "& kPhaseDataMask) returnLossCell",
     "instrument"),
    ("instrument/DirectIoPort.cpp", "address - dataAddress_ < kPortRegisterCount",
     "address - dataAddress_ <= kPortRegisterCount", "instrument"),
    ("instrument/PpdevPort.cpp", "        calls.close(fd);", "        static_cast<void>(fd);",
     "instrument"),
    # sweep engine, readouts, marker index
    ("sweep/SweepEngine.cpp", "for (std::int64_t index = 0; index <= last; index += stride) {",
     "for (std::int64_t index = 0; index < last; index += stride) {", "sweep"),
    ("sweep/SweepEngine.cpp", "static_cast<double>(index) * freqStep_ + static_cast<double>(settings_.FMin);",
     "static_cast<double>(index + 1) * freqStep_ + static_cast<double>(settings_.FMin);", "sweep"),
    ("sweep/MarkerReadouts.cpp", "reading(k, ReturnLossDb(samples[k]->returnLossRaw)) - offset",
     "reading(k, ReturnLossDb(samples[k]->returnLossRaw)) + offset", "sweep"),
    ("sweep/MarkerReadouts.cpp", "series.xs + kReactanceReadoutOffsetOhms", "series.xs", "sweep"),
    ("sweep/MarkerIndex.cpp", "if (m < step) m = step;", "if (m < 0) m = 0;", "sweep"),
    ("sweep/MarkerIndex.cpp", "if (m > champ) m = champ;", "if (m > champ) m = champ - 1;", "sweep"),
    ("sweep/MeasurementRules.cpp", "(static_cast<double>(rho) + 1.0) / (1.0 - static_cast<double>(rho))",
     "(static_cast<double>(rho) + 1.0) / (1.0 + static_cast<double>(rho))", "sweep chart"),
    # curve drawing
    ("ui/chart/CurveDrawing.cpp", "return h - h * static_cast<double>(raw) / kReturnLossFullScaleCounts;",
     "return h * static_cast<double>(raw) / kReturnLossFullScaleCounts;", "chart"),
    ("ui/chart/CurveDrawing.cpp", "if (isFinite(keptPhaseY)) lastPhase_ = {keptPhaseY, false};",
     "lastPhase_ = {keptPhaseY, false};", "chart"),
    ("ui/chart/CurveDrawing.cpp", "const float xEnd = x + xScale_;", "const float xEnd = x;", "chart"),
    # files
    ("files/VecFile.cpp", "if (champ < 0 || bytes.size() != VecFileSize(champ)) {",
     "if (champ < 0 || bytes.size() < VecFileSize(champ)) {", "files"),
    ("files/CsvExport.cpp", "(used + kPrintZoneColumns - 1) / kPrintZoneColumns * kPrintZoneColumns;",
     "(used + kPrintZoneColumns) / kPrintZoneColumns * kPrintZoneColumns;", "files"),
    ("files/CsvExport.cpp", 'constexpr char kCsvLineEnd[] = "\\r\\n";', 'constexpr char kCsvLineEnd[] = "\\n";',
     "files"),
    ("files/TouchstoneExport.cpp", "-std::fabs(returnLoss) / kDbPerRatioDecade",
     "-returnLoss / kDbPerRatioDecade", "files"),
    ("files/FileCommands.cpp", "std::fabs(*value) > std::numeric_limits<float>::max()", "false",
     "files"),
    ("files/SafeFileIo.cpp", "if (!writeAll(file.fd(), bytes) || ::fsync",
     "if ((static_cast<void>(writeAll(file.fd(), bytes)), false) || ::fsync", "files"),
    ("files/SafeFileIo.cpp", "if (exists && !S_ISREG(node.st_mode)) {", "if (false) {", "files"),
    ("files/SafeFileIo.cpp", "if (exists && ::fchmod(", "if (false && ::fchmod(", "files"),
    # settings
    ("startup/LoadSettings.cpp", "QStringLiteral(\"Step\"), kStepDefault, 1, kInt16Max",
     "QStringLiteral(\"Step\"), kStepDefault, 0, kInt16Max", "startup"),
    ("startup/LoadSettings.cpp", "QStringLiteral(\"Champ\"), kChampDefault, 1, kChampMaximum",
     "QStringLiteral(\"Champ\"), kChampDefault, 1, kChampMaximum + 1", "startup"),
    # command line
    ("cli/SweepCommand.cpp", " || sweepCount != std::floor(sweepCount)", "", "cli"),
    # analysis
    ("analysis/SwrDips.cpp", "if (out.swr >= level) {", "if (out.swr > level) {", "analysis"),
    ("analysis/SwrDips.cpp", "dip.q = dip.bottom.hz / *bandwidth * (kSwrTwoToOne - 1.0) / std::sqrt(kSwrTwoToOne);",
     "dip.q = dip.bottom.hz / *bandwidth * (kSwrTwoToOne - 1.0);", "analysis"),
    # (s.xs > 0.0 -> >= survives: it differs only for a sample of |Z| = 0 exactly.)
    ("analysis/MeasuredZeros.cpp", "constexpr double kSignificantReactanceShare = 0.05;",
     "constexpr double kSignificantReactanceShare = 0.0;", "analysis"),
    ("analysis/MeasuredZeros.cpp", "newSign > 0 ? ResonanceKind::Series : ResonanceKind::Parallel",
     "newSign < 0 ? ResonanceKind::Series : ResonanceKind::Parallel", "analysis"),
    # tuning chart: each mapping's orientation
    ("plot/TuningLayout.cpp", "return plot.bottom() - swrScale.fractionOf(swr) * plot.height();",
     "return plot.top() + swrScale.fractionOf(swr) * plot.height();", "plot"),
    ("plot/TuningLayout.cpp", "return Lerp(view.lowHz, view.highHz, plot.left(), plot.right(), hz);",
     "return Lerp(view.lowHz, view.highHz, plot.right(), plot.left(), hz);", "plot"),
    ("plot/TuningLayout.cpp", "return Lerp(plot.left(), plot.right(), view.lowHz, view.highHz, x);",
     "return Lerp(plot.left(), plot.right(), view.highHz, view.lowHz, x);", "plot"),
    ("plot/TuningLayout.cpp", "(plot.bottom() - y) / plot.height()", "(y - plot.top()) / plot.height()",
     "plot"),
    ("plot/TuningLayout.cpp", "Lerp(rightRange.low, rightRange.high, plot.bottom(), plot.top(), value)",
     "Lerp(rightRange.low, rightRange.high, plot.top(), plot.bottom(), value)", "plot"),
    ("plot/TuningLayout.cpp", "return Lerp(plot.bottom(), plot.top(), rightRange.low, rightRange.high, y);",
     "return Lerp(plot.top(), plot.bottom(), rightRange.low, rightRange.high, y);", "plot"),
    ("plot/TuningLayout.cpp", "std::min(fraction, 2.0)", "std::min(fraction, 1.0)", "plot"),
    ("plot/TuningLayout.cpp", "? std::log(swr) / std::log(swrScale.top)",
     "? std::log10(swr) / std::log(swrScale.top)", "plot"),
    ("plot/SwrScale.cpp", "const double wanted = *lowestVisibleSwr * kAutomaticSwrMargin;",
     "const double wanted = *lowestVisibleSwr;", "plot"),
    ("plot/SwrScale.cpp", "result.values.insert(result.values.begin(), kSwrScaleBottom);",
     "static_cast<void>(result);", "plot"),
    # Smith chart: the upper half inductive, the open at infinity
    ("plot/SmithMapping.cpp", "centre.y() - radius * gamma.imag()", "centre.y() + radius * gamma.imag()",
     "plot"),
    ("plot/SmithMapping.cpp", "if (std::isinf(z.real()) || std::isinf(z.imag())) return 1.0;",
     "if (std::isinf(z.real())) return 1.0;", "plot"),
    ("plot/SmithMapping.cpp", "(centre.y() - pixel.y()) / radius", "(pixel.y() - centre.y()) / radius",
     "plot"),
    # history strip and distance to fault: their axes
    ("plot/HistoryStripPainter.cpp", "const double x = plot.right() - minutesAgo / axisMinutes * plot.width();",
     "const double x = plot.left() + minutesAgo / axisMinutes * plot.width();", "plot"),
    ("plot/HistoryStripPainter.cpp", "run << QPointF(x, plot.bottom() - fraction * plot.height());",
     "run << QPointF(x, plot.top() + fraction * plot.height());", "plot"),
    ("plot/HistoryStripPainter.cpp", "constexpr std::chrono::seconds kLongestJoinedGap{60};",
     "constexpr std::chrono::seconds kLongestJoinedGap{600};", "plot"),
    ("plot/DistanceToFaultPainter.cpp", "return plot.left() + plot.width() * metres / shownM;",
     "return plot.right() - plot.width() * metres / shownM;", "plot"),
    ("plot/DistanceToFaultPainter.cpp", "return plot.bottom() - plot.height() * std::clamp(size, 0.0, 1.0);",
     "return plot.top() + plot.height() * std::clamp(size, 0.0, 1.0);", "plot"),
    ("plot/DistanceToFaultPainter.cpp", "constexpr double kShortestShownM = 50.0;",
     "constexpr double kShortestShownM = 40.0;", "plot"),
    ("plot/ValueRange.cpp", "lo = -smallestSpan;", "lo = -smallestSpan / 2.0;", "plot"),
    ("plot/FrequencyView.cpp", "const double low = aboutHz - (aboutHz - fitted.lowHz) * (span / fitted.spanHz());",
     "const double low = fitted.lowHz;", "plot"),
    ("plot/ReferenceShift.cpp", ": deltaHz < 0.0 ? locale.negativeSign()", ": deltaHz > 0.0 ? locale.negativeSign()",
     "tuning"),
    ("plot/Verdicts.cpp", "if (!(dip.bottom.swr < level) || !edges) return",
     "if (!(dip.bottom.swr < level + 1.0) || !edges) return", "plot"),
    # the report: every outside text escaped, the right extension
    ("files/report/ReportHtml.cpp", "QString Escaped(const QString& text) { return text.toHtmlEscaped(); }",
     "QString Escaped(const QString& text) { return text; }", "report"),
    ("files/report/ReportHtml.cpp", 'QStringLiteral("<td>%1</td>").arg(Escaped(cell))',
     'QStringLiteral("<td>%1</td>").arg(cell)', "report"),
    ("files/report/ReportHtml.cpp", ".arg(Escaped(f.label), Escaped(f.value));", ".arg(Escaped(f.label), f.value);",
     "report"),
    ("files/report/ReportHtml.cpp", 'QStringLiteral("<p>%1</p>\\n").arg(Escaped(text))',
     'QStringLiteral("<p>%1</p>\\n").arg(text)', "report"),
    ("files/report/ReportHtml.cpp", 'QStringLiteral("<h2>%1</h2>\\n").arg(Escaped(report.bandsHead))',
     'QStringLiteral("<h2>%1</h2>\\n").arg(report.bandsHead)', "report"),
    ("files/report/ReportFile.cpp", 'return QStringLiteral(".pdf");', 'return QStringLiteral(".png");',
     "report tuning"),
    ("files/report/AntennaReport.cpp", '{QStringLiteral("Source"), in.source},', '{QStringLiteral("Source"), {}},',
     "report"),
    # analysis: dips, the noise band, zeros, trim, cables, distance to fault, the feed point
    ("analysis/SwrDips.cpp", "    if (!(samples[bottom].swr < level)) return std::nullopt;\n", "", "analysis"),
    ("analysis/SwrDips.cpp", "return {SwrOfReturnLoss(std::max(limitDb - band, 0.0)), SwrOfReturnLoss(limitDb + band)};",
     "return {swrLimit, SwrOfReturnLoss(limitDb + band)};", "analysis"),
    ("analysis/SwrDips.cpp", "return {SwrOfReturnLoss(std::max(limitDb - band, 0.0)), SwrOfReturnLoss(limitDb + band)};",
     "return {SwrOfReturnLoss(std::max(limitDb - band, 0.0)), swrLimit};", "analysis"),
    ("analysis/SwrDips.cpp", "constexpr double kWidestNoiseBandDb = 1.0;", "constexpr double kWidestNoiseBandDb = 10.0;",
     "analysis"),
    ("analysis/SwrDips.cpp", "constexpr double kNoiseDeviations = 3.0;", "constexpr double kNoiseDeviations = 1.0;",
     "analysis"),
    ("analysis/SwrDips.cpp", "} else if (!(dip.bottom.swr <= SwrOneStepUnderTwoToOne())) {",
     "} else if (!(dip.bottom.swr <= SwrOneStepUnderTwoToOne() + 0.01)) {", "analysis"),
    ("analysis/MeasuredZeros.cpp", "before.xs / (before.xs - after.xs)", "before.xs / (before.xs + after.xs)",
     "analysis"),
    ("analysis/TrimAdvice.cpp", "(advice.dipHz / targetHz - 1.0) * kPercent", "(1.0 - advice.dipHz / targetHz) * kPercent",
     "analysis"),
    ("analysis/TrimAdvice.cpp", "if (!inBand) continue;", "if (inBand) continue;", "analysis"),
    ("analysis/CableLength.cpp", "(kWavelengthsPerQuarter * quarterWaveHz)", "(2.0 * quarterWaveHz)", "analysis"),
    ("analysis/CableLength.cpp", "if (series != resonances.begin()) {", "if (false) {", "analysis"),
    ("analysis/CableLoss.cpp", "lossSum += s.returnLossDb / 2.0;", "lossSum += s.returnLossDb;", "analysis"),
    ("analysis/DistanceToFault.cpp", " || r[m] < r[m - 1]", "", "analysis"),
    ("analysis/DistanceToFault.cpp", "SignedResponseAt(grid, seconds) < 0.0 ? -1.0 : 1.0",
     "SignedResponseAt(grid, seconds) > 0.0 ? -1.0 : 1.0", "analysis"),
    ("analysis/FeedpointSamples.cpp", "if (!(a.returnLossDb >= twoWayLossDb + kSeeThroughMarginDb)) return",
     "if (!(a.returnLossDb >= twoWayLossDb)) return", "analysis"),
    ("analysis/FeedpointSamples.cpp", "std::pow(10.0, twoWayLossDb / kDbPerRatioDecade)",
     "std::pow(10.0, -twoWayLossDb / kDbPerRatioDecade)", "analysis"),
    ("analysis/FeedpointSamples.cpp", "constexpr double kReferenceImpedanceTolerance = 0.01;",
     "constexpr double kReferenceImpedanceTolerance = 10.0;", "analysis"),
    # feed lines
    ("common/LineTransform.cpp", "return z0 * (input - z0 * t) / (z0 - input * t);",
     "return z0 * (input + z0 * t) / (z0 + input * t);", "common"),
    ("common/LineTransform.cpp", "return {lossDb(hz) / kDbPerNeper, betaL};", "return {lossDb(hz) / kDbPerNeper / 2.0, betaL};",
     "common"),
    ("common/FeedlineCatalogue.cpp", "lossLinearCoefficient * mhz);", "lossLinearCoefficient * std::sqrt(mhz));",
     "common"),
    ("common/FeedlineCatalogue.cpp", "(std::sqrt(f1) * lossDb2 - std::sqrt(f2) * lossDb1) / determinant",
     "(std::sqrt(f2) * lossDb1 - std::sqrt(f1) * lossDb2) / determinant", "common"),
    # calibration
    ("correction/Calibration.cpp", "const double t = (hz - a.hz) / (b.hz - a.hz);",
     "const double t = (b.hz - hz) / (b.hz - a.hz);", "correction"),
    ("correction/Calibration.cpp", "if (span < Calibration::kLeastPhaseSpanDegrees) {", "if (span < 0.0) {",
     "correction"),
    ("correction/SweepCorrection.cpp", "(corrected->returnLossDb + kReturnLossZeroDb) / kDbPerReturnLossStep",
     "(corrected->returnLossDb - kReturnLossZeroDb) / kDbPerReturnLossStep", "correction"),
    ("cli/CableCommand.cpp", "*length >= kShortestCableM && *length <= kLongestCableM",
     "*length > 0.0 && *length <= kLongestCableM", "cli"),
    # the aural indicator: pitch, beeps, the tone's samples, the SWR it follows, the speech
    ("aural/TonePitch.cpp", "std::clamp(swr, 1.0, kHighestPitchSwr)",
     "std::clamp(swr, 1.0, 2.0 * kHighestPitchSwr)", "aural"),
    ("aural/MatchBeeps.cpp", "kDoubleBeepBelowSwr * (1.0 + kRearmShare)", "kDoubleBeepBelowSwr",
     "aural"),
    ("aural/MatchBeeps.cpp", "entered > zone_", "entered >= zone_", "aural"),
    ("aural/MatchBeeps.cpp", "if (silenced || std::isnan(swr))", "if (!silenced && std::isnan(swr))",
     "aural"),
    ("aural/ToneGenerator.cpp", "        frequencyHz_ += (wantedHz - frequencyHz_) * glide;",
     "        if (frequencyHz_ != wantedHz) phase_ = 0.0;\n"
     "        frequencyHz_ += (wantedHz - frequencyHz_) * glide;", "aural"),
    ("aural/ToneGenerator.cpp", "amplitude_ += std::clamp(target - amplitude_, -maxStep, maxStep);",
     "amplitude_ = target + 0.0 * maxStep;", "aural"),
    ("aural/ToneGenerator.cpp", "count * (beepSamples_ + gapSamples_)",
     "(count - 1) * (beepSamples_ + gapSamples_)", "aural"),
    ("analysis/NearestSample.cpp", "hz >= samples.front().hz && hz <= samples.back().hz",
     "hz >= samples.front().hz", "aural watch"),
    ("analysis/NearestSample.cpp", "return (hz - below->hz <= above->hz - hz) ? *below : *above;",
     "return (hz - below->hz <= above->hz - hz) ? *above : *below;", "aural watch"),
    ("aural/SpokenUpdates.cpp", "std::fabs(*dipHz - *lastHz_) > stepHz_",
     "std::fabs(*dipHz - *lastHz_) >= stepHz_", "aural"),
    ("plot/SpokenSummary.cpp", "while (decimals.endsWith(u'0')) decimals.chop(1);", "", "plot"),
    ("plot/SpokenSummary.cpp", "trim.lengthChangePercent > 0.0 ?", "trim.lengthChangePercent < 0.0 ?",
     "plot"),
    ("ui/aural/AuralBar.cpp", "tone_->isChecked() && !silenced_", "tone_->isChecked()", "tuning"),
    ("ui/aural/AuralBar.cpp", "        measurement_.setSweepStride(before.stride);\n", "", "tuning"),
    ("ui/aural/FastSweep.cpp", "centreHz * kFastSweepHalfSpanShare",
     "centreHz * 2.0 * kFastSweepHalfSpanShare", "tuning"),
    # tuning window: the limits of "Sweep around", the window kept on the screen
    ("ui/tuning/SweepAroundLimits.cpp", "const double margin = std::max((highHz - lowHz) / 2.0, kSmallestMarginHz);",
     "const double margin = (highHz - lowHz) / 2.0;", "tuning"),
    ("ui/tuning/SweepAroundLimits.cpp", "const double half = std::max(hz * kDipSpanWithoutBand, kSmallestMarginHz);",
     "const double half = hz * kDipSpanWithoutBand;", "tuning"),
    ("ui/tuning/SweepAroundLimits.cpp", "    if (!(lowHz < highHz)) lowHz = std::max(0.0, highHz - 2.0 * kSmallestMarginHz);\n",
     "", "tuning"),
    ("ui/tuning/ScreenFit.cpp", "available.right() + 1 - size.width()", "available.right() - size.width()", "tuning"),
    # the phone page: token, access, origin, the limit of 8, slow phones, the chart, the QR text
    ("watch/AccessToken.cpp", "if (candidate.size() != text_.size() || text_.isEmpty())",
     "if (candidate.size() < text_.size() || text_.isEmpty())", "watch"),
    ("watch/AccessToken.cpp", "difference |= static_cast<char16_t>", "difference = static_cast<char16_t>",
     "watch"),
    ("watch/WatchAccess.cpp", "if (given.size() != 1 ||", "if (given.isEmpty() ||", "watch"),
    ("watch/WatchAccess.cpp", "return pageOrigins.contains(origin, Qt::CaseInsensitive);",
     "return !pageOrigins.isEmpty();", "watch"),
    ("watch/WatchServer.cpp", "return access == WatchAccess::Live &&", "return access != WatchAccess::Forbidden &&",
     "watch"),
    ("watch/WatchServer.cpp", "if (watchers() >= kMostWatchers) {", "if (watchers() > kMostWatchers) {", "watch"),
    ("watch/WatchServer.cpp", "if (channel.unsentBytes > kMostUnsentBytes) {",
     "if (channel.unsentBytes >= 0) {", "watch"),
    ("watch/CappedTcpServer.cpp", "if (open_ >= most_) {", "if (open_ > most_) {", "watch"),
    ("watch/CappedTcpServer.cpp", "connect(socket, &QObject::destroyed, this, [this] { --open_; });", "", "watch"),
    ("watch/WatchServer.cpp", "if (++channel.missedInARow > kMostMissedMessages) laggards.push_back(channel.socket);",
     "++channel.missedInARow;", "watch"),
    ("watch/WatchServer.cpp", "channel.unsentBytes = std::max<qint64>(0, channel.unsentBytes - written);",
     "static_cast<void>(written);", "watch"),
    ("watch/PageCommand.h", "kMostPageCommandBytes = 256;", "kMostPageCommandBytes = 64 * 1024;", "watch"),
    ("watch/WatchMessage.cpp", "const std::size_t end = (span + 1) * count / spans;",
     "const std::size_t end = begin + 1;", "watch"),
    ("watch/QrCode.cpp", "text += QChar(0x2580);  // upper half", "text += QChar(0x2584);", "watch"),
    ("ui/share/ShareWindow.cpp", "server_.setCommandsAllowed(allowed);",
     "static_cast<void>(allowed);\n        server_.setCommandsAllowed(true);",
     "share"),
]


# The widget suites need a platform without a display.
TEST_ENVIRONMENT = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}


def run(command):
    return subprocess.run(command, capture_output=True, env=TEST_ENVIRONMENT)


def main():
    words = sys.argv[1:] or [""]
    survived = []
    for path, text, mutant, tests in MUTANTS:
        if not any(word in path for word in words):
            continue
        source = Path(path)
        original = source.read_text()
        if original.count(text) < 1:
            print(f"MISSING  {path}: {text}")
            continue
        # Only the first occurrence changes: one fault at a time.
        source.write_text(original.replace(text, mutant, 1))
        try:
            targets = [f"ravemo_tests_{name}" for name in tests.split()]
            build = run(["cmake", "--build", "build", "-j2", "--target", *targets])
            if build.returncode != 0:
                outcome = "killed (does not build)"
            else:
                # Killed when any of the test programs fails.
                failed = any(run(["timeout", "600", f"build/tests/{target}"]).returncode != 0
                             for target in targets)
                outcome = "killed" if failed else "SURVIVED"
        finally:
            source.write_text(original)
        print(f"{outcome:8} {path}: {text!r} -> {mutant!r}", flush=True)
        if outcome == "SURVIVED":
            survived.append((path, text, mutant))
    print(f"{len(survived)} survived")
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
