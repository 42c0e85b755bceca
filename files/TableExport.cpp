#include "files/TableExport.h"

#include <string>

#include "files/NumberFields.h"
#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

constexpr int kFrequencyDigits = 10;  // hundredths of a hertz up to 100 MHz
constexpr int kTableValueDigits = 6;

const char* const kTableHeader =
    "index\tfrequency_hz\treturn_loss_db\tphase_deg\trs_ohm\txs_ohm\tz_ohm\tswr\n";

}  // namespace

QByteArray EncodeSweepTable(const SweepData& data, std::int32_t step) {
    std::string text = kTableHeader;
    for (const std::int32_t i : SweptIndices(data, step)) {
        const auto at = static_cast<std::size_t>(i);
        const float r = data.ReturnLossSamples[at];
        const float p = data.PhaseSamples[at];
        const SampleValues values = ConvertSample(r, p);
        text += std::to_string(i);
        for (const std::string& field :
             {MachineNumber(WordFrequencyHz(data.DdsWords[at]), kFrequencyDigits),
              MachineNumber(ReturnLossDb(r), kTableValueDigits),
              MachineNumber(PhaseDegrees(p), kTableValueDigits),
              MachineNumber(values.rs, kTableValueDigits),
              MachineNumber(values.xs, kTableValueDigits),
              MachineNumber(values.z, kTableValueDigits),
              MachineNumber(values.swr, kTableValueDigits)}) {
            text += '\t';
            text += field;
        }
        text += '\n';
    }
    return QByteArray::fromStdString(text);
}

}  // namespace ravemo
