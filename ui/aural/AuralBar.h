#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QLocale>
#include <QToolBar>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "aural/MatchBeeps.h"
#include "aural/SpokenUpdates.h"
#include "aural/SweepRate.h"
#include "ui/aural/AuralPreferences.h"

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QSlider;

namespace ravemo {

class Measurement;
class SpeechOutput;
class ToneOutput;

// The tuning window's sound and speech, for tuning without looking at the screen: the aural
// SWR tone (F6; quieter Shift+F6, louder Ctrl+F6), the essentials spoken now (F7) or whenever
// the dip moves by more than a chosen step (Shift+F7), and the fast tuning sweep around the
// target (F8), whose measured refresh rate the window's status strip shows, with any sound
// device or voice that is missing.
//
// The tone follows the SWR at the target (ToneSwr); it is silent while Hold is ticked, when
// port accesses failed during the sweep, while a sentence is spoken and while the window is
// hidden. The sound device and the voice are opened only when first wanted.
class AuralBar final : public QToolBar {
    Q_OBJECT
  public:
    AuralBar(Measurement& measurement, QMainWindow& window, const QLocale& locale);
    ~AuralBar() override;

    void showChoices(const AuralPreferences& preferences);
    AuralPreferences choices() const;

    // After every analysis of the window: the set and the analysis as shown, and the target.
    void follow(const AntennaSamples& live, const AntennaAnalysis& analysis,
                std::optional<double> targetHz);
    // After every sweep the window analysed (follow() came first): beeps, spoken updates, rate.
    void sweepFinished();

    // The pitch the tone plays now; none while silent or off.
    std::optional<double> tonePitchHz() const { return pitchHz_; }
    QString spokenSummary() const;

    QAction& toneAction() const { return *tone_; }
    QAction& quieterAction() const { return *quieter_; }
    QAction& louderAction() const { return *louder_; }
    QAction& speakAction() const { return *speak_; }
    QAction& spokenUpdatesAction() const { return *updates_; }
    QAction& fastSweepAction() const { return *fast_; }
    QSlider& volumeSlider() const { return *volume_; }
    // The status strip's part: missing devices, the fast sweep and its rate.
    QLabel& notice() const { return *notice_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void toneToggled(bool on);
    void updatesToggled(bool on);
    void fastToggled(bool on);
    void speakNow();
    void applyPitch();
    void showNotice();

    Measurement& measurement_;
    QLocale locale_;
    QAction* tone_;
    QAction* quieter_;
    QAction* louder_;
    QAction* speak_;
    QAction* updates_;
    QAction* fast_;
    QSlider* volume_;
    QComboBox* step_;
    QLabel* notice_;
    ToneOutput* toneOutput_;
    SpeechOutput* speech_;

    AntennaSamples live_;
    AntennaAnalysis analysis_;
    std::optional<double> targetHz_;
    std::optional<double> pitchHz_;
    bool silenced_ = false;
    MatchBeeps beeps_;
    SpokenUpdates spokenUpdates_;
    QString toneProblem_;
    QString speechProblem_;
    // The fast sweep: the limits and stride to go back to, and how often it sweeps.
    struct Before {
        double lowMHz = 0.0;
        double highMHz = 0.0;
        int stride = 1;
    };
    std::optional<Before> beforeFast_;
    QString fastText_;
    SweepRate rate_;
    QElapsedTimer clock_;
};

}  // namespace ravemo
