// How long a push waits for its sound: from PlaySound() to the first sound
// the audio server plays, heard back through the monitor of the default output.
//
// Needs a sound server whose default source hears the default sink; without an
// audio output the benchmark is skipped. On a machine without sound, a private
// PulseAudio server with a null sink serves:
//
//   pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "module-null-sink sink_name=out"
//     -L "module-native-protocol-unix socket=/tmp/pa/native auth-anonymous=1" &    (one line)
//   export PULSE_SERVER=unix:/tmp/pa/native
//   pactl load-module module-remap-source master=out.monitor source_name=listen
//   pactl set-default-sink out; pactl set-default-source listen
//
// (Qt lists no monitor sources, hence the remapped one.) The figure includes the
// listener's own delay, so the effect itself starts a little sooner still.
#include <benchmark/benchmark.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/QtSoundPlayer.h"

namespace {

constexpr int kRate = 44100;
constexpr int kLoudSample = 2000;  // well above the silence of an idle null sink

void WriteToneWave(const std::string& path)
{
    const std::uint32_t samples = kRate / 5;  // 200 ms
    std::ofstream out(path, std::ios::binary);
    const auto little = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out << "RIFF";
    little(36 + samples * 2, 4);
    out << "WAVEfmt ";
    little(16, 4);
    little(1, 2);
    little(1, 2);
    little(kRate, 4);
    little(kRate * 2, 4);
    little(2, 2);
    little(16, 2);
    out << "data";
    little(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        little(static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(6.2831853 * 440.0 * i / kRate))), 2);
}

// Listens to what the default output plays and reports when it is no longer silent.
class Listener {
public:
    Listener()
    {
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        source_ = std::make_unique<QAudioSource>(QMediaDevices::defaultAudioInput(), format);
        source_->setBufferSize(kRate / 100 * 2);  // 10 ms: the listener's own delay stays small
        device_ = source_->start();
    }

    bool Works() const { return device_ != nullptr; }

    /// Drops what was heard so far.
    void Drain()
    {
        QCoreApplication::processEvents();
        device_->readAll();
    }

    /// Milliseconds from `since` to the first loud sample, waiting at most `limitMs`.
    std::optional<double> WaitForSound(const QElapsedTimer& since, int limitMs)
    {
        while (since.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            const QByteArray heard = device_->readAll();
            const auto* samples = reinterpret_cast<const std::int16_t*>(heard.constData());
            for (qsizetype i = 0; i < heard.size() / 2; ++i) {
                if (std::abs(samples[i]) > kLoudSample)
                    return since.nsecsElapsed() / 1e6;
            }
        }
        return std::nullopt;
    }

private:
    std::unique_ptr<QAudioSource> source_;
    QIODevice* device_ = nullptr;
};

void Settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The stream is open and running: the usual case while the player pushes boxes.
// With range(0) = 1 every effect comes after a pause long enough for the stream
// to rest, the case of the first push after a while.
void EffectStartLatency(benchmark::State& state)
{
    const bool afterRest = state.range(0) != 0;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteToneWave("BOXMOVE.WAV");

    // The listener gets going first, so that its own start is not counted.
    Listener listener;
    Settle(1000);
    tolvar::audio::QtSoundPlayer player;
    if (!player.HasOutput() || !listener.Works()) {
        state.SkipWithError("no audio output to play on and listen to");
        QDir::setCurrent(previous);
        return;
    }
    player.Preload("BOXMOVE.WAV");
    Settle(1000);  // the game shows its about box before the first push

    std::vector<double> delays;
    for (auto _ : state) {
        Settle(afterRest ? 3500 : 250);
        while (player.IsSounding())
            Settle(10);
        Settle(100);  // the last effect's tail leaves the server
        listener.Drain();
        QElapsedTimer since;
        since.start();
        player.PlaySound("BOXMOVE.WAV");
        const std::optional<double> heard = listener.WaitForSound(since, 2000);
        if (!heard) {
            state.SkipWithError("the effect was never heard");
            break;
        }
        delays.push_back(*heard);
        state.SetIterationTime(*heard / 1000.0);
    }
    if (!delays.empty()) {
        state.counters["first_ms"] = delays.front();
        std::sort(delays.begin(), delays.end());
        state.counters["median_ms"] = delays[delays.size() / 2];
        state.counters["worst_ms"] = delays.back();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(EffectStartLatency)->Arg(0)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(EffectStartLatency)->Arg(1)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
