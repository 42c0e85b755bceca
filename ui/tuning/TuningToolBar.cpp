#include "ui/tuning/TuningToolBar.h"

#include <array>
#include <utility>

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "analysis/TrimAdvice.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "sweep/SweepAverage.h"

namespace ravemo {
namespace {

constexpr std::array<std::pair<SwrScaleChoice, const char*>, 7> kScales{{
    {SwrScaleChoice::UpTo1_5, "1 to 1.5"},
    {SwrScaleChoice::UpTo2, "1 to 2"},
    {SwrScaleChoice::UpTo3, "1 to 3"},
    {SwrScaleChoice::UpTo5, "1 to 5"},
    {SwrScaleChoice::UpTo10, "1 to 10"},
    {SwrScaleChoice::Automatic, "automatic"},
    {SwrScaleChoice::Logarithmic, "logarithmic"},
}};
constexpr std::array<std::pair<RightAxisQuantity, const char*>, 4> kAxes{{
    {RightAxisQuantity::None, "none"},
    {RightAxisQuantity::Impedance, "|Z|"},
    {RightAxisQuantity::Resistance, "Rs"},
    {RightAxisQuantity::Reactance, "X (est.)"},
}};
constexpr int kTargetBoxWidthChars = 9;
constexpr double kTargetExampleMHz = 7.1;

template <typename Enum, std::size_t N>
QComboBox* ChoiceBox(QWidget* parent, const char* name,
                     const std::array<std::pair<Enum, const char*>, N>& choices) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const auto& choice : choices) box->addItem(QString::fromUtf8(choice.second));
    return box;
}

