#pragma once

#include <QByteArray>

#include "files/report/AntennaReport.h"

namespace ravemo {

// The report as one self-contained HTML file in UTF-8: a little inline CSS, the facts and the
// tables as HTML tables, the tuning chart and the Smith chart as PNG data URIs. It refers to
// nothing outside itself, so it opens anywhere without a network. Every text is escaped. Empty
// when a picture could not be encoded.
[[nodiscard]] QByteArray HtmlOfReport(const AntennaReport& report);

}  // namespace ravemo
