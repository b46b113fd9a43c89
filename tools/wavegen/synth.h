// A small synthesizer: band-limited oscillators and noise, envelopes, and a
// sequencer that reads tunes written as text. Everything is deterministic, so
// that every build writes the same wave files.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace sledloop::wave {

inline constexpr int kSampleRate = 44100;

// Mono, nominally within [-1, 1].
using Signal = std::vector<double>;

enum class Shape : std::uint8_t { sine, triangle, square, saw, noise };

struct Envelope {
    double attack = 0.005;  // seconds to full level
    double decay = 0.2;     // time constant of the fall towards the sustain level
    double sustain = 0.7;
    double release = 0.05;  // seconds from the note's end to silence

    // Level t seconds after the note's start, for a note held `held` seconds.
    double at(double t, double held) const;
};

// An overtone of an instrument, as a frequency ratio and a level.
struct Partial {
    double ratio = 1.0;
    double level = 1.0;
};

struct Instrument {
    Shape shape = Shape::sine;
    Envelope envelope;
    double gain = 1.0;
    // Sine instruments only: the overtones. Higher ones die away faster by
    // `partialDamping` per second and per unit of ratio, as in a bell.
    std::vector<Partial> partials = {{1.0, 1.0}};
    double partialDamping = 0.0;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double tremoloDepth = 0.0;  // fraction of the level, at the vibrato's rate
    double lowPassHz = 0.0;     // 0: open
    double highPassHz = 0.0;    // 0: open
};

struct NoteEvent {
    double start = 0.0;   // seconds
    double length = 0.0;  // seconds held, the release comes after
    double hz = 440.0;
    double endHz = 0.0;  // slides to this pitch over the held part; 0: no slide
    double velocity = 1.0;
};

double keyHz(int midiKey);

// Adds one note into `out`, growing it when the note's release runs past its end.
void play(Signal& out, const Instrument& instrument, const NoteEvent& note);

// A note of a tune, in beats.
struct Note {
    double beat = 0.0;
    double beats = 1.0;
    int key = 60;  // MIDI key number
};

// Reads a line of a tune: blank-separated "<pitch><octave>:<beats>" tokens such as
// "E5:1 F#4:0.5", or "r:<beats>" for a rest, one after the other from `firstBeat`.
// Throws std::invalid_argument on a malformed token.
std::vector<Note> parseTune(std::string_view text, double firstBeat = 0.0);

// Plays the notes at `secondsPerBeat`; `gate` is the part of each note's length
// that is held.
void playTune(Signal& out, const Instrument& instrument, std::span<const Note> notes,
              double secondsPerBeat, double gate = 0.9, double velocity = 1.0);

// Scales the signal to `peak`, fades its ends and converts it to 16-bit samples.
std::vector<std::int16_t> finish(const Signal& signal, double peak, double fadeInSeconds,
                                 double fadeOutSeconds);

}  // namespace sledloop::wave
