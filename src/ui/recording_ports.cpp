#include "ui/recording_ports.h"

#include "state/texts.h"
#include "ui/layout.h"

namespace sledloop {

namespace {

struct Sprite {
    int slot;
};

void append(std::string& out, std::string_view text) {
    out.append(text);
}
void append(std::string& out, const char* text) {
    out.append(text);
}
void append(std::string& out, int n) {
    out.append(NumberText(n).view());
}
void append(std::string& out, Sprite s) {
    out.append("santa(");
    append(out, s.slot);
    out.push_back(')');
}
void append(std::string& out, Rgb c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char text[] = {'#',
                         kHex[c.r >> 4],
                         kHex[c.r & 15],
                         kHex[c.g >> 4],
                         kHex[c.g & 15],
                         kHex[c.b >> 4],
                         kHex[c.b & 15]};
    out.append(text, sizeof text);
}

}  // namespace

RecordingPorts::RecordingPorts() {
    for (int i = 0; i < kRosterSlots; ++i) {
        sprites_[i] = {kSpriteStart[i].left, kSpriteStart[i].top, kSpriteStart[i].visible};
    }
    // Every counter and stock label reads "0" when the window opens; the banner is empty.
    labels_.fill("0");
    labels_[static_cast<int>(Label::Label4)].clear();
}

template <typename... Parts>
void RecordingPorts::line(const Parts&... parts) {
    bool first = true;
    ((first ? void() : out_.push_back(' '), append(out_, parts), first = false), ...);
    out_.push_back('\n');
}

std::string RecordingPorts::takeOutput() {
    std::string taken;
    taken.swap(out_);
    return taken;
}

void RecordingPorts::writeLine(std::string_view text) {
    line(text);
}

void RecordingPorts::clear() {
    line("clear");
}

void RecordingPorts::paint(Tile tile, int x, int y) {
    line("paint", tileName(tile), x, y);
}

void RecordingPorts::moveSprite(int slot, int left, int top) {
    if (inRoster(slot)) sprites_[slot].left = left, sprites_[slot].top = top;
    line("move", Sprite{slot}, left, top);
}

void RecordingPorts::showSprite(int slot) {
    if (inRoster(slot)) sprites_[slot].shown = true;
    line("show", Sprite{slot});
}

void RecordingPorts::hideSprite(int slot) {
    if (inRoster(slot)) sprites_[slot].shown = false;
    line("hide", Sprite{slot});
}

void RecordingPorts::setSpritePicture(int slot, SpriteSource source) {
    line("picture", Sprite{slot}, spriteSourceName(source));
}

void RecordingPorts::setLabelText(Label label, std::string_view text) {
    if (static_cast<int>(label) < kLabelCount) labels_[static_cast<int>(label)] = text;
    out_.append("text ");
    out_.append(labelName(label));
    out_.append(" \"");
    out_.append(text);
    out_.append("\"\n");
}

void RecordingPorts::showBanner() {
    line("show Label4");
}
void RecordingPorts::hideBanner() {
    line("hide Label4");
}
void RecordingPorts::hideTitle() {
    line("hide Image1");
}

void RecordingPorts::setFrameColor(Frame frame, Rgb color) {
    line("color", frameName(frame), color);
}

void RecordingPorts::setTimerInterval(TimerId timer, int ms) {
    timers_.setInterval(timer, ms);
    line("interval", timerName(timer), ms);
}

void RecordingPorts::playEffect(std::string_view file) {
    line("effect", file);
}

void RecordingPorts::sendMusicCommand(std::string_view command) {
    line("mci", command);
}

}  // namespace sledloop
