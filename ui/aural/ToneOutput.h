#pragma once

#include <memory>
#include <optional>

#include <QIODevice>
#include <QObject>
#include <QString>

#include "aural/ToneGenerator.h"

class QAudioSink;

namespace ravemo {

// The tone generator as the endless stream an audio output pulls its samples from, each mono
// sample repeated on every channel the device wants.
class ToneStream final : public QIODevice {
    Q_OBJECT
  public:
    ToneStream(ToneGenerator& generator, int channels, QObject* parent = nullptr);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    ToneGenerator& generator_;
    int channels_;
};

// The aural tone on the system's default audio output (Qt Multimedia). Nothing is opened until
// start(); a missing or refusing device is a problem in words, never a crash.
class ToneOutput final : public QObject {
    Q_OBJECT
  public:
    explicit ToneOutput(QObject* parent = nullptr);
    ~ToneOutput() override;

    // Opens the default output and plays; the problem in words when it cannot, else empty.
    QString start();
    void stop();
    bool playing() const { return sink_ != nullptr; }

    // Kept while stopped, for the next start.
    void setPitchHz(std::optional<double> hz);
    void setVolume(double share);
    void playBeeps(int count);

  Q_SIGNALS:
    // The device failed while playing (unplugged, the sound server went away).
    void failed(const QString& problem);

  private:
    void onStateChanged();

    std::optional<double> pitchHz_;
    double volume_ = 0.5;
    std::unique_ptr<ToneGenerator> generator_;
    ToneStream* stream_ = nullptr;
    QAudioSink* sink_ = nullptr;
};

}  // namespace ravemo
