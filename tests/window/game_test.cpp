// The window with the game's own handlers and the real mixer: a stage played
// through real SDL events on the hand-moved clock, checked on the pixels.
#include "ui/sdl/audio/mixer_sound.h"
#include "ui/sdl/form_layout.h"
#include "ui/sdl/game_events.h"
#include "window_fixture.h"

namespace sledloop::sdl::testing {
namespace {

using Log = std::vector<std::string>;

class GameTest : public RecordedWindowTest {
  protected:
    void SetUp() override {
        RecordedWindowTest::SetUp();
        sound_ = MixerSound::open();
        game_ = std::make_unique<GameEvents>(window->ops(), *sound_);
        events.next = game_.get();
        window->load();
        take();
    }
    void TearDown() override {
        game_.reset();
        sound_.reset();
        RecordedWindowTest::TearDown();
    }

    const GameState& state() const { return game_->state(); }
    void clickStart() { clickAt(kCommand1.x + 40, kCommand1.y + 20); }
    Rgb picturePixel(const Picture& p, int x, int y) const { return rgbOf(p.at(x, y)); }
    // Whether the last snapshot shows the picture unscaled at (left, top).
    bool shows(const Picture& p, int left, int top, int width = 32) const {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < width; ++x)
                if (at(left + x, top + y) != picturePixel(p, x, y)) return false;
        return true;
    }
    // A santa on the field walking, after `ms` of play.
    int walkingSanta() const {
        for (int k = 1; k <= state().LastSantaIndex; ++k) {
            if (state().SantaState[k] == StateWalkRight || state().SantaState[k] == StateWalkLeft)
                return k;
        }
        return -1;
    }

