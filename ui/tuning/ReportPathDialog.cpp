#include "ui/tuning/ReportPathDialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

#include "files/report/ReportFile.h"

namespace ravemo {
namespace {

// The formats as the dialog offers them, the first the default.
struct ReportChoice {
    const char* filter;
    ReportFormat format;
};
constexpr ReportChoice kReportChoices[] = {
    {"PDF page (*.pdf)", ReportFormat::Pdf},
    {"PNG picture (*.png)", ReportFormat::Png},
    {"HTML page, pictures inside (*.html *.htm)", ReportFormat::Html},
};

}  // namespace

QString AskReportPath(QWidget* parent) {
    QStringList filters;
    for (const ReportChoice& choice : kReportChoices) {
        filters << QCoreApplication::translate("TuningWindow", choice.filter);
    }
    QString chosenFilter = filters.front();
    QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("TuningWindow", "Save report"), QString(),
        filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty() || ReportFormatOfPath(path)) return path;
    const qsizetype chosen = std::max<qsizetype>(0, filters.indexOf(chosenFilter));
    return path + ReportExtension(kReportChoices[chosen].format);
}

}  // namespace ravemo
