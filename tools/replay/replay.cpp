#include "tools/replay/replay.h"

#include <array>
#include <charconv>

#include "state/texts.h"
#include "ui/layout.h"

namespace sledloop::replay {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits on runs of blanks; at most 3 words are kept, `count` tells how many there were.
struct Words {
    std::array<std::string_view, 3> word;
    int count = 0;
};

Words split(std::string_view line) {
    Words w;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) break;
        std::size_t j = i;
        while (j < line.size() && !isBlank(line[j]))
            ++j;
        if (w.count < 3) w.word[w.count] = line.substr(i, j - i);
        ++w.count;
        i = j;
    }
    return w;
}

// One or more decimal digits; leading zeros allowed. Values beyond `max`
// (or too long to hold) are refused.
bool parseNumber(std::string_view text, std::int64_t max, std::int64_t& value) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 18) return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value <= max;
}

// "<prefix><digits><suffix>" with the number in min..max.
bool parseIndexed(std::string_view word, std::string_view prefix, std::string_view suffix,
                  std::int64_t min, std::int64_t max, std::int64_t& value) {
    if (word.size() < prefix.size() + suffix.size() || !word.starts_with(prefix) ||
        !word.ends_with(suffix)) {
        return false;
    }
    word.remove_prefix(prefix.size());
    word.remove_suffix(suffix.size());
    return parseNumber(word, max, value) && value >= min;
}

struct Syntax {
    std::string_view name;
    Kind kind;
    std::string_view prefix, suffix;  // empty prefix: no argument
    std::int64_t min, max;
    std::string_view expects;
};

constexpr std::array<Syntax, 10> kSyntax{{
    {"load", Kind::Load, "", "", 0, 0, ""},
    {"unload", Kind::Unload, "", "", 0, 0, ""},
    {"button", Kind::Button, "", "", 0, 0, ""},
    {"click", Kind::Click, "Frame", "", 1, 4, "Frame1 to Frame4"},
    {"dblclick", Kind::DblClick, "Frame", "", 1, 4, "Frame1 to Frame4"},
    {"press", Kind::Press, "santa(", ")", 0, 20, "santa(0) to santa(20)"},
    {"hover", Kind::Hover, "santa(", ")", 0, 20, "santa(0) to santa(20)"},
    {"tick", Kind::Tick, "Timer", "", 1, 3, "Timer1 to Timer3"},
    {"wait", Kind::Wait, "*", "", 0, kMaxWait, "milliseconds from 0 to 100000000"},
    {"state", Kind::State, "", "", 0, 0, ""},
}};

const Syntax* findSyntax(Kind kind) {
    for (const Syntax& s : kSyntax) {
        if (s.kind == kind) return &s;
    }
    return nullptr;
}

std::string quoted(std::string_view word) {
    std::string q = "\"";
    for (unsigned char c : word) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            q.push_back(static_cast<char>(c));
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            q += "\\x";
            q.push_back(kHex[c >> 4]);
            q.push_back(kHex[c & 15]);
        }
    }
    q.push_back('"');
    return q;
}

}  // namespace

Parsed parseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const Words w = split(line);
    if (w.count == 0 || w.word[0].front() == '#') return Blank{};

    const Syntax* syntax = nullptr;
    for (const Syntax& s : kSyntax) {
        if (s.name == w.word[0]) syntax = &s;
    }
    if (syntax == nullptr) return Malformed{"unknown event " + quoted(w.word[0])};

    const int wanted = syntax->prefix.empty() ? 1 : 2;
    if (w.count < wanted) {
        return Malformed{std::string(syntax->name) + ": missing argument (" +
                         std::string(syntax->expects) + ")"};
    }
    if (w.count > wanted) {
        return Malformed{std::string(syntax->name) + ": extra argument " + quoted(w.word[wanted])};
    }
    Event event{syntax->kind, 0};
    if (wanted == 2) {
        const bool ok = syntax->prefix == "*"
                            ? parseNumber(w.word[1], syntax->max, event.arg)
                            : parseIndexed(w.word[1], syntax->prefix, syntax->suffix, syntax->min,
                                           syntax->max, event.arg);
        if (!ok) {
            return Malformed{std::string(syntax->name) + ": bad argument " + quoted(w.word[1]) +
                             " (expected " + std::string(syntax->expects) + ")"};
        }
    }
    return event;
}

std::string canonical(const Event& event) {
    const Syntax* syntax = findSyntax(event.kind);
    if (syntax == nullptr) return "?";
    std::string text(syntax->name);
    if (!syntax->prefix.empty()) {
        text.push_back(' ');
        if (syntax->prefix != "*") text.append(syntax->prefix);
        text.append(NumberText(event.arg).view());
        text.append(syntax->suffix);
    }
    return text;
}

