#include "files/report/ReportPage.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "files/report/ReportPictures.h"
#include "files/report/ReportTitle.h"
#include "plot/HistoryStripPainter.h"

namespace ravemo {
namespace {

constexpr double kTitlePt = 17.0;
constexpr double kHeadPt = 10.5;
constexpr double kBodyPt = 9.0;
constexpr double kTablePt = 8.5;
constexpr double kSmallestTablePt = 5.5;
constexpr double kGapPt = 8.0;          // between blocks
constexpr double kCellPaddingPt = 9.0;  // between table columns
constexpr double kRowPaddingPt = 2.5;
constexpr double kRuleWidthPt = 0.6;
constexpr double kFactLabelGapPt = 10.0;
// The pictures take what the texts leave, within these bounds.
constexpr double kLeastPicturesPt = 140.0;
constexpr double kLargestPicturesShare = 0.5;
constexpr double kLargestSmithShare = 0.42;  // of the page's width
constexpr double kHistoryStripPt = 72.0;

const QColor kHeadText{0x1F, 0x3A, 0x5F};
const QColor kFactLabel{0x60, 0x60, 0x60};
const QColor kRule{0xB0, 0xB0, 0xB0};
const QColor kStripe{0xF3, 0xF6, 0xFA};

// Lays the page out from the top down; paints only when asked, so the same code first measures
// how much height the texts need.
class PageFlow {
  public:
    PageFlow(QPainter& painter, const QRectF& page, const PlotStyle& style, bool paint)
        : p_(painter),
          page_(page),
          style_(style),
          paint_(paint),
          ppp_(PixelsPerPoint(*painter.device())),
          y_(page.top()) {}

    double y() const { return y_; }
    double px(double points) const { return points * ppp_; }

    void title(const QString& text) {
        QFont font = style_.font(kTitlePt);
        font.setBold(true);
        block(FittedTitle(text, font, p_.device(), page_.width()), font, kHeadText);
    }

    void facts(const std::vector<ReportFact>& facts) {
        const QFont font = style_.font(kBodyPt);
        const QFontMetricsF metrics(font, p_.device());
        double labelWidth = 0.0;
        for (const ReportFact& f : facts) {
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(f.label));
        }
        const double valueX = page_.left() + labelWidth + px(kFactLabelGapPt);
        const QRectF valueArea(valueX, 0.0, page_.right() - valueX, 1e9);
        for (const ReportFact& f : facts) {
            const QRectF bounds =
                metrics.boundingRect(valueArea, Qt::TextWordWrap | Qt::AlignLeft, f.value);
            if (paint_) {
                p_.setFont(font);
                p_.setPen(kFactLabel);
                p_.drawText(QRectF(page_.left(), y_, labelWidth, bounds.height()),
                            Qt::AlignLeft | Qt::AlignTop, f.label);
                p_.setPen(style_.text);
                p_.drawText(QRectF(valueX, y_, valueArea.width(), bounds.height()),
                            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, f.value);
            }
            y_ += bounds.height();
        }
        y_ += px(kGapPt);
    }

    void head(const QString& text) {
        y_ += px(kGapPt) / 2.0;  // a section stands apart from the lines above it
        QFont font = style_.font(kHeadPt);
        font.setBold(true);
        block(text, font, kHeadText);
    }

    // Word-wrapped body text; nothing for an empty text.
    void paragraph(const QString& text) {
        if (text.isEmpty()) return;
        block(text, style_.font(kBodyPt), style_.text);
    }

    // The columns as wide as their widest cell; the font shrinks when they do not fit.
    void table(const TextTable& table) {
        QFont font = style_.font(kTablePt);
        std::vector<double> widths = columnWidths(table, font);
        double total = 0.0;
        for (double w : widths) total += w;
        if (total > page_.width()) {
            font.setPointSizeF(std::max(kSmallestTablePt, kTablePt * page_.width() / total));
            widths = columnWidths(table, font);
        }
        QFont bold = font;
        bold.setBold(true);
        const double rowHeight =
            QFontMetricsF(bold, p_.device()).height() + 2.0 * px(kRowPaddingPt);
        row(table.heads, widths, bold, rowHeight, false);
        rule();
        bool stripe = false;
        for (const QStringList& cells : table.rows) {
            row(cells, widths, font, rowHeight, stripe);
            stripe = !stripe;
        }
        rule();
        y_ += px(kGapPt);
    }

