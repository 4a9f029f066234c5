// The end of a game with a score good enough for the table: the place it earns, the name
// dialog answered by typed keys, and the cancelled or interrupted dialog.
#include "game_fixture.h"

#include "platform/dialog.h"
#include "platform/event_source.h"
#include "platform/run_state.h"
#include "platform/window_registry.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

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
    void push(Event::Kind kind, int code, const std::string& text) {
        Event event;
        event.kind = kind;
        event.key = code;
        event.text = text;
        keys_.events.push_back(event);
    }

    Game game;
    TypedKeys keys_;

private:
    Dialog mainWindow_;
};

// One game's end after another, each from the table the one before left: the score, what
// the player types (a string is typed text, "\r" Return, "\x1b" Escape, "quit" the program
// ending) and the names the table then holds.
struct Ending {
    int score;
    std::vector<std::string> typed;
    std::vector<std::string> names;
    size_t unread; // events no dialog took
};

TEST_F(BestScoreEntry, EachEndingTakesItsEarnedPlace) {
    const Ending endings[] = {
        {50, {"ignored", "\r"}, {"p0", "p1", "p2", "p3", "p4"}, 2}, // equal: no dialog
        {900, {"Top", "\r"}, {"Top", "p0", "p1", "p2", "p3"}, 0},
        {150, {"  ", "\r"}, {"Top", "p0", "p1", "p2", "  "}, 0},            // blanks are a name
        {300, {"Z", "ed ", "\r"}, {"Top", "p0", "p1", "p2", "Zed "}, 0},    // below equal scores
        {400, {"Half", "\x1b"}, {"Top", "p0", "SuperHero", "p1", "p2"}, 0}, // cancelled
        {400, {"\r"}, {"Top", "p0", "SuperHero", "SuperHero", "p1"}, 0},    // empty
        {600, {"Interrupted", "quit"}, {"Top", "SuperHero", "p0", "SuperHero", "SuperHero"}, 0},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.score);
        keys_.events.clear();
        for (const std::string& typed : ending.typed) {
            if (typed == "\r" || typed == "\x1b")
                push(Event::Kind::KeyDown, typed == "\r" ? VK_RETURN : VK_ESCAPE, "");
            else if (typed == "quit")
                push(Event::Kind::Quit, 0, "");
            else
                push(Event::Kind::Text, 0, typed);
        }
        game.world.score = ending.score;
        game.enterBestScore();
        for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
            EXPECT_EQ(game.world.bestScores.entry(i).name, ending.names[size_t(i)]) << i;
        EXPECT_EQ(keys_.events.size(), ending.unread);
    }
    const int scores[] = {900, 600, 500, 400, 400};
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        EXPECT_EQ(game.world.bestScores.entry(i).score, scores[i]) << i;
}

} // namespace
