#pragma once

#include <QString>

class QWidget;

namespace ravemo {

// Asks where to save a report, offering PDF, PNG and HTML. A name without a report extension
// gets the one of the format chosen in the dialog. Empty when cancelled.
QString AskReportPath(QWidget* parent);

}  // namespace ravemo
