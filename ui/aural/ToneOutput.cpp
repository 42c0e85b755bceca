#include "ui/aural/ToneOutput.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace ravemo {
namespace {

constexpr int kBytesPerSample = 2;
// The device's buffer: short, so that a new pitch is heard within a sweep of the fast sweep.
constexpr int kBufferMs = 60;
constexpr int kUsPerMs = 1000;
// What the stream says it holds: always more than a device asks for at once.
constexpr qint64 kEndlessBytes = 1 << 20;

const QString kNoDevice = QStringLiteral(
    "No sound device: the aural tone cannot be heard. Check that a sound card or a sound server "
    "(PulseAudio, PipeWire) is present.");

}  // namespace

ToneStream::ToneStream(ToneGenerator& generator, int channels, QObject* parent)
    : QIODevice(parent), generator_(generator), channels_(std::max(channels, 1)) {}

qint64 ToneStream::bytesAvailable() const { return kEndlessBytes + QIODevice::bytesAvailable(); }

qint64 ToneStream::readData(char* data, qint64 maxSize) {
    const qint64 frameBytes = qint64{kBytesPerSample} * channels_;
    const auto frames = static_cast<std::size_t>(maxSize / frameBytes);
    std::vector<std::int16_t> mono(frames);
    generator_.render(mono);
    std::vector<std::int16_t> interleaved(frames * static_cast<std::size_t>(channels_));
    for (std::size_t i = 0; i < interleaved.size(); ++i) {
        interleaved[i] = mono[i / static_cast<std::size_t>(channels_)];
    }
    const std::size_t bytes = interleaved.size() * kBytesPerSample;
    std::memcpy(data, interleaved.data(), bytes);
    return static_cast<qint64>(bytes);
}

qint64 ToneStream::writeData(const char* /*data*/, qint64 /*maxSize*/) { return -1; }

ToneOutput::ToneOutput(QObject* parent) : QObject(parent) {}

ToneOutput::~ToneOutput() { stop(); }

QString ToneOutput::start() {
    if (sink_ != nullptr) return {};
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return kNoDevice;
    QAudioFormat format;
    format.setSampleRate(device.preferredFormat().sampleRate());
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    if (!device.isFormatSupported(format))
        format.setChannelCount(device.preferredFormat().channelCount());
    if (!device.isFormatSupported(format) || format.sampleRate() <= 0) {
        return QStringLiteral(
                   "The sound device \"%1\" plays no 16-bit sound: the aural tone "
                   "cannot be heard.")
            .arg(device.description());
    }
    generator_ = std::make_unique<ToneGenerator>(format.sampleRate());
    generator_->setPitchHz(pitchHz_);
    generator_->setVolume(volume_);
    stream_ = new ToneStream(*generator_, format.channelCount(), this);
    stream_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    sink_->setBufferSize(
        static_cast<qsizetype>(format.bytesForDuration(qint64{kBufferMs} * kUsPerMs)));
    connect(sink_, &QAudioSink::stateChanged, this, &ToneOutput::onStateChanged);
    sink_->start(stream_);
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        stop();
        return QStringLiteral(
                   "The sound device \"%1\" could not be opened: the aural tone "
                   "cannot be heard.")
            .arg(device.description());
    }
    return {};
}

void ToneOutput::stop() {
    if (sink_ != nullptr) {
        sink_->disconnect(this);
        sink_->stop();
        delete sink_;
        sink_ = nullptr;
    }
    delete stream_;
    stream_ = nullptr;
    generator_.reset();
}

void ToneOutput::onStateChanged() {
    // An underrun only means the device waited for samples; the stream never runs dry.
    if (sink_ == nullptr || sink_->error() == QAudio::NoError ||
        sink_->error() == QAudio::UnderrunError) {
        return;
    }
    stop();
    Q_EMIT failed(
        QStringLiteral("The sound device stopped: the aural tone is off. Turn it on "
                       "again (F6) once the device is back."));
}

void ToneOutput::setPitchHz(std::optional<double> hz) {
    pitchHz_ = hz;
    if (generator_) generator_->setPitchHz(hz);
}

void ToneOutput::setVolume(double share) {
    volume_ = share;
    if (generator_) generator_->setVolume(share);
}

void ToneOutput::playBeeps(int count) {
    if (generator_) generator_->playBeeps(count);
}

}  // namespace ravemo
