// The board: the twenty compiled-in layouts, loading one, the effect pool and the board's
// frame, and the strict box overlap that every collision test relies on.
#include "board/board.h"
#include "board/layouts.h"

#include <gtest/gtest.h>

namespace {

TEST(Layouts, AllTwentyAreClosedCountedAndRepeatedAsDrawn) {
    const int apples[LEVEL_COUNT] = {93,  125, 111, 129, 132, 127, 124, 122, 133, 116,
                                     105, 130, 93,  113, 103, 111, 116, 132, 127, 122};
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        const Layout& layout = LEVEL_LAYOUTS[level];
        int appleCount = 0;
        for (int r = 0; r < BOARD_SIZE; ++r) {
            for (int c = 0; c < BOARD_SIZE; ++c) {
                uint8_t code = layout[r * BOARD_SIZE + c];
                bool ring = r == 0 || c == 0 || r == BOARD_SIZE - 1 || c == BOARD_SIZE - 1;
                if (ring) {
                    EXPECT_EQ(code, CELL_WALL) << "level " << level << " cell " << r << "," << c;
                }
                EXPECT_LE(code, CELL_APPLE);
                appleCount += code == CELL_APPLE;
            }
        }
        EXPECT_EQ(appleCount, apples[level]) << "level " << level;
        // The Hero's start cell (1, 1): an apple on the first level only.
        EXPECT_EQ(layout[BOARD_SIZE + 1], level == 0 ? CELL_APPLE : CELL_EMPTY) << level;
    }
    const int repeats[5][2] = {{15, 2}, {16, 9}, {17, 4}, {18, 5}, {19, 7}};
    for (const auto& [level, original] : repeats)
        EXPECT_EQ(LEVEL_LAYOUTS[level], LEVEL_LAYOUTS[original]) << "level " << level;
    for (int a = 0; a < 15; ++a)
        for (int b = a + 1; b < 15; ++b)
            EXPECT_NE(LEVEL_LAYOUTS[a], LEVEL_LAYOUTS[b]) << a << " and " << b;
}

TEST(Board, LoadLevelCopiesCountsAndEmptiesTheEffects) {
    Board board;
    board.level = 8;
    board.cells[0] = CELL_APPLE;
    board.addBurst(1, 2, 0.5f);
    board.bursts[0].age = 12;
    board.loadLevel();
    EXPECT_EQ(board.applesLeft, 133);
    for (int i = 0; i < CELL_COUNT; ++i)
        ASSERT_EQ(board.cells[i], LEVEL_LAYOUTS[8][i]) << "cell " << i;
    for (const AppleBurst& burst : board.bursts) {
        EXPECT_FALSE(burst.active);
        EXPECT_EQ(burst.age, 0);
    }
}

TEST(Board, BurstsTakeTheFirstFreeSlotAndAnEleventhIsDropped) {
    Board board;
    board.loadLevel();
    for (int i = 0; i < MAX_BURSTS; ++i)
        board.addBurst(float(i), 0, 0.5f);
    board.bursts[3].age = 5;
    board.addBurst(99, 99, 0.5f);
    for (int i = 0; i < MAX_BURSTS; ++i)
        EXPECT_EQ(board.bursts[i].position.x, float(i));
    EXPECT_EQ(board.bursts[3].age, 5);

    board.bursts[6].active = false;
    board.addBurst(42, 43, 0.5f);
    EXPECT_TRUE(board.bursts[6].active);
    EXPECT_EQ(board.bursts[6].position.x, 42.0f);
    EXPECT_EQ(board.bursts[6].position.y, 43.0f);
}

TEST(Board, AnEffectShowsAgesZeroToTwentyAndItsSlotIsFreeAfterwards) {
    Board board;
    board.start();
    Random random;
    board.addBurst(1, 2, 0.5f);
    for (int frame = 0; frame <= 20; ++frame) {
        board.advance(random);
        EXPECT_EQ(board.bursts[0].shownAge, frame);
    }
    EXPECT_FALSE(board.bursts[0].active);
    board.advance(random);
    EXPECT_EQ(board.bursts[0].shownAge, -1);
    EXPECT_EQ(board.bursts[1].shownAge, -1);
    EXPECT_FLOAT_EQ(board.clock, 220.0f);
}

