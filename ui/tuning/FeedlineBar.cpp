#include "ui/tuning/FeedlineBar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "common/FeedlineText.h"

namespace ravemo {
namespace {

constexpr int kFeedlineBoxChars = 16;

}  // namespace

FeedlineBar::FeedlineBar(QWidget* parent)
    : QToolBar(tr("Feedline"), parent),
      feedline_(new QLineEdit(this)),
      plane_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FeedlineBar"));
    feedline_->setObjectName(QStringLiteral("Feedline"));
    feedline_->setPlaceholderText(tr("e.g. rg58:20"));
    feedline_->setMaximumWidth(feedline_->fontMetrics().averageCharWidth() * kFeedlineBoxChars);
    feedline_->setClearButtonEnabled(true);
    plane_->setObjectName(QStringLiteral("ReferencePlane"));
    plane_->addItems({tr("At the analyser"), tr("At the antenna")});
    plane_->setToolTip(
        tr("Where the chart, the dips, the bands, the trim advice and the report "
           "stand: as measured at the analyser, or at the antenna seen through "
           "the feedline"));
    addWidget(new QLabel(tr(" Feedline: "), this));
    addWidget(feedline_);
    addWidget(plane_);
    mark();
    connect(feedline_, &QLineEdit::editingFinished, this, [this] {
        mark();
        Q_EMIT changed();
    });
    connect(feedline_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) return;
        mark();
        Q_EMIT changed();
    });
    connect(plane_, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT changed(); });
}

void FeedlineBar::showChoices(const QString& feedline, bool atAntenna) {
    const QSignalBlocker textBlock(feedline_);
    const QSignalBlocker planeBlock(plane_);
    feedline_->setText(feedline);
    plane_->setCurrentIndex(atAntenna ? 1 : 0);
    mark();
}

QString FeedlineBar::feedlineText() const { return feedline_->text().trimmed(); }

bool FeedlineBar::antennaChosen() const { return plane_->currentIndex() == 1; }

std::optional<Feedline> FeedlineBar::lineToAntenna() const {
    if (!antennaChosen() || feedlineText().isEmpty()) return std::nullopt;
    return ParseFeedline(feedlineText()).line;
}

void FeedlineBar::mark() {
    const ParsedFeedline parsed = ParseFeedline(feedlineText());
    const bool wrong = !feedlineText().isEmpty() && !parsed.line;
    feedline_->setStyleSheet(wrong ? QStringLiteral("QLineEdit { background: #FBE3DE; }")
                                   : QString());
    feedline_->setToolTip(wrong ? parsed.error
                                : tr("The feedline from the analyser to the antenna: %1")
                                      .arg(QLatin1String(kFeedlineForms)));
}

}  // namespace ravemo
