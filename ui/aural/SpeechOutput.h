#pragma once

#include <memory>

#include <QLocale>
#include <QObject>
#include <QString>

class QTextToSpeech;

namespace ravemo {

// Spoken sentences through Qt TextToSpeech: speech-dispatcher where it is running, else flite
// (which needs no service). The sentences are English, as all of the program's words are, so
// the voice is English: the user's own variant (en_GB, en_US, ...) where the engine has it.
// The engine is opened on first use.
class SpeechOutput final : public QObject {
    Q_OBJECT
  public:
    explicit SpeechOutput(const QLocale& userLocale, QObject* parent = nullptr);
    ~SpeechOutput() override;

    // Why nothing can be spoken, in words; empty when a voice is there. Opens the engine.
    QString problem();
    // Speaks `text`, cutting short what is being spoken; false (with problem() saying why)
    // without a voice.
    bool say(const QString& text);
    bool speaking() const { return speaking_; }

  Q_SIGNALS:
    void speakingChanged(bool speaking);

  private:
    void open();

    QLocale userLocale_;
    bool opened_ = false;
    std::unique_ptr<QTextToSpeech> engine_;
    QString problem_;
    bool speaking_ = false;
};

}  // namespace ravemo
