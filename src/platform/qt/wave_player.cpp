#include "platform/qt/wave_player.h"

#include <algorithm>
#include <string>

#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include "formats/wave_image.h"

namespace orvik {

namespace {

// How long a device may take beyond the clip's duration to start and drain.
constexpr qint64 kDeviceGraceMs = 2000;

QAudioFormat::SampleFormat SampleFormatOf(WaveEncoding encoding) {
    switch (encoding) {
        case WaveEncoding::UnsignedInt8: return QAudioFormat::UInt8;
        case WaveEncoding::SignedInt16: return QAudioFormat::Int16;
        case WaveEncoding::SignedInt32: return QAudioFormat::Int32;
        case WaveEncoding::Float32: return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

QAudioFormat AudioFormatOf(const WaveFormat& wave) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(wave.sampleRate));
    format.setChannelCount(wave.channels);
    format.setSampleFormat(SampleFormatOf(wave.encoding));
    return format;
}

// Idle: every byte has gone to the device; stopped: it failed.
bool Ended(const QAudioSink& sink) {
    return sink.state() == QAudio::IdleState || sink.state() == QAudio::StoppedState;
}

// Runs the thread's events but the user's input, which waits, until `ms`
// milliseconds have passed or the sink, when there is one, has ended.
void RunEventsFor(qint64 ms, const QAudioSink* sink = nullptr) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (sink) QObject::connect(sink, &QAudioSink::stateChanged, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::max<qint64>(ms, 0)));
    while (timer.isActive() && !(sink && Ended(*sink))) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::string DeviceError(QAudio::Error error) {
    switch (error) {
        case QAudio::OpenError: return "the sound device could not be opened";
        case QAudio::IOError: return "the sound device failed while playing";
        case QAudio::FatalError: return "the sound device is not usable";
        default: return "the sound device stopped";
    }
}

SoundResult PlayOn(const QAudioDevice& device, const WaveImage& wave) {
    const QAudioFormat format = AudioFormatOf(wave.format);
    if (!device.isFormatSupported(format))
        return {false, "the sound device does not play " + std::to_string(wave.format.sampleRate) + " Hz, " +
                           std::to_string(wave.format.channels) + " channel sound of " +
                           std::to_string(wave.format.BytesPerSample() * 8) + "-bit samples"};
    QBuffer buffer;
    buffer.setData(wave.samples.data(), static_cast<qsizetype>(wave.samples.size()));
    buffer.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    QElapsedTimer clock;
    clock.start();
    sink.start(&buffer);
    const auto duration = static_cast<qint64>(wave.DurationMs());
    RunEventsFor(duration + kDeviceGraceMs, &sink);
    if (!Ended(sink)) {
        sink.stop();
        return {false, "the sound device did not play a clip of " + std::to_string(duration) + " ms within " +
                           std::to_string(duration + kDeviceGraceMs) + " ms"};
    }
    if (sink.state() == QAudio::StoppedState && sink.error() != QAudio::NoError) return {false, DeviceError(sink.error())};
    // The device still sounds what it holds when it has taken the last byte.
    RunEventsFor(duration - clock.elapsed());
    sink.stop();
    return {true, {}};
}

}  // namespace

SoundResult PlayWave(std::string_view image) {
    const WaveParse wave = ParseWaveImage(image);
    if (!wave.ok) return {false, "damaged WAVE file: " + wave.error};
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull()) return PlayOn(device, wave.image);
    RunEventsFor(static_cast<qint64>(wave.image.DurationMs()));
    return {true, {}};
}

}  // namespace orvik
