#include "ui/aural/SpeechOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTextToSpeech>
#include <QVoice>

namespace ravemo {
namespace {

// The engines in the order they are preferred: speech-dispatcher speaks with the voice the
// user set up for the desktop; flite runs inside the program.
const char* const kEngines[] = {"speechd", "flite"};

// The user's English, else the first English the engine has, else none.
std::optional<QLocale> EnglishLocale(const QList<QLocale>& available, const QLocale& user) {
    if (user.language() == QLocale::English && available.contains(user)) return user;
    for (const QLocale& locale : available) {
        if (locale.language() == QLocale::English) return locale;
    }
    return std::nullopt;
}

}  // namespace

SpeechOutput::SpeechOutput(const QLocale& userLocale, QObject* parent)
    : QObject(parent), userLocale_(userLocale) {}

SpeechOutput::~SpeechOutput() = default;

void SpeechOutput::open() {
    if (opened_) return;
    opened_ = true;
    const QStringList available = QTextToSpeech::availableEngines();
    for (const char* name : kEngines) {
        if (!available.contains(QLatin1String(name))) continue;
        auto engine = std::make_unique<QTextToSpeech>(QString::fromLatin1(name));
        if (engine->state() == QTextToSpeech::Error) continue;  // e.g. no speech-dispatcher
        const std::optional<QLocale> english =
            EnglishLocale(engine->availableLocales(), userLocale_);
        if (!english) continue;
        engine->setLocale(*english);
        if (engine->availableVoices().isEmpty()) continue;
        engine_ = std::move(engine);
        break;
    }
    if (engine_ && engine_->engine() == QLatin1String("flite") &&
        QMediaDevices::defaultAudioOutput().isNull()) {
        engine_.reset();  // flite speaks through the program's own audio output
        problem_ = QStringLiteral("No sound device: nothing can be spoken.");
        return;
    }
    if (!engine_) {
        problem_ = QStringLiteral(
            "No English voice: nothing can be spoken. Install the flite voice for Qt "
            "(qt6-speech-flite-plugin) or set up speech-dispatcher.");
        return;
    }
    connect(engine_.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        const bool speaking = state == QTextToSpeech::Speaking;
        if (speaking == speaking_) return;
        speaking_ = speaking;
        Q_EMIT speakingChanged(speaking_);
    });
}

QString SpeechOutput::problem() {
    open();
    return problem_;
}

bool SpeechOutput::say(const QString& text) {
    open();
    if (!engine_) return false;
    engine_->stop();
    engine_->say(text);
    return true;
}

}  // namespace ravemo
