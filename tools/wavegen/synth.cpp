#include "wavegen/synth.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sledloop::wave {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Rounds off the jumps of the naive saw and square, which would otherwise fold
// back into audible whistles at high notes.
double polyBlep(double phase, double step) {
    if (phase < step) {
        const double x = phase / step;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - step) {
        const double x = (phase - 1.0) / step;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double oscillate(Shape shape, double phase, double step) {
    switch (shape) {
        case Shape::triangle:
            return 1.0 - 4.0 * std::abs(phase - 0.5);
        case Shape::square: {
            const double half = phase < 0.5 ? 1.0 : -1.0;
            return half + polyBlep(phase, step) - polyBlep(std::fmod(phase + 0.5, 1.0), step);
        }
        case Shape::saw:
            return 2.0 * phase - 1.0 - polyBlep(phase, step);
        case Shape::sine:
        case Shape::noise:
            break;
    }
    return std::sin(kTwoPi * phase);
}

// A linear congruential generator: the same noise on every machine.
class Noise {
  public:
    explicit Noise(std::uint64_t seed)
        : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) * 0x1.0p-52 - 1.0;
    }

  private:
    std::uint64_t state_;
};

class OnePole {
  public:
    explicit OnePole(double cutoffHz)
        : coefficient_(cutoffHz > 0.0 ? 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate) : 1.0) {}
    double lowPass(double x) { return state_ += coefficient_ * (x - state_); }

  private:
    double coefficient_;
    double state_ = 0.0;
};

int semitoneOf(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return -1;
    }
}

[[noreturn]] void badToken(std::string_view token) {
    throw std::invalid_argument("bad note in tune: \"" + std::string(token) + "\"");
}

Note parseNote(std::string_view token, double beat) {
    const auto colon = token.find(':');
    if (colon == std::string_view::npos || colon == 0) badToken(token);
    const std::string_view pitch = token.substr(0, colon);
    const std::string_view length = token.substr(colon + 1);
    Note note;
    note.beat = beat;
    const auto [end, error] =
        std::from_chars(length.data(), length.data() + length.size(), note.beats);
    if (error != std::errc() || end != length.data() + length.size() || !(note.beats > 0.0)) {
        badToken(token);
    }
    if (pitch == "r") {
        note.key = -1;
        return note;
    }
    int semitone = semitoneOf(pitch[0]);
    std::size_t at = 1;
    if (at < pitch.size() && (pitch[at] == '#' || pitch[at] == 'b')) {
        semitone += pitch[at] == '#' ? 1 : -1;
        ++at;
    }
    int octave = 0;
    const auto [octaveEnd, octaveError] =
        std::from_chars(pitch.data() + at, pitch.data() + pitch.size(), octave);
    if (semitoneOf(pitch[0]) < 0 || octaveError != std::errc() ||
        octaveEnd != pitch.data() + pitch.size() || octave < 0 || octave > 9) {
        badToken(token);
    }
    note.key = 12 * (octave + 1) + semitone;
    return note;
}

}  // namespace

double Envelope::at(double t, double held) const {
    const auto sustained = [this](double u) {
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / decay);
    };
    if (t <= held) return sustained(t);
    if (release <= 0.0 || t >= held + release) return 0.0;
    return sustained(held) * (1.0 - (t - held) / release);
}

double keyHz(int midiKey) {
    return 440.0 * std::exp2((midiKey - 69) / 12.0);
}

void play(Signal& out, const Instrument& instrument, const NoteEvent& note) {
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(
        std::ceil((note.length + instrument.envelope.release) * kSampleRate));
    if (out.size() < first + count) out.resize(first + count, 0.0);

    const double nyquist = kSampleRate / 2.0;
    std::vector<double> phases(instrument.partials.size(), 0.0);
    std::vector<double> damping(instrument.partials.size(), 1.0);
    std::vector<double> dampingStep;
    for (const Partial& partial : instrument.partials) {
        dampingStep.push_back(std::exp(-instrument.partialDamping * partial.ratio / kSampleRate));
    }
    Noise noise(first * 31 + static_cast<std::uint64_t>(note.hz));
    OnePole lowPass(instrument.lowPassHz);
    OnePole highPassBase(instrument.highPassHz);
    double phase = 0.0;
    double vibratoPhase = 0.0;

    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double hz = note.hz;
        if (note.endHz > 0.0 && note.length > 0.0) {
            hz *= std::pow(note.endHz / note.hz, std::min(t / note.length, 1.0));
        }
        const double wobble = std::sin(kTwoPi * vibratoPhase);
        vibratoPhase += instrument.vibratoHz / kSampleRate;
        vibratoPhase -= std::floor(vibratoPhase);
        hz *= 1.0 + instrument.vibratoDepth * wobble;
        const double step = hz / kSampleRate;

        double x = 0.0;
        if (instrument.shape == Shape::noise) {
            x = noise.next();
        } else if (instrument.shape == Shape::sine) {
            for (std::size_t k = 0; k < phases.size(); ++k) {
                const Partial& partial = instrument.partials[k];
                if (hz * partial.ratio < nyquist) {
                    x += partial.level * damping[k] * std::sin(kTwoPi * phases[k]);
                }
                phases[k] += step * partial.ratio;
                phases[k] -= std::floor(phases[k]);
                damping[k] *= dampingStep[k];
            }
        } else {
            x = oscillate(instrument.shape, phase, step);
            phase += step;
            phase -= std::floor(phase);
        }
        if (instrument.lowPassHz > 0.0) x = lowPass.lowPass(x);
        if (instrument.highPassHz > 0.0) x -= highPassBase.lowPass(x);

        const double tremolo = 1.0 - instrument.tremoloDepth * (0.5 + 0.5 * wobble);
        out[first + i] +=
            x * instrument.envelope.at(t, note.length) * instrument.gain * note.velocity * tremolo;
    }
}

std::vector<Note> parseTune(std::string_view text, double firstBeat) {
    std::vector<Note> notes;
    double beat = firstBeat;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \n\t", at);
        if (at == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \n\t", at), text.size());
        const Note note = parseNote(text.substr(at, end - at), beat);
        beat += note.beats;
        if (note.key >= 0) notes.push_back(note);
        at = end;
    }
    return notes;
}

void playTune(Signal& out, const Instrument& instrument, std::span<const Note> notes,
              double secondsPerBeat, double gate, double velocity) {
    for (const Note& note : notes) {
        play(out, instrument,
             {.start = note.beat * secondsPerBeat,
              .length = note.beats * secondsPerBeat * gate,
              .hz = keyHz(note.key),
              .velocity = velocity});
    }
}

std::vector<std::int16_t> finish(const Signal& signal, double peak, double fadeInSeconds,
                                 double fadeOutSeconds) {
    double loudest = 0.0;
    for (const double x : signal)
        loudest = std::max(loudest, std::abs(x));
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    const double fadeIn = fadeInSeconds * kSampleRate;
    const double fadeOut = fadeOutSeconds * kSampleRate;
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        double gain = scale;
        const double fromStart = static_cast<double>(i);
        const double toEnd = static_cast<double>(signal.size() - 1 - i);
        if (fromStart < fadeIn) gain *= fromStart / fadeIn;
        if (toEnd < fadeOut) gain *= toEnd / fadeOut;
        const double value = std::clamp(std::round(signal[i] * gain * 32767.0), -32767.0, 32767.0);
        samples.push_back(static_cast<std::int16_t>(value));
    }
    return samples;
}

}  // namespace sledloop::wave
