// The calibration file parser. What it accepts is a calibration fit to correct with: at least
// two points in rising frequency, and every correction within its range finite, its phase from
// 0 to 180 degrees. Round trip: a file written from a parsed one parses back to the same text.
#include <cmath>

#include <QTimeZone>

#include "FuzzCheck.h"
#include "correction/CalibrationFile.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    const ParsedCalibration parsed = ParseCalibrationFile(bytes);
    if (!parsed.calibration) {
        Require(!parsed.error.isEmpty(), "a refusal says why");
        return 0;
    }
    const Calibration& calibration = *parsed.calibration;
    Require(calibration.points().size() >= 2, "at least two points");
    for (std::size_t i = 1; i < calibration.points().size(); ++i) {
        Require(calibration.points()[i].hz > calibration.points()[i - 1].hz, "rising frequency");
    }
    const double middle = (calibration.lowHz() + calibration.highHz()) / 2.0;
    for (const double hz : {calibration.lowHz(), middle, calibration.highHz()}) {
        for (const StandardReading reading :
             {StandardReading{0.0, 0.0}, {-40.0, 90.0}, {5.0, 200.0}}) {
            const std::optional<CorrectedReading> corrected = calibration.correct(hz, reading);
            Require(corrected.has_value(), "a frequency within the range is corrected");
            Require(std::isfinite(corrected->returnLossDb), "a finite return loss");
            Require(corrected->phaseDegrees >= 0.0 && corrected->phaseDegrees <= 180.0,
                    "a phase from 0 to 180 degrees");
        }
    }
    const QByteArray written = EncodeCalibrationFile(calibration, parsed.sweptAt);
    const ParsedCalibration again = ParseCalibrationFile(written);
    // Six decimals of MHz may merge two points a hertz apart: then the text is refused.
    if (!again.calibration) return 0;
    Require(EncodeCalibrationFile(*again.calibration, again.sweptAt) == written,
            "a written file reads back to the same text");
    return 0;
}
