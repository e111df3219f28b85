#include "household/rounding.h"
#include "household/turn_cycle.h"
#include "tests/household/household_fakes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <set>

namespace household {
namespace {

using testing::RecordingScreens;
using testing::ScriptedRandom;
using testing::kLargestDraw;

class TurnCycleTest : public ::testing::Test {
protected:
    HouseholdState state;
    ScriptedRandom random;
    RecordingScreens screens;
    TurnCycle cycle{state, random, screens};

    // One day closed by an action that changed nothing but ended the turn.
    void endDay(float motherDraw, float daughterDraw)
    {
        random.draws = {motherDraw, daughterDraw};
        state.TurnEnded = kTrue;
        cycle.onActionReturned();
    }
};

TEST_F(TurnCycleTest, StartSeedsResetsAndShowsTheState)
{
    state.Money = -1;
    state.TurnEnded = kTrue;
    cycle.start();
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(screens.log, std::vector<std::string>{"changed"});
    EXPECT_EQ(cycle.day(), 1);
    EXPECT_TRUE(cycle.running());
    EXPECT_FALSE(state.turnEnded());
}

TEST_F(TurnCycleTest, ASurvivedDayAdvancesAndShowsTheState)
{
    cycle.start();
    screens.log.clear();
    endDay(0.0f, 0.0f);
    EXPECT_EQ(screens.log, std::vector<std::string>{"changed"});
    EXPECT_EQ(cycle.day(), 2);
    EXPECT_EQ(state.HahaHP, 99);
    EXPECT_EQ(state.MusumeHP, 49);
    EXPECT_FALSE(state.turnEnded()) << "the next day waits for a new action";
}

TEST_F(TurnCycleTest, NoDeclineWithoutAnEndedTurn)
{
    cycle.start();
    screens.log.clear();
    for (int i = 0; i < 5; ++i)
        cycle.onActionReturned();
    EXPECT_EQ(random.taken, 0);
    EXPECT_TRUE(screens.log.empty());
    EXPECT_EQ(cycle.day(), 1);
    EXPECT_EQ(state.HahaHP, 100);
}

struct DeclineCase {
    const char* name;
    std::int16_t haha, musume;
    float rHaha, rMusume;
    std::int16_t hahaAfter, musumeAfter;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DeclineCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeclineTest : public TurnCycleTest, public ::testing::WithParamInterface<DeclineCase> {};

TEST_P(DeclineTest, RoundsToNearestWithTiesToEven)
{
    const DeclineCase& c = GetParam();
    cycle.start();
    state.HahaHP = c.haha;
    state.MusumeHP = c.musume;
    endDay(c.rHaha, c.rMusume);
    EXPECT_EQ(state.HahaHP, c.hahaAfter);
    EXPECT_EQ(state.MusumeHP, c.musumeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeclineTest,
    ::testing::Values(
        DeclineCase{"NoDraw", 100, 50, 0.0f, 0.0f, 99, 49},
        DeclineCase{"TieDownToEven", 100, 50, 0.25f, 0.5f, 96, 46},          // 96.5 -> 96, 46.5 -> 46
        DeclineCase{"TieUpToEven", 100, 51, 0.75f, 0.5f, 92, 48},            // 91.5 -> 92, 47.5 -> 48
        DeclineCase{"LargestDraw", 100, 50, kLargestDraw, kLargestDraw, 89, 44},
        // 0.05f is slightly above 0.05: in double 99 - 0.5000000075 - 1 is below the tie;
        // single precision would round it to 97.5 and then to 98.
        DeclineCase{"ComputedInDouble", 99, 50, 0.05f, 0.0f, 97, 49},
        DeclineCase{"StaminaOfZeroAllowed", 1, 2, 0.0f, 0.0f, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TurnCycleTest, DeclineStaysInItsRanges)
{
    std::set<int> mother, daughter;
    for (int k = 0; k < (1 << 24); k += 4099) {
        const float r = static_cast<float>(k) * 0x1p-24f;
        cycle.start();
        endDay(r, r);
        mother.insert(100 - state.HahaHP);
        daughter.insert(50 - state.MusumeHP);
    }
    cycle.start();
    endDay(kLargestDraw, kLargestDraw);
    mother.insert(100 - state.HahaHP);
    daughter.insert(50 - state.MusumeHP);
    EXPECT_EQ(mother, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(daughter, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

struct EndingCase {
    const char* name;
    std::int16_t haha, musume;
    std::int32_t money;
    const char* result;  // nullptr: the day is survived
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const EndingCase& c, std::ostream* os)
{
    *os << c.name;
}

class EndingTest : public TurnCycleTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EndingTest, AfterTheDeclineFirstMatchWins)
{
    const EndingCase& c = GetParam();
    cycle.start();
    state.HahaHP = c.haha;
    state.MusumeHP = c.musume;
    state.Money = c.money;
    screens.log.clear();
    endDay(0.0f, 0.0f);  // each loses exactly 1

    EXPECT_EQ(random.taken, 2) << "the decline always comes before the checks";
    if (!c.result) {
        EXPECT_TRUE(cycle.running()) << "the game goes on";
        EXPECT_EQ(cycle.day(), 2);
        return;
    }
    EXPECT_FALSE(cycle.running());
    EXPECT_EQ(screens.log, std::vector<std::string>{std::string("ended ") + c.result})
        << "the last day's state is not shown";
    EXPECT_EQ(cycle.day(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndingTest,
    ::testing::Values(EndingCase{"BothAtZeroSurvive", 1, 1, 0, nullptr},
                      EndingCase{"MotherStarves", 0, 10, 100, "母親餓死!!"},
                      EndingCase{"ActionTookMotherBelowZero", -5, 10, 100, "母親餓死!!"},
                      EndingCase{"DaughterFreezes", 10, 0, 100, "娘凍死!!"},
                      EndingCase{"BothBelowZeroMotherFirst", 0, 0, 100, "母親餓死!!"},
                      EndingCase{"ArrestOnly", 10, 10, -1, "母親逮捕!!"},
                      EndingCase{"StarvationBeatsArrest", 0, 10, -1, "母親餓死!!"},
                      EndingCase{"FreezingBeatsArrest", 10, 0, -1, "娘凍死!!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TurnCycleTest, AFinishedGameIgnoresLaterTurns)
{
    cycle.start();
    state.HahaHP = 0;
    endDay(0.0f, 0.0f);
    ASSERT_FALSE(cycle.running());
    screens.log.clear();
    state.TurnEnded = kTrue;  // an action run by key after the game over
    cycle.onActionReturned();
    EXPECT_EQ(random.taken, 2);
    EXPECT_TRUE(screens.log.empty());
}

TEST_F(TurnCycleTest, RestartDuringAGameBeginsAfreshAtDayOne)
{
    cycle.start();
    endDay(0.0f, 0.0f);
    endDay(0.0f, 0.0f);
    ASSERT_EQ(cycle.day(), 3);
    state.TurnEnded = kTrue;  // an action in flight when Start came
    cycle.start();
    EXPECT_EQ(cycle.day(), 1);
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_FALSE(state.turnEnded()) << "the old game's turn must not close the new game's first day";
    cycle.onActionReturned();
    EXPECT_EQ(cycle.day(), 1);
    EXPECT_EQ(random.taken, 4);
}

TEST_F(TurnCycleTest, DayCounterStopsAtItsLimit)
{
    cycle.start();
    for (int day = 1; day < 32767 + 5; ++day) {
        state.HahaHP = 100;
        state.MusumeHP = 100;
        endDay(0.0f, 0.0f);
    }
    EXPECT_EQ(cycle.day(), 32767);
    EXPECT_TRUE(cycle.running());
    EXPECT_EQ(screens.log.back(), "changed");
}

TEST(RoundHalfEven16, ClampsAtTheWidth)
{
    EXPECT_EQ(roundHalfEven16(-2.5), -2);
    EXPECT_EQ(roundHalfEven16(-3.5), -4);
    EXPECT_EQ(roundHalfEven16(-0.5), 0);
    EXPECT_EQ(roundHalfEven16(40000.0), 32767);
    EXPECT_EQ(roundHalfEven16(-40000.0), -32768);
}

}  // namespace
}  // namespace household