TEST(Board, EachAppleDrawsItsWobbleInRowMajorOrder) {
    Board board;
    board.start();
    Random random, reference;
    board.advance(random);
    int apples = 0;
    for (int i = 0; i < CELL_COUNT; ++i) {
        if (board.cells[i] != CELL_APPLE)
            continue;
        EXPECT_EQ(board.wobble[i], reference.next()) << "cell " << i;
        ++apples;
    }
    EXPECT_EQ(apples, 93);
    EXPECT_EQ(random.state(), reference.state());
    // Without apples the generator is left alone.
    for (uint8_t& cell : board.cells)
        if (cell == CELL_APPLE)
            cell = CELL_EMPTY;
    board.advance(random);
    EXPECT_EQ(random.state(), reference.state());
}

TEST(Board, EatingAndTheNextLevel) {
    Board board;
    board.level = 19;
    board.loadLevel();
    board.eatApple(1, 2);
    EXPECT_EQ(board.cellAt(1, 2), CELL_EMPTY);
    EXPECT_EQ(board.applesLeft, 121);
    EXPECT_TRUE(board.bursts[0].active);
    EXPECT_FLOAT_EQ(board.bursts[0].position.x, -5.5f);
    EXPECT_FLOAT_EQ(board.bursts[0].position.y, -4.5f);
    board.nextLevel();
    EXPECT_EQ(board.level, 0);
    EXPECT_EQ(board.applesLeft, 93);
    EXPECT_FALSE(board.bursts[0].active);
}

TEST(Random, StartsFromStateOneAndWrapsModulo2To32) {
    Random random;
    const int first[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int expected : first)
        EXPECT_EQ(random.next(), expected);
    EXPECT_EQ(Random().below(8), int(41 / 32768.0 * 8));
}

Box3 unitBox() {
    return Box3{0, 0, 0, 1, 1, 1};
}

TEST(BoxesOverlap, SharedFacesDoNotOverlapOnAnyAxis) {
    for (int axis = 0; axis < 3; ++axis) {
        Box3 b = unitBox();
        float* lo = &b.minX + axis;
        float* hi = &b.maxX + axis;
        *lo = 1.0f;
        *hi = 2.0f;
        EXPECT_FALSE(boxesOverlap(unitBox(), b)) << "axis " << axis;
        EXPECT_FALSE(boxesOverlap(b, unitBox())) << "axis " << axis;
        *lo -= 0.001f; // any push towards the other box makes them overlap
        *hi -= 0.001f;
        EXPECT_TRUE(boxesOverlap(unitBox(), b)) << "axis " << axis;
        *lo = 3.0f; // apart on this axis only
        *hi = 4.0f;
        EXPECT_FALSE(boxesOverlap(unitBox(), b)) << "axis " << axis;
    }
    EXPECT_FALSE(boxesOverlap(unitBox(), Box3{1, 1, 1, 2, 2, 2})); // a shared corner
    EXPECT_TRUE(boxesOverlap(unitBox(), Box3{0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f}));
}

TEST(BoxesOverlap, WallBoxesFillTheirCellFromFloorToTop) {
    const Box3 wall = wallBox(8, 3);
    EXPECT_EQ(wall.minX, 1.0f);
    EXPECT_EQ(wall.maxX, 2.0f);
    EXPECT_EQ(wall.minY, -4.0f);
    EXPECT_EQ(wall.maxY, -3.0f);
    // A box over the wall in x and y but above its top does not touch it.
    EXPECT_FALSE(boxesOverlap(wall, Box3{1.2f, -3.8f, 1.0f, 1.7f, -3.3f, 2.0f}));
    EXPECT_TRUE(boxesOverlap(wall, Box3{1.2f, -3.8f, 0.99f, 1.7f, -3.3f, 2.0f}));
}

} // namespace