template <typename Enum, std::size_t N>
int IndexOf(const std::array<std::pair<Enum, const char*>, N>& choices, Enum value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (choices[i].first == value) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

TuningToolBar::TuningToolBar(const QLocale& locale, QWidget* parent)
    : QToolBar(tr("Tuning"), parent),
      locale_(locale),
      region_(new QComboBox(this)),
      scale_(ChoiceBox(this, "SwrScale", kScales)),
      rightAxis_(ChoiceBox(this, "RightAxis", kAxes)),
      target_(new QLineEdit(this)),
      average_(new QComboBox(this)),
      commands_(new QToolBar(tr("Reference and report"), parent)) {
    setObjectName(QStringLiteral("TuningToolBar"));
    setMovable(false);
    commands_->setObjectName(QStringLiteral("TuningCommands"));
    commands_->setMovable(false);
    region_->setObjectName(QStringLiteral("Region"));
    for (int region = 1; region <= kIaruRegionCount; ++region) {
        region_->addItem(tr("IARU region %1").arg(region));
    }
    region_->setToolTip(tr("The band plan whose bands are shaded and reported"));
    scale_->setToolTip(tr("The SWR scale of the chart: 1.0 at the bottom"));
    target_->setObjectName(QStringLiteral("Target"));
    target_->setPlaceholderText(
        tr("e.g. %1").arg(NumberText::generalFormat(kTargetExampleMHz, locale_)));
    target_->setMaximumWidth(target_->fontMetrics().averageCharWidth() * kTargetBoxWidthChars * 2);
    target_->setClearButtonEnabled(true);

    addWidget(new QLabel(tr(" Bands: "), this));
    addWidget(region_);
    addWidget(new QLabel(tr("  SWR scale: "), this));
    addWidget(scale_);
    addWidget(new QLabel(tr("  Right axis: "), this));
    addWidget(rightAxis_);
    addWidget(new QLabel(tr("  Target (MHz): "), this));
    addWidget(target_);
    average_->setObjectName(QStringLiteral("Average"));
    for (const int depth : kAverageDepths) {
        average_->addItem(depth == 1 ? tr("off") : tr("%1 sweeps").arg(depth), depth);
    }
    average_->setToolTip(
        tr("Average the last sweeps point by point (starts again when the limits change, under "
           "Hold and when a file is opened); the main window, saves and exports show the "
           "average"));
    addWidget(new QLabel(tr("  Average: "), this));
    addWidget(average_);
    keep_ = commands_->addAction(tr("Keep as reference"));
    keep_->setToolTip(tr("Keep the latest sweep as the grey reference trace"));
    load_ = commands_->addAction(tr("Load reference..."));
    load_->setIconText(load_->text());  // a tool button would drop the dots
    load_->setToolTip(tr("Load a saved sweep (.vec) or a Touchstone file (.s1p) as reference"));
    clear_ = commands_->addAction(tr("Clear reference"));
    clear_->setEnabled(false);
    commands_->addSeparator();
    saveReport_ = commands_->addAction(tr("Save report..."));
    saveReport_->setIconText(saveReport_->text());
    saveReport_->setToolTip(
        tr("Save a one-page report of this sweep: charts, dips and bands as PDF, PNG or HTML"));
    copyPicture_ = commands_->addAction(tr("Copy picture"));
    copyPicture_->setToolTip(tr("Copy the tuning chart and the Smith chart as one picture"));
    commands_->addSeparator();
    cable_ = commands_->addAction(tr("Cable..."));
    cable_->setIconText(cable_->text());
    cable_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    cable_->setToolTip(
        tr("Measure a cable open or shorted at its far end: loss, velocity "
           "factor or length, distance to fault (Ctrl+L)"));
    calibration_ = commands_->addAction(tr("Calibration..."));
    calibration_->setIconText(calibration_->text());
    calibration_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    calibration_->setToolTip(
        tr("Calibrate with a short, an open and a 50 ohm load, or load or clear a calibration "
           "(Ctrl+K)"));
    share_ = commands_->addAction(tr("Share to phone..."));
    share_->setIconText(share_->text());
    share_->setToolTip(
        tr("Show this sweep live on a phone on the local network (off until "
           "you start it)"));

    const auto view = [this] { Q_EMIT viewChoiceChanged(); };
    const auto analysis = [this] { Q_EMIT analysisChoiceChanged(); };
    connect(scale_, &QComboBox::currentIndexChanged, this, view);
    connect(rightAxis_, &QComboBox::currentIndexChanged, this, view);
    connect(region_, &QComboBox::currentIndexChanged, this, analysis);
    connect(average_, &QComboBox::currentIndexChanged, this,
            [this] { Q_EMIT averageDepthChanged(averageDepth()); });
    connect(target_, &QLineEdit::editingFinished, this, [this, analysis] {
        markTarget();
        analysis();
    });
    // Emptied with the clear button: no target any more, at once.
    connect(target_, &QLineEdit::textChanged, this, [this, analysis](const QString& text) {
        if (!text.isEmpty()) return;
        markTarget();
        analysis();
    });
}

void TuningToolBar::showChoices(const TuningPreferences& p) {
    const QSignalBlocker regionBlock(region_);
    const QSignalBlocker scaleBlock(scale_);
    const QSignalBlocker axisBlock(rightAxis_);
    const QSignalBlocker targetBlock(target_);
    region_->setCurrentIndex(p.region - 1);
    scale_->setCurrentIndex(IndexOf(kScales, p.scale));
    rightAxis_->setCurrentIndex(IndexOf(kAxes, p.rightAxis));
    target_->setText(p.targetHz ? NumberText::generalFormat(*p.targetHz / kHzPerMHz, locale_)
                                : QString());
    markTarget();
}

int TuningToolBar::region() const { return region_->currentIndex() + 1; }

int TuningToolBar::averageDepth() const { return average_->currentData().toInt(); }

void TuningToolBar::showAverageDepth(int depth) {
    const QSignalBlocker averageBlock(average_);
    const int index = average_->findData(depth);
    average_->setCurrentIndex(index < 0 ? 0 : index);
}

SwrScaleChoice TuningToolBar::scale() const {
    return kScales.at(static_cast<std::size_t>(scale_->currentIndex())).first;
}

RightAxisQuantity TuningToolBar::rightAxis() const {
    return kAxes.at(static_cast<std::size_t>(rightAxis_->currentIndex())).first;
}

std::optional<double> TuningToolBar::targetHz() const {
    const std::optional<double> mhz = NumberText::parseLocaleNumber(target_->text(), locale_);
    if (!mhz || !IsTrimTargetHz(*mhz * kHzPerMHz)) return std::nullopt;
    return *mhz * kHzPerMHz;
}

// A target that is not a frequency is shown as such, with what to type.
void TuningToolBar::markTarget() {
    const bool wrong = !target_->text().trimmed().isEmpty() && !targetHz();
    target_->setStyleSheet(wrong ? QStringLiteral("QLineEdit { background: #FBE3DE; }")
                                 : QString());
    target_->setToolTip(
        wrong ? tr("Not a target frequency: type one from %1 to %2 MHz, such as %3")
                    .arg(NumberText::generalFormat(kLowestTrimTargetHz / kHzPerMHz, locale_),
                         NumberText::generalFormat(kHighestTrimTargetHz / kHzPerMHz, locale_),
                         NumberText::generalFormat(kTargetExampleMHz, locale_))
              : tr("The frequency the antenna should resonate at, in MHz: the trim advice says "
                   "how much to lengthen or shorten the element"));
}

}  // namespace ravemo
