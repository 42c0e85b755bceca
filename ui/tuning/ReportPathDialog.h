#pragma once

#include <QString>

namespace ravemo {

class FileDialog;

// Asks where to save a report, offering PDF, PNG and HTML (the entry chosen last is offered
// again). A name without a report extension gets the one of the format chosen in the dialog.
// Empty when cancelled.
QString AskReportPath(FileDialog& dialog);

}  // namespace ravemo
