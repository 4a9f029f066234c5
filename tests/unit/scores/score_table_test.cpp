// The best-scores table: reading "scores.dat" as written and as found in the wild, writing
// it back, and the insertion rule (ranks, ties, room at either end).
#include "scores/score_table.h"
#include "unit/scores/scratch_folder.h"

#include <climits>

namespace {

using ScoresFile = ScratchFolder;

struct Expected {
    std::string name;
    int score;
};

void expectTable(const ScoreTable& table, const std::vector<Expected>& expected) {
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i) {
        EXPECT_EQ(table.entry(i).name, expected[size_t(i)].name) << "entry " << i;
        EXPECT_EQ(table.entry(i).score, expected[size_t(i)].score) << "entry " << i;
    }
}

const Expected DEFAULT{DEFAULT_ENTRY_NAME, 0};

ScoreTable loaded(const std::string& fileBytes) {
    std::ofstream(SCORES_FILE_NAME, std::ios::binary) << fileBytes;
    ScoreTable table;
    table.load();
    return table;
}

TEST_F(ScoresFile, WithoutAFileTheDefaultsAreReadAndWritten) {
    ScoreTable table;
    table.load();
    expectTable(table, {DEFAULT, DEFAULT, DEFAULT, DEFAULT, DEFAULT});
    table.save();
    std::string line = std::string(DEFAULT_ENTRY_NAME) + "\t0\n";
    EXPECT_EQ(readFile(SCORES_FILE_NAME), line + line + line + line + line);
}

TEST_F(ScoresFile, EitherLineEndReadsTheSame) {
    const std::vector<Expected> five{{"Ann", 50}, {"Bob", 40}, {"Cy", 30}, {"Di", 20}, {"Ed", 10}};
    expectTable(loaded("Ann\t50\nBob\t40\nCy\t30\nDi\t20\nEd\t10\n"), five);
    expectTable(loaded("Ann\t50\r\nBob\t40\r\nCy\t30\r\nDi\t20\r\nEd\t10\r\n"), five);
}

TEST_F(ScoresFile, OnlyLinesEndedByALineFeedCountAndOnlyFive) {
    expectTable(loaded("Ann\t50"), {DEFAULT, DEFAULT, DEFAULT, DEFAULT, DEFAULT});
    expectTable(loaded("A\t7\nB\t6\nC\t5\nD\t4\nE\t3\nF\t2\nG\t1\n"),
                {{"A", 7}, {"B", 6}, {"C", 5}, {"D", 4}, {"E", 3}});
    // Missing lines and lines without a tab leave their entries at the default.
    expectTable(loaded("A\t7\nno tab here\nC\t5\n"),
                {{"A", 7}, DEFAULT, {"C", 5}, DEFAULT, DEFAULT});
}

TEST_F(ScoresFile, TheScoreIsTheNumberAtTheStartOfTheTextAfterTheFirstTab) {
    expectTable(loaded("Ann\t  42xyz\nBob\t\n\t7\nEve\t-5\nTab\t3\t4\n"),
                {{"Ann", 42}, {"Bob", 0}, {"", 7}, {"Eve", -5}, {"Tab", 3}});
    expectTable(loaded("Big\t99999999999\nLow\t-99999999999\nPlus\t+8\nSign\t-x\nMid\t1 2\n"),
                {{"Big", INT_MAX}, {"Low", INT_MIN}, {"Plus", 8}, {"Sign", 0}, {"Mid", 1}});
}

TEST_F(ScoresFile, EntriesStayInTheOrderOfTheFile) {
    expectTable(loaded("Low\t1\nHigh\t900\nMid\t50\nA\t0\nB\t-3\n"),
                {{"Low", 1}, {"High", 900}, {"Mid", 50}, {"A", 0}, {"B", -3}});
}

TEST_F(ScoresFile, SavedTablesReadBackUnchanged) {
    ScoreTable table;
    table.reset();
    table.set(0, " spaced name ", 1000);
    table.set(1, "", 7);
    table.set(2, "Neg", -5);
    table.set(4, "Min", INT_MIN);
    table.save();
    EXPECT_NE(readFile(SCORES_FILE_NAME).find("Neg\t-5\n"), std::string::npos);
    ScoreTable again;
    again.load();
    expectTable(again, {{" spaced name ", 1000}, {"", 7}, {"Neg", -5}, DEFAULT, {"Min", INT_MIN}});
}

TEST_F(ScoresFile, LongNamesAreShortenedSoTheScoreIsKept) {
    ScoreTable table;
    table.reset();
    table.set(0, std::string(5000, 'n'), 42);
    table.set(1, std::string(1011, 'm'), INT_MIN); // exactly fills a line
    table.save();
    EXPECT_EQ(table.entry(0).name.size(), 5000u); // the table itself keeps the whole name
    ScoreTable again;
    again.load();
    EXPECT_EQ(again.entry(0).name, std::string(1023 - 3, 'n'));
    EXPECT_EQ(again.entry(0).score, 42);
    EXPECT_EQ(again.entry(1).name, std::string(1011, 'm'));
    EXPECT_EQ(again.entry(1).score, INT_MIN);
}

TEST_F(ScoresFile, TabsAndLineBreaksInANameCannotSplitItsEntry) {
    ScoreTable table;
    table.reset();
    table.set(0, "a\tb", 10);
    table.set(1, "two\nlines\r", 20);
    table.save();
    ScoreTable again;
    again.load();
    expectTable(again, {{"a b", 10}, {"two lines ", 20}, DEFAULT, DEFAULT, DEFAULT});
}

TEST(ScoreTableRank, APlaceNeedsAStrictlyGreaterScore) {
    ScoreTable table;
    table.reset();
    EXPECT_EQ(table.findRank(0), -1);
    EXPECT_EQ(table.findRank(1), 0);
    const int scores[] = {500, 300, 300, 100, 50};
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        table.set(i, "p" + std::to_string(i), scores[i]);
    EXPECT_EQ(table.findRank(300), 3); // an equal score goes below the scores it equals
    EXPECT_EQ(table.findRank(301), 1);
    EXPECT_EQ(table.findRank(51), 4);
    EXPECT_EQ(table.findRank(50), -1);
    EXPECT_EQ(table.findRank(501), 0);
}

TEST(ScoreTableRank, MakeRoomMovesTheLowerEntriesDown) {
    ScoreTable table;
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        table.set(i, "p" + std::to_string(i), 50 - i);
    table.makeRoom(4);
    expectTable(table, {{"p0", 50}, {"p1", 49}, {"p2", 48}, {"p3", 47}, {"p4", 46}});
    table.makeRoom(0);
    expectTable(table, {{"p0", 50}, {"p0", 50}, {"p1", 49}, {"p2", 48}, {"p3", 47}});
    table.makeRoom(5); // outside the table: nothing moves
    table.set(-1, "x", 1);
    table.set(5, "x", 1);
    expectTable(table, {{"p0", 50}, {"p0", 50}, {"p1", 49}, {"p2", 48}, {"p3", 47}});
    EXPECT_EQ(table.entry(9).name, "");
}

} // namespace