  private:
    std::unique_ptr<MixerSound> sound_;
    std::unique_ptr<GameEvents> game_;
};

// Frames are drawn only where something changed; whatever a stage does, the
// screen they leave must be the one a whole redraw gives.
TEST_F(GameTest, FramesDrawnInPartsMatchAWholeRedraw) {
    auto compare = [&](const std::string& when) {
        window->pump();
        const std::vector<std::uint32_t> shown = window->shownPixels();
        const std::vector<std::uint32_t> whole = window->readPixels();
        for (std::size_t i = 0; i < whole.size(); ++i) {
            ASSERT_EQ(shown[i], whole[i])
                << when << ": pixel " << i % kClient.w << "," << i / kClient.w;
        }
    };
    compare("at load");
    clickStart();
    compare("after START");
    for (int step = 0; step < 90; ++step) {
        wait(1000);
        if (const int k = walkingSanta(); k > 0) {
            const int x = 16 * state().SantaCol[k] + 16, y = 16 * state().SantaRow[k] + 16;
            moveTo(x, y);  // the hover preview
            if (step % 7 == 0) clickAt(x, y);
            moveTo(600, 300);
        }
        if (step == 30) clickAt(kPalette[1].box.x + 40, kPalette[1].box.y + 60);  // ROCK
        compare("second " + std::to_string(step));
    }
    EXPECT_GT(state().ClockTicks, state().TimeLimit) << "the stage should have run out";
}

TEST_F(GameTest, StartRemovesTheTitleAndPaintsTheStage) {
    const Picture& wall = window->pictures().tile(Tile::WALL);
    snapshot();
    EXPECT_FALSE(shows(wall, 0, 96)) << "the title picture covers the field before START";
    clickStart();
    EXPECT_EQ(take(), Log{"button"});
    snapshot();
    EXPECT_EQ(hex(at(500, 200)), "#000000") << "the title picture is gone";
    EXPECT_TRUE(shows(wall, 0, 96));
    EXPECT_TRUE(shows(wall, 928, 96, 29)) << "the right-most column of the border";
    EXPECT_TRUE(shows(window->pictures().tile(Tile::INGO), 64, 0));
    EXPECT_TRUE(shows(window->pictures().tile(Tile::out), 32, 416));
    // DIG has stock in stage 1 and is chosen at once.
    EXPECT_EQ(hex(at(kPalette[3].box.x + 8, kPalette[3].box.y + 100)), "#FFFF80");
    EXPECT_EQ(hex(at(kPalette[0].box.x + 8, kPalette[0].box.y + 100)), "#C0C0FF");
}

TEST_F(GameTest, AClickOnAFrameWithStockHighlightsItAndAnEmptyOneIsRefused) {
    clickStart();
    clickAt(kPalette[1].stock.x + 3, kPalette[1].stock.y + 3);  // ROCK, on its stock label
    clickAt(kPalette[0].icon.x + 5, kPalette[0].icon.y + 5);    // BRIDGE has none in stage 1
    EXPECT_EQ(take(), (Log{"button", "click Frame2", "click Frame1"}));
    EXPECT_EQ(state().SelectedSkill, ROCK);
    snapshot();
    const Rgb expected[] = {kFrameIdle, kFrameChosen, kFrameIdle, kFrameIdle};
    for (int f = 0; f < kFrameCount; ++f)
        EXPECT_EQ(hex(at(kPalette[f].box.x + 8, kPalette[f].box.y + 100)), hex(expected[f])) << f;
}

TEST_F(GameTest, AWalkingSantaTakesTheSkillAndUncoversThePaintingWhenItMovesOn) {
    clickStart();
    wait(1000);  // the first clock tick releases slot 1
    int k = -1;
    for (int step = 0; step < 40 && k < 0; ++step) {
        wait(500);
        k = walkingSanta();
    }
    ASSERT_GE(k, 0) << "no santa walks";
    take();
    const SpriteView sprite = window->form().sprites[k];
    ASSERT_TRUE(sprite.visible);
    const int left = sprite.left, top = sprite.top;

    // Hovering paints the chosen skill's picture (DIG) under the sprite.
    moveTo(left + 16, top + 16);
    EXPECT_EQ(take(), Log{"hover santa(" + std::to_string(k) + ")"});
    snapshot();
    EXPECT_TRUE(shows(window->pictures().sprite(sprite.picture), left, top))
        << "the sprite lies over the painting";

    // Two steps later the santa has left the square and the painting shows.
    moveTo(5, 5);
    wait(1000);
    snapshot();
    const SpriteView moved = window->form().sprites[k];
    ASSERT_GE(std::abs(moved.left - left), 32) << "santa " << k << " did not walk on";
    EXPECT_TRUE(shows(window->pictures().tile(Tile::Picture4), left, top));

    // A press on it gives it DIG.
    const int digs = state().SkillStock[DIG];
    take();
    pressAt(moved.left + 16, moved.top + 16);
    releaseAt(moved.left + 16, moved.top + 16);
    EXPECT_EQ(take(), Log{"press santa(" + std::to_string(k) + ")"});
    EXPECT_EQ(state().SkillStock[DIG], digs - 1);
    EXPECT_EQ(window->form().label(Label::USE3), std::to_string(digs - 1));
}

TEST_F(GameTest, SantasUnderThePanelTakeNoPress) {
    // Before START sprites 0..9 lie under the panel with their visible flag on.
    for (int k = 0; k < 10; ++k) {
        const SpriteView& s = window->form().sprites[k];
        ASSERT_TRUE(s.visible);
        pressAt(s.left + 16, s.top + 16);
        releaseAt(s.left + 16, s.top + 16);
    }
    EXPECT_EQ(take(), Log{});
}

TEST_F(GameTest, ATimeOutShowsTheBannerOverTheSantasLeftOnTheField) {
    clickStart();
    wait(80 * 1000);  // stage 1 allows 80 clock ticks, counted from 9
    EXPECT_EQ(window->form().label(Label::Label4), "Stage  1");
    EXPECT_EQ(window->timers().interval(TimerId::Timer1), 0);
    EXPECT_EQ(window->timers().interval(TimerId::Timer2), 0);
    snapshot();
    int yellow = 0;
    for (int y = kBanner.y; y < kBanner.y + kBanner.h; ++y)
        for (int x = kBanner.x; x < kBanner.x + kBanner.w; ++x)
            yellow += at(x, y) == kBannerColor;
    EXPECT_GT(yellow, 50) << "the banner's text";

    // A santa left behind the banner takes no press there; beside it, it does.
    int k = -1;
    for (int s = 1; s <= state().LastSantaIndex && k < 0; ++s)
        if (window->form().sprites[s].visible) k = s;
    ASSERT_GE(k, 0) << "no santa left on the field";
    take();
    window->ops().moveSprite(k, kBanner.x + 100, kBanner.y);
    clickAt(kBanner.x + 110, kBanner.y + 10);
    window->ops().moveSprite(k, kBanner.x + 100, kBanner.y + kBanner.h);
    clickAt(kBanner.x + 110, kBanner.y + kBanner.h + 10);
    EXPECT_EQ(take(), Log{"press santa(" + std::to_string(k) + ")"});
}

}  // namespace
}  // namespace sledloop::sdl::testing
