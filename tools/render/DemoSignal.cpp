// Synthesis of the demo signal at 120 beats per minute in A minor. The parts use simple closed-form
// voices (swept sine kick, noise snare and hats, a softened saw bass, a detuned sine chord) so that the
// signal covers the spectrum a multi-filter is heard on without any sample files.
#include "tools/render/DemoSignal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double kBeatsPerSecond = 2.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double noteFrequency(int midiKey) {
    return 440.0 * std::exp2((midiKey - 69) / 12.0);
}

// A small deterministic noise source: the same sequence on every platform.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return double(state_ >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    uint64_t state_ = 0x2545F4914F6CDD1Dull;
};

double kick(double t) {
    // The pitch falls from 150 Hz towards 45 Hz; the phase is the integral of that sweep.
    const double sweep = 30.0;
    double phase = kTwoPi * (45.0 * t + (150.0 - 45.0) * (1.0 - std::exp(-sweep * t)) / sweep);
    return std::sin(phase) * std::exp(-7.0 * t);
}

double snare(double t, double noise) {
    return (0.6 * noise + 0.4 * std::sin(kTwoPi * 185.0 * t)) * std::exp(-18.0 * t);
}

double hat(double t, double noise, double& highPassState) {
    // A one-pole high pass leaves the hiss.
    double high = noise - highPassState;
    highPassState += 0.35 * high;
    return high * std::exp(-60.0 * t);
}

double bass(double t, int key) {
    double frequency = noteFrequency(key);
    double saw = 0.0;
    for (int harmonic = 1; harmonic <= 8; ++harmonic)
        saw += std::sin(kTwoPi * frequency * harmonic * t) / harmonic;
    return saw * 0.5 * std::exp(-2.5 * t) * std::min(1.0, t * 200.0);
}

double chord(double t, double detune) {
    static constexpr int kKeys[] = {57, 60, 64, 69}; // A3 C4 E4 A4
    double sum = 0.0;
    for (int key : kKeys)
        sum += std::sin(kTwoPi * noteFrequency(key) * detune * t);
    return sum * 0.25 * std::min(1.0, t / 0.4);
}

} // namespace

AudioData makeDemoSignal(double sampleRate, double seconds) {
    static constexpr int kBassKeys[] = {33, 33, 36, 31, 33, 40, 38, 36}; // one per beat, repeating
    AudioData audio;
    audio.sampleRate = sampleRate;
    size_t frames = size_t(std::max(0.0, seconds) * sampleRate);
    audio.channels.assign(2, std::vector<float>(frames, 0.0f));

    Noise noise;
    double highPassState = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        double time = double(i) / sampleRate;
        double beats = time * kBeatsPerSecond;
        long beat = long(beats);
        double sinceBeat = (beats - double(beat)) / kBeatsPerSecond;
        double sinceEighth = (beats * 2.0 - std::floor(beats * 2.0)) / (2.0 * kBeatsPerSecond);
        double white = noise.next();

        double drums = (beat % 2 == 0 ? kick(sinceBeat) : snare(sinceBeat, white)) +
                       0.25 * hat(sinceEighth, white, highPassState);
        double low = 0.35 * bass(sinceBeat, kBassKeys[beat % 8]);
        double left = 0.45 * drums + low + 0.12 * chord(time, 1.0);
        double right = 0.45 * drums + low + 0.12 * chord(time, 1.003);
        audio.channels[0][i] = float(left);
        audio.channels[1][i] = float(right);
    }
    return audio;
}
