#pragma once

#include <cstdint>

#include <QByteArray>

#include "sweep/SweepData.h"

namespace ravemo {

// Tab-separated table (.tsv) of the swept points (see SweptIndices), in index order, for
// scripts: a header line, then index, frequency_hz, return_loss_db, phase_deg, rs_ohm,
// xs_ohm, z_ohm, swr per point, computed with the impedance curves' per-sample rules. Point
// decimal, LF line ends.
QByteArray EncodeSweepTable(const SweepData& data, std::int32_t step);

}  // namespace ravemo
