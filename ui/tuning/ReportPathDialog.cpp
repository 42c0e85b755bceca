#include "ui/tuning/ReportPathDialog.h"

#include <iterator>

#include <QCoreApplication>

#include "files/FileDialog.h"
#include "files/report/ReportFile.h"

namespace ravemo {
namespace {

// The formats as the dialog offers them, the first the default.
struct ReportChoice {
    const char* description;
    const char* pattern;
    ReportFormat format;
};
constexpr ReportChoice kReportChoices[] = {
    {"PDF page", "*.pdf", ReportFormat::Pdf},
    {"PNG picture", "*.png", ReportFormat::Png},
    {"HTML page, pictures inside", "*.html;*.htm", ReportFormat::Html},
};
constexpr int kChoiceCount = static_cast<int>(std::size(kReportChoices));

}  // namespace

QString AskReportPath(FileDialog& dialog) {
    QString filter;
    for (const ReportChoice& choice : kReportChoices) {
        filter += QCoreApplication::translate("TuningWindow", choice.description) + u'|' +
                  QLatin1String(choice.pattern) + u'|';
    }
    dialog.setFilter(filter);
    if (!dialog.showSave()) return {};
    QString path = dialog.fileName();
    if (path.isEmpty() || ReportFormatOfPath(path)) return path;
    const int entry = dialog.filterIndex();
    const int chosen = entry >= 1 && entry <= kChoiceCount ? entry - 1 : 0;
    return path + ReportExtension(kReportChoices[chosen].format);
}

}  // namespace ravemo
