#include "wavegen/sounds.h"

#include <array>
#include <string_view>

#include "wavegen/synth.h"

namespace sledloop::wave {

namespace {

// Effects leave room for the music underneath: the two together stay below
// full scale.
constexpr double kEffectPeak = 0.5;
constexpr double kMusicPeak = 0.45;

const Instrument kLead{
    .shape = Shape::square,
    .envelope = {.attack = 0.006, .decay = 0.18, .sustain = 0.55, .release = 0.08},
    .gain = 0.32,
    .vibratoHz = 5.5,
    .vibratoDepth = 0.003,
    .lowPassHz = 2800.0,
};

// Glockenspiel-like sparkle an octave above the lead.
const Instrument kBell{
    .envelope = {.attack = 0.002, .decay = 0.25, .sustain = 0.0, .release = 0.15},
    .gain = 0.16,
    .partials = {{1.0, 1.0}, {2.76, 0.3}, {5.4, 0.12}},
    .partialDamping = 2.0,
};

const Instrument kBass{
    .shape = Shape::triangle,
    .envelope = {.attack = 0.004, .decay = 0.3, .sustain = 0.5, .release = 0.06},
    .gain = 0.5,
};

const Instrument kChord{
    .shape = Shape::square,
    .envelope = {.attack = 0.004, .decay = 0.08, .sustain = 0.3, .release = 0.05},
    .gain = 0.09,
    .lowPassHz = 1400.0,
};

// Sleigh bells: a hiss and a few clashing metal partials, gone within 60 ms.
const Instrument kJingleHiss{
    .shape = Shape::noise,
    .envelope = {.attack = 0.001, .decay = 0.025, .sustain = 0.0, .release = 0.03},
    .gain = 0.09,
    .lowPassHz = 9000.0,
    .highPassHz = 5000.0,
};
const Instrument kJingleMetal{
    .envelope = {.attack = 0.001, .decay = 0.04, .sustain = 0.0, .release = 0.03},
    .gain = 0.035,
    .partials = {{1.0, 1.0}, {1.34, 0.8}, {1.71, 0.6}, {2.23, 0.4}},
};

const Instrument kBrass{
    .shape = Shape::saw,
    .envelope = {.attack = 0.02, .decay = 0.25, .sustain = 0.75, .release = 0.12},
    .gain = 0.4,
    .vibratoHz = 5.5,
    .vibratoDepth = 0.004,
    .lowPassHz = 2400.0,
};

struct Bar {
    std::string_view melody;
    std::array<int, 3> chord;  // MIDI keys
    int root;                  // bass, MIDI key
};

// An original tune in C major at 132 beats a minute, sixteen bars in four
// phrases; it closes on the tonic and a rest, so a restart follows naturally.
constexpr std::array<Bar, 16> kTune{{
    {"E5:1 G5:1 C6:1 G5:1", {60, 64, 67}, 48},
    {"A5:1 F5:1 A5:1 C6:1", {60, 65, 69}, 41},
    {"B5:1 G5:0.5 A5:0.5 B5:1 D6:1", {59, 62, 67}, 43},
    {"C6:2 G5:1 E5:1", {60, 64, 67}, 48},
    {"E5:1 G5:1 C6:1 E6:1", {60, 64, 67}, 48},
    {"F6:1 E6:0.5 D6:0.5 C6:1 A5:1", {60, 65, 69}, 41},
    {"G5:1 B5:1 D6:1 F6:1", {59, 65, 67}, 43},
    {"E6:2 C6:2", {60, 64, 67}, 48},
    {"A5:0.5 C6:0.5 E6:1 C6:1 A5:1", {60, 64, 69}, 45},
    {"F5:0.5 A5:0.5 C6:1 A5:1 F5:1", {60, 65, 69}, 41},
    {"G5:0.5 C6:0.5 E6:1 D6:1 C6:1", {60, 64, 67}, 48},
    {"B5:1 A5:1 G5:1 D5:1", {59, 62, 67}, 43},
    {"E5:1 G5:1 C6:1 G5:1", {60, 64, 67}, 48},
    {"A5:1 C6:1 F6:1 E6:0.5 D6:0.5", {60, 65, 69}, 41},
    {"C6:1 B5:1 D6:1 B5:1", {59, 65, 67}, 43},
    {"C6:2 r:2", {60, 64, 67}, 48},
}};

void jingle(Signal& out, double at, double velocity) {
    play(out, kJingleHiss, {.start = at, .length = 0.05, .velocity = velocity});
    play(out, kJingleMetal, {.start = at, .length = 0.05, .hz = 3150.0, .velocity = velocity});
}

std::vector<std::int16_t> music() {
    constexpr double kSecondsPerBeat = 60.0 / 132.0;
    constexpr double kBeatsPerBar = 4.0;
    Signal out;
    for (std::size_t bar = 0; bar < kTune.size(); ++bar) {
        const double firstBeat = static_cast<double>(bar) * kBeatsPerBar;
        const auto melody = parseTune(kTune[bar].melody, firstBeat);
        playTune(out, kLead, melody, kSecondsPerBeat);
        auto sparkle = melody;
        for (Note& note : sparkle)
            note.key += 12;
        playTune(out, kBell, sparkle, kSecondsPerBeat, 0.3);

        const bool last = bar + 1 == kTune.size();
        const int root = kTune[bar].root;
        // Oom-pah: the root and the fifth on the strong beats, the chord between.
        const std::vector<Note> bass =
            last ? std::vector<Note>{{firstBeat, 2.0, root}}
                 : std::vector<Note>{{firstBeat, 1.0, root}, {firstBeat + 2.0, 1.0, root + 7}};
        playTune(out, kBass, bass, kSecondsPerBeat, 0.8);
        for (const int key : kTune[bar].chord) {
            const std::vector<Note> chord =
                last ? std::vector<Note>{{firstBeat, 2.0, key}}
                     : std::vector<Note>{{firstBeat + 1.0, 0.4, key}, {firstBeat + 3.0, 0.4, key}};
            playTune(out, kChord, chord, kSecondsPerBeat);
        }
        const int eighths = last ? 4 : 8;
        for (int k = 0; k < eighths; ++k) {
            const bool backBeat = k == 2 || k == 6;
            jingle(out, (firstBeat + 0.5 * k) * kSecondsPerBeat, backBeat ? 1.0 : 0.55);
        }
    }
    // The closing rest is part of the tune: the restart comes a bar later.
    out.resize(
        static_cast<std::size_t>(kTune.size() * kBeatsPerBar * kSecondsPerBeat * kSampleRate), 0.0);
    return finish(out, kMusicPeak, 0.002, 0.05);
}

// A pea whistle: a short blast and a long one, warbling as the pea spins.
std::vector<std::int16_t> whistle() {
    const Instrument tone{
        .envelope = {.attack = 0.015, .decay = 0.1, .sustain = 0.85, .release = 0.06},
        .partials = {{1.0, 1.0}, {2.0, 0.12}},
        .vibratoHz = 38.0,
        .vibratoDepth = 0.025,
        .tremoloDepth = 0.35,
    };
    const Instrument breath{
        .shape = Shape::noise,
        .envelope = tone.envelope,
        .gain = 0.12,
        .lowPassHz = 6000.0,
        .highPassHz = 1500.0,
    };
    Signal out;
    for (const auto& [start, length] : {std::pair{0.0, 0.14}, std::pair{0.26, 0.62}}) {
        play(out, tone, {.start = start, .length = length, .hz = 2900.0});
        play(out, breath, {.start = start, .length = length});
    }
    return finish(out, kEffectPeak, 0.002, 0.01);
}

// Pickup chime: two quick bell strokes, the second a fourth higher.
std::vector<std::int16_t> get() {
    Instrument chime = kBell;
    chime.gain = 1.0;
    chime.envelope.decay = 0.18;
    Signal out;
    play(out, chime, {.start = 0.0, .length = 0.07, .hz = keyHz(83)});
    play(out, chime, {.start = 0.07, .length = 0.45, .hz = keyHz(88)});
    return finish(out, kEffectPeak, 0.001, 0.01);
}

// A santa leaves: a rising whoop and two sparkles.
std::vector<std::int16_t> saru() {
    const Instrument whoop{
        .shape = Shape::triangle,
        .envelope = {.attack = 0.01, .decay = 0.2, .sustain = 0.6, .release = 0.05},
        .lowPassHz = 5000.0,
    };
    Instrument sparkle = kBell;
    sparkle.gain = 0.5;
    Signal out;
    play(out, whoop, {.start = 0.0, .length = 0.22, .hz = keyHz(67), .endHz = keyHz(79)});
    play(out, sparkle, {.start = 0.2, .length = 0.05, .hz = keyHz(96)});
    play(out, sparkle, {.start = 0.28, .length = 0.2, .hz = keyHz(100)});
    return finish(out, kEffectPeak, 0.001, 0.01);
}

// Stage clear: a rising brass call that lands on a held major chord.
std::vector<std::int16_t> clear() {
    Signal out;
    playTune(out, kBrass, parseTune("G4:0.25 C5:0.25 E5:0.25 G5:0.5 E5:0.25 G5:1.6"), 0.5);
    for (const std::string_view tone : {"C4:1.6", "E4:1.6"}) {
        playTune(out, kBrass, parseTune(tone, 1.5), 0.5, 0.9, 0.6);
    }
    playTune(out, kBass, parseTune("C3:1.6", 1.5), 0.5, 0.9, 0.8);
    return finish(out, kEffectPeak, 0.002, 0.02);
}

// Stage lost: three falling steps and a last note that sinks and trembles.
std::vector<std::int16_t> gameover() {
    Instrument lament = kBrass;
    lament.vibratoDepth = 0.012;
    Signal out;
    const double step = 0.32;
    for (const auto& [index, key] : {std::pair{0, 67}, std::pair{1, 66}, std::pair{2, 65}}) {
        play(out, lament, {.start = index * step, .length = step * 0.85, .hz = keyHz(key)});
        play(
            out, kBass,
            {.start = index * step, .length = step * 0.85, .hz = keyHz(key - 24), .velocity = 0.7});
    }
    play(out, lament, {.start = 3 * step, .length = 0.6, .hz = keyHz(64), .endHz = keyHz(62)});
    play(out, kBass,
         {.start = 3 * step, .length = 0.6, .hz = keyHz(40), .endHz = keyHz(38), .velocity = 0.7});
    return finish(out, kEffectPeak, 0.002, 0.03);
}

}  // namespace

std::vector<SoundFile> makeGameSounds() {
    std::vector<SoundFile> sounds;
    sounds.push_back({"bgm.wav", music()});
    sounds.push_back({"whistle.wav", whistle()});
    sounds.push_back({"get.wav", get()});
    sounds.push_back({"saru.wav", saru()});
    sounds.push_back({"clear.wav", clear()});
    sounds.push_back({"gameover.wav", gameover()});
    return sounds;
}

}  // namespace sledloop::wave
