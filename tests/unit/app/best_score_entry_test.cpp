// The end of a game with a score good enough for the table: the place it earns, the name
// dialog answered by typed keys, and the cancelled or interrupted dialog.
#include "game_fixture.h"

#include "platform/dialog.h"
#include "platform/event_source.h"
#include "platform/run_state.h"
#include "platform/window_registry.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

using namespace platform;

// Keys a person would type into the dialog, delivered one per turn of its loop.
class TypedKeys : public EventSource {
public:
    std::deque<Event> events;
    bool Next(long, Event& event) override {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
};

class BestScoreEntry : public ::testing::Test {
protected:
    void SetUp() override {
        apptest::enterGameFolder(); // the game saves its best scores there when it goes
        ResetRun();
        windows::SetMain(&mainWindow_);
        CurrentRun().sources.push_back(&keys_);
        const int scores[] = {500, 300, 300, 100, 50};
        for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
            game.world.bestScores.set(i, "p" + std::to_string(i), scores[i]);
    }
    void TearDown() override {
        windows::SetMain(nullptr);
        ResetRun();
    }
    void type(const std::string& text) { push(Event::Kind::Text, 0, text); }
    void key(int code) { push(Event::Kind::KeyDown, code, ""); }
    void push(Event::Kind kind, int code, const std::string& text) {
        Event event;
        event.kind = kind;
        event.key = code;
        event.text = text;
        keys_.events.push_back(event);
    }
    void expectNames(const std::vector<std::string>& names) {
        for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
            EXPECT_EQ(game.world.bestScores.entry(i).name, names[size_t(i)]) << "entry " << i;
    }

    Game game;
    TypedKeys keys_;

private:
    Dialog mainWindow_;
};

TEST_F(BestScoreEntry, AnEqualScoreAsksForNoName) {
    game.world.score = 50;
    type("ignored");
    key(VK_RETURN);
    game.enterBestScore();
    expectNames({"p0", "p1", "p2", "p3", "p4"});
    EXPECT_EQ(keys_.events.size(), 2u); // no dialog took them
}

TEST_F(BestScoreEntry, TheTypedNameTakesTheEarnedPlace) {
    game.world.score = 300; // below the equal scores
    type("Z");
    type("ed ");
    key(VK_RETURN);
    game.enterBestScore();
    expectNames({"p0", "p1", "p2", "Zed ", "p3"});
    EXPECT_EQ(game.world.bestScores.entry(3).score, 300);
}

TEST_F(BestScoreEntry, TopAndBottomPlaces) {
    game.world.score = 900;
    type("Top");
    key(VK_RETURN);
    game.enterBestScore();
    expectNames({"Top", "p0", "p1", "p2", "p3"});
    game.world.score = 150; // above only the last entry
    type("  ");
    key(VK_RETURN);
    game.enterBestScore();
    expectNames({"Top", "p0", "p1", "p2", "  "}); // blanks are a name
}

TEST_F(BestScoreEntry, ACancelledOrEmptyNameIsSuperHero) {
    game.world.score = 400;
    type("Half");
    key(VK_ESCAPE);
    game.enterBestScore();
    expectNames({"p0", "SuperHero", "p1", "p2", "p3"});
    key(VK_RETURN);
    game.enterBestScore();
    expectNames({"p0", "SuperHero", "SuperHero", "p1", "p2"});
}

TEST_F(BestScoreEntry, TheProgramEndingDuringTheDialogLeavesNoDuplicate) {
    game.world.score = 400;
    type("Interrupted");
    push(Event::Kind::Quit, 0, "");
    game.enterBestScore();
    expectNames({"p0", "SuperHero", "p1", "p2", "p3"});
}

} // namespace