Driver::Driver() : game_{state_, ports_, ports_} {}

bool Driver::spriteReachable(int slot) const {
    const SpriteModel& sprite = ports_.sprite(slot);
    return sprite.shown && sprite.top < kFieldHeight;  // the HUD panel covers the rest
}

void Driver::echo(const Event& event) {
    std::string line = "> ";
    line.append(NumberText(ports_.timers().now()).view());
    line.push_back(' ');
    line.append(canonical(event));
    ports_.writeLine(line);
}

bool Driver::run(const Event& event, Delivery delivery) {
    const int arg = static_cast<int>(event.arg);
    const bool always = delivery == Delivery::Always;
    switch (event.kind) {
        case Kind::Load:
            echo(event);
            onLoad(game_);
            return true;
        case Kind::Unload:
            echo(event);
            onUnload(game_);
            return false;
        case Kind::Button:
            echo(event);
            onCommand1Click(game_);
            return true;
        case Kind::Click:
        case Kind::DblClick:
            echo(event);
            onFrameClick(game_, static_cast<Frame>(arg - 1));
            return true;
        case Kind::Press:
        case Kind::Hover:
            if (!inRoster(arg) || (!always && !spriteReachable(arg))) return true;
            echo(event);
            if (event.kind == Kind::Press) {
                onSantaPress(game_, arg);
            } else {
                onSantaHover(game_, arg);
            }
            return true;
        case Kind::Tick: {
            const auto timer = static_cast<TimerId>(arg - 1);
            if (arg < 1 || arg > kTimerCount || (!always && !ports_.timers().running(timer))) {
                return true;
            }
            echo(event);
            onTimer(game_, timer);
            return true;
        }
        case Kind::Wait: {
            TimerScheduler& timers = ports_.timers();
            const std::int64_t until = timers.now() + event.arg;
            while (const auto timer = timers.popDue(until)) {
                echo(Event{Kind::Tick, static_cast<int>(*timer) + 1});
                onTimer(game_, *timer);
            }
            timers.advanceTo(until);
            return true;
        }
        case Kind::State:
            echo(event);
            dumpState();
            return true;
    }
    return true;
}

void Driver::dumpState() {
    const GameState& s = state_;
    std::string line;
    auto num = [&line](long long n) { line.append(NumberText(n).view()); };

    line = "state StageNumber=";
    num(s.StageNumber);
    line += " SelectedSkill=";
    num(s.SelectedSkill);
    line += " LastSantaIndex=";
    num(s.LastSantaIndex);
    line += " ClockTicks=";
    num(s.ClockTicks);
    line += " TimeLimit=";
    num(s.TimeLimit);
    line += " SkillStock=";
    for (int k = 0; k < kSkillCount; ++k) {
        if (k > 0) line.push_back(',');
        num(s.SkillStock[k]);
    }
    ports_.writeLine(line);

    for (int k = 0; k < kRosterSlots; ++k) {
        line = "santa ";
        num(k);
        line += " col=";
        num(s.SantaCol[k]);
        line += " row=";
        num(s.SantaRow[k]);
        line += " dx=";
        num(s.SantaStepX[k]);
        line += " dy=";
        num(s.SantaStepY[k]);
        line += " state=";
        num(s.SantaState[k]);
        ports_.writeLine(line);
    }

    line = "cells";
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (s.TileMap[c][r] == CellEmpty) continue;
            line.push_back(' ');
            num(c);
            line.push_back(',');
            num(r);
            line.push_back('=');
            num(s.TileMap[c][r]);
        }
    }
    ports_.writeLine(line);
}

Script::Step Script::feed(std::string_view line) {
    ++lineNo_;
    const Parsed parsed = parseLine(line);
    if (const auto* bad = std::get_if<Malformed>(&parsed)) {
        error_ = "line " + std::to_string(lineNo_) + ": " + bad->reason;
        return Step::Malformed;
    }
    if (const auto* event = std::get_if<Event>(&parsed)) {
        return driver_.run(*event) ? Step::Continue : Step::Stop;
    }
    return Step::Continue;
}

Status runScript(std::string_view script, std::string& out, std::string& error) {
    Script runner;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const Script::Step step = runner.feed(script.substr(0, end));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        out += runner.takeOutput();
        if (step == Script::Step::Malformed) {
            error = runner.error();
            return Status::Malformed;
        }
        if (step == Script::Step::Stop) break;
    }
    return Status::Done;
}

}  // namespace sledloop::replay