    // The tuning chart beside the Smith chart (a square at the right), `height` high.
    void pictures(const TuningScene& scene, double height) {
        const double side = std::min(height, page_.width() * kLargestSmithShare);
        if (paint_) {
            const QRectF chart(page_.left(), y_, page_.width() - side - px(kGapPt), height);
            const QRectF smith(page_.right() - side, y_ + (height - side) / 2.0, side, side);
            PaintSceneChart(p_, chart, scene, style_);
            PaintSceneSmith(p_, smith, scene, style_);
        }
        y_ += height + px(kGapPt);
    }

    // The tuning history's strip across the page; nothing without a history.
    void historyStrip(std::span<const HistoryPoint> history, const QLocale& locale) {
        if (history.empty()) return;
        if (paint_) {
            PaintHistoryStrip(p_, QRectF(page_.left(), y_, page_.width(), px(kHistoryStripPt)),
                              history, locale, style_);
        }
        y_ += px(kHistoryStripPt) + px(kGapPt);
    }

  private:
    void block(const QString& text, const QFont& font, const QColor& colour) {
        const QFontMetricsF metrics(font, p_.device());
        const QRectF area(page_.left(), y_, page_.width(), 1e9);
        const QRectF bounds = metrics.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft, text);
        if (paint_) {
            p_.setFont(font);
            p_.setPen(colour);
            p_.drawText(QRectF(page_.left(), y_, page_.width(), bounds.height()),
                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        }
        y_ += bounds.height() + px(kGapPt) / 2.0;
    }

    std::vector<double> columnWidths(const TextTable& table, const QFont& font) const {
        QFont bold = font;
        bold.setBold(true);
        const QFontMetricsF headMetrics(bold, p_.device());
        const QFontMetricsF metrics(font, p_.device());
        std::vector<double> widths;
        for (const QString& head : table.heads) {
            widths.push_back(headMetrics.horizontalAdvance(head) + px(kCellPaddingPt));
        }
        for (const QStringList& cells : table.rows) {
            for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(widths.size());
                 ++i) {
                const auto column = static_cast<std::size_t>(i);
                widths[column] = std::max(widths[column],
                                          metrics.horizontalAdvance(cells[i]) + px(kCellPaddingPt));
            }
        }
        return widths;
    }

    void row(const QStringList& cells, const std::vector<double>& widths, const QFont& font,
             double height, bool stripe) {
        if (paint_) {
            if (stripe) p_.fillRect(QRectF(page_.left(), y_, page_.width(), height), kStripe);
            p_.setFont(font);
            p_.setPen(style_.text);
            double x = page_.left();
            for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(widths.size());
                 ++i) {
                const double width = widths[static_cast<std::size_t>(i)];
                p_.drawText(QRectF(x + px(kRowPaddingPt), y_, width, height),
                            Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
                x += width;
            }
        }
        y_ += height;
    }

    void rule() {
        if (paint_) {
            p_.setPen(QPen(kRule, px(kRuleWidthPt)));
            p_.drawLine(QPointF(page_.left(), y_), QPointF(page_.right(), y_));
        }
    }

    QPainter& p_;
    QRectF page_;
    const PlotStyle& style_;
    bool paint_;
    double ppp_;
    double y_;
};

void Flow(PageFlow& flow, const AntennaReport& report, double picturesHeight) {
    flow.title(report.title);
    flow.facts(report.facts);
    flow.pictures(report.scene, picturesHeight);
    flow.historyStrip(report.history, report.locale);
    flow.head(QStringLiteral("SWR dips"));
    if (report.dips.rows.empty()) {
        flow.paragraph(QString::fromLatin1(kNoDipsText));
    } else {
        flow.table(report.dips);
    }
    flow.paragraph(report.resonances);
    flow.paragraph(report.trim);
    flow.paragraph(report.cable);
    flow.head(report.bandsHead);
    if (report.bands.rows.empty()) {
        flow.paragraph(QString::fromLatin1(kNoBandsText));
    } else {
        flow.table(report.bands);
    }
}

}  // namespace

void PaintReportPage(QPainter& painter, const QRectF& page, const AntennaReport& report,
                     const PlotStyle& style) {
    PageFlow measure(painter, page, style, false);
    Flow(measure, report, 0.0);
    const double left = page.bottom() - measure.y();
    const double height =
        std::clamp(left, measure.px(kLeastPicturesPt),
                   std::max(measure.px(kLeastPicturesPt), page.height() * kLargestPicturesShare));
    painter.save();
    PageFlow paint(painter, page, style, true);
    Flow(paint, report, height);
    painter.restore();
}

}  // namespace ravemo
