#include "ui/aural/AuralBar.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QStatusBar>

#include "aural/TonePitch.h"
#include "aural/ToneSwr.h"
#include "common/Units.h"
#include "plot/SpokenSummary.h"
#include "plot/TuningTables.h"
#include "ui/Measurement.h"
#include "ui/aural/FastSweep.h"
#include "ui/aural/SpeechOutput.h"
#include "ui/aural/ToneOutput.h"

namespace ravemo {
namespace {

constexpr int kVolumeStepPercent = 10;
constexpr double kAuralMsPerSecond = 1000.0;
constexpr int kDoubleBeep = 2;
constexpr int kTripleBeep = 3;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QAction* MakeAction(QWidget* owner, const QString& text, const QKeySequence& key,
                    const QString& tip, bool checkable) {
    auto* action = new QAction(text, owner);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
    return action;
}

}  // namespace

AuralBar::AuralBar(Measurement& measurement, QMainWindow& window, const QLocale& locale)
    : QToolBar(QStringLiteral("Sound and speech"), &window),
      measurement_(measurement),
      locale_(locale),
      tone_(MakeAction(this, QStringLiteral("Tone"), Qt::Key_F6,
                       QStringLiteral("Aural SWR tone on or off: 300 Hz at SWR 1.0 rising to "
                                      "1500 Hz at 5; a double beep below 2, a triple below 1.5"),
                       true)),
      quieter_(MakeAction(this, QStringLiteral("Quieter"), Qt::SHIFT | Qt::Key_F6,
                          QStringLiteral("Tone quieter"), false)),
      louder_(MakeAction(this, QStringLiteral("Louder"), Qt::CTRL | Qt::Key_F6,
                         QStringLiteral("Tone louder"), false)),
      speak_(MakeAction(this, QStringLiteral("Speak"), Qt::Key_F7,
                        QStringLiteral("Speak the dip, its SWR, its 2:1 band and the trim now"),
                        false)),
      updates_(MakeAction(this, QStringLiteral("Spoken updates"), Qt::SHIFT | Qt::Key_F7,
                          QStringLiteral("Speak whenever the dip moves by more than the step"),
                          true)),
      fast_(MakeAction(this, QStringLiteral("Fast sweep"), Qt::Key_F8,
                       QStringLiteral("Fast tuning sweep: a narrow sweep of few points around "
                                      "the target, refreshed several times a second"),
                       true)),
      volume_(new QSlider(Qt::Horizontal)),
      step_(new QComboBox),
      notice_(new QLabel),
      toneOutput_(new ToneOutput(this)),
      speech_(new SpeechOutput(locale, this)),
      spokenUpdates_(AuralPreferences::kDefaultSpeechStepKHz * kHzPerKHz) {
    setObjectName(QStringLiteral("AuralBar"));
    addAction(tone_);
    volume_->setRange(0, static_cast<int>(kPercent));
    volume_->setSingleStep(kVolumeStepPercent);
    volume_->setPageStep(kVolumeStepPercent);
    volume_->setMaximumWidth(fontMetrics().averageCharWidth() * 12);
    volume_->setAccessibleName(QStringLiteral("Tone volume"));
    volume_->setToolTip(QStringLiteral("Tone volume (quieter Shift+F6, louder Ctrl+F6)"));
    volume_->setValue(AuralPreferences::kDefaultVolumePercent);
    addWidget(volume_);
    addAction(speak_);
    addAction(updates_);
    for (const int kHz : kSpeechStepsKHz) {
        step_->addItem(QStringLiteral("beyond %1 kHz").arg(kHz), kHz);
    }
    step_->setCurrentIndex(step_->findData(AuralPreferences::kDefaultSpeechStepKHz));
    step_->setAccessibleName(QStringLiteral("Spoken update step"));
    step_->setToolTip(QStringLiteral("Spoken updates speak when the dip moves by more than this"));
    addWidget(step_);
    addAction(fast_);
    // No buttons: the slider shows the volume, the keys work anywhere in the window.
    window.addAction(quieter_);
    window.addAction(louder_);
    notice_->setObjectName(QStringLiteral("AuralNotice"));
    notice_->setAccessibleName(QStringLiteral("Sound and speech status"));
    window.statusBar()->addWidget(notice_, 1);
    clock_.start();

    connect(tone_, &QAction::toggled, this, &AuralBar::toneToggled);
    connect(updates_, &QAction::toggled, this, &AuralBar::updatesToggled);
    connect(fast_, &QAction::toggled, this, &AuralBar::fastToggled);
    connect(speak_, &QAction::triggered, this, &AuralBar::speakNow);
    connect(quieter_, &QAction::triggered, this,
            [this] { volume_->setValue(volume_->value() - kVolumeStepPercent); });
    connect(louder_, &QAction::triggered, this,
            [this] { volume_->setValue(volume_->value() + kVolumeStepPercent); });
    connect(volume_, &QSlider::valueChanged, this,
            [this](int percent) { toneOutput_->setVolume(percent / kPercent); });
    toneOutput_->setVolume(volume_->value() / kPercent);
    connect(step_, &QComboBox::currentIndexChanged, this,
            [this] { spokenUpdates_.setStepHz(step_->currentData().toInt() * kHzPerKHz); });
    connect(toneOutput_, &ToneOutput::failed, this, [this](const QString& problem) {
        toneProblem_ = problem;
        const QSignalBlocker blocker(tone_);
        tone_->setChecked(false);
        applyPitch();
        showNotice();
    });
    // The tone pauses while a sentence is spoken, so that the words are heard.
    connect(speech_, &SpeechOutput::speakingChanged, this, &AuralBar::applyPitch);
}

AuralBar::~AuralBar() = default;

void AuralBar::showChoices(const AuralPreferences& p) {
    volume_->setValue(p.volumePercent);
    const int step = step_->findData(p.speechStepKHz);
    if (step >= 0) step_->setCurrentIndex(step);
    tone_->setChecked(p.toneOn);
    updates_->setChecked(p.speechUpdatesOn);
}

AuralPreferences AuralBar::choices() const {
    AuralPreferences p;
    p.toneOn = tone_->isChecked();
    p.volumePercent = volume_->value();
    p.speechUpdatesOn = updates_->isChecked();
    p.speechStepKHz = step_->currentData().toInt();
    return p;
}

void AuralBar::follow(const AntennaSamples& live, const AntennaAnalysis& analysis,
                      std::optional<double> targetHz) {
    if (targetHz != targetHz_) beeps_.reset();  // another frequency: no crossing to announce
    live_ = live;
    analysis_ = analysis;
    targetHz_ = targetHz;
    applyPitch();
}

void AuralBar::sweepFinished() {
    const bool measured = !measurement_.holdTicked() && !measurement_.portAccessesFailed();
    silenced_ = !measured;
    applyPitch();
    rate_.add(static_cast<double>(clock_.elapsed()) / kAuralMsPerSecond);
    if (beforeFast_) showNotice();
    const MatchBeep beep = beeps_.afterSweep(ToneSwr(live_, targetHz_).value_or(kNaN), !measured);
    if (tone_->isChecked() && beep != MatchBeep::None) {
        toneOutput_->playBeeps(beep == MatchBeep::Triple ? kTripleBeep : kDoubleBeep);
    }
    if (!measured || !updates_->isChecked() || speech_->speaking()) return;
    const std::optional<double> dipHz = SpokenDipHz(analysis_);
    if (!spokenUpdates_.due(dipHz)) return;
    spokenUpdates_.spoken(dipHz);
    speakNow();
}

QString AuralBar::spokenSummary() const { return SpokenSummary(analysis_, !live_.samples.empty()); }

void AuralBar::speakNow() {
    if (!speech_->say(spokenSummary())) {
        speechProblem_ = speech_->problem();
        showNotice();
    }
}

void AuralBar::applyPitch() {
    const std::optional<double> swr = ToneSwr(live_, targetHz_);
    const bool audible =
        tone_->isChecked() && !silenced_ && !speech_->speaking() && isVisible() && swr;
    pitchHz_ = audible ? TonePitchHz(*swr) : std::nullopt;
    toneOutput_->setPitchHz(pitchHz_);
}

void AuralBar::toneToggled(bool on) {
    toneProblem_.clear();
    if (on) {
        beeps_.reset();
        toneProblem_ = toneOutput_->start();
    } else {
        toneOutput_->stop();
    }
    applyPitch();
    showNotice();
}

void AuralBar::updatesToggled(bool on) {
    speechProblem_.clear();
    if (on) {
        spokenUpdates_.restart();
        speechProblem_ = speech_->problem();
    }
    showNotice();
}

void AuralBar::fastToggled(bool on) {
    if (!on) {
        if (!beforeFast_) return;
        const Before before = *std::exchange(beforeFast_, std::nullopt);
        measurement_.setSweepStride(before.stride);
        measurement_.sweepLimitsMHz(before.lowMHz, before.highMHz);
        fastText_.clear();
        showNotice();
        return;
    }
    // Around the target; without one, around the dip (or the lowest SWR) spoken of.
    const std::optional<double> centreHz = targetHz_ ? targetHz_ : SpokenDipHz(analysis_);
    const auto refuse = [this](const QString& why) {
        const QSignalBlocker blocker(fast_);
        fast_->setChecked(false);
        fastText_ = why;
        showNotice();
    };
    if (!centreHz) {
        refuse(QStringLiteral("Fast sweep: type a target frequency first."));
        return;
    }
    const Before before{static_cast<double>(measurement_.fMin()) / kHzPerMHz,
                        static_cast<double>(measurement_.settings().FMax) / kHzPerMHz,
                        measurement_.settings().Step};
    const SweepLimitsHz limits = FastSweepLimits(*centreHz);
    if (!measurement_.sweepLimitsMHz(limits.lowHz / kHzPerMHz, limits.highHz / kHzPerMHz)) {
        refuse({});  // the user kept the readings opened from a file
        return;
    }
    const int stride = FastSweepStride(measurement_.settings().Champ);
    measurement_.setSweepStride(stride);
    beforeFast_ = before;
    rate_.clear();
    fastText_ = QStringLiteral("Fast sweep %1 to %2 MHz, %3 points")
                    .arg(TableMHz(limits.lowHz, locale_), TableMHz(limits.highHz, locale_))
                    .arg(measurement_.settings().Champ / stride + 1);
    showNotice();
}

void AuralBar::showNotice() {
    QStringList parts;
    if (tone_->isChecked() || !toneProblem_.isEmpty()) {
        parts << (toneProblem_.isEmpty() ? QStringLiteral("Tone on") : toneProblem_);
    }
    if (!speechProblem_.isEmpty()) parts << speechProblem_;
    if (!fastText_.isEmpty()) {
        QString fast = fastText_;
        if (const std::optional<double> perSecond = rate_.perSecond(); perSecond && beforeFast_) {
            fast +=
                QStringLiteral(": %1 sweeps a second").arg(locale_.toString(*perSecond, 'f', 1));
        }
        parts << fast;
    }
    notice_->setText(parts.join(QStringLiteral(". ")));
}

void AuralBar::showEvent(QShowEvent* event) {
    QToolBar::showEvent(event);
    applyPitch();
}

void AuralBar::hideEvent(QHideEvent* event) {
    QToolBar::hideEvent(event);
    applyPitch();
}

}  // namespace ravemo
