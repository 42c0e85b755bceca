#!/usr/bin/env python3
"""A small mutation check: puts one fault at a time into the product code (one operator or
constant changed), rebuilds the test program that should notice, runs it and puts the code back.
Prints which mutants the tests killed and which survived. Run from the repository root after a
build in build/:  tests/mutation/mutate.py [WORD...]  (only the mutants whose file holds a WORD).
"""
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
    ("files/SafeFileIo.cpp", "if (!file.flush() || file.error() != QFileDevice::NoError) return cancelled(file);",
     "file.flush();", "files"),
    ("files/SafeFileIo.cpp", "if (!file.commit()) return file.errorString();", "file.commit();", "files"),
    # settings
    ("startup/LoadSettings.cpp", "QStringLiteral(\"Step\"), kStepDefault, 1, kInt16Max",
     "QStringLiteral(\"Step\"), kStepDefault, 0, kInt16Max", "startup"),
    ("startup/LoadSettings.cpp", "QStringLiteral(\"Champ\"), kChampDefault, 1, kChampMaximum",
     "QStringLiteral(\"Champ\"), kChampDefault, 1, kChampMaximum + 1", "startup"),
    # command line
    ("cli/SweepCommand.cpp", " || sweepCount != std::floor(sweepCount)", "", "cli"),
    # analysis
    ("analysis/SwrDips.cpp", "if (out.swr >= level) {", "if (out.swr > level) {", "analysis"),
    ("analysis/SwrDips.cpp", "return hz / swr2->bandwidthHz * (kSwrTwoToOne - 1.0) / std::sqrt(kSwrTwoToOne);",
     "return hz / swr2->bandwidthHz * (kSwrTwoToOne - 1.0);", "analysis"),
    # (s.xs > 0.0 -> >= survives: it differs only for a sample of |Z| = 0 exactly.)
    ("analysis/MeasuredZeros.cpp", "constexpr double kSignificantReactanceShare = 0.05;",
     "constexpr double kSignificantReactanceShare = 0.0;", "analysis"),
    ("analysis/MeasuredZeros.cpp", "newSign > 0 ? ResonanceKind::Series : ResonanceKind::Parallel",
     "newSign < 0 ? ResonanceKind::Series : ResonanceKind::Parallel", "analysis"),
]


def run(command):
    return subprocess.run(command, capture_output=True)


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
