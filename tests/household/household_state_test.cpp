#include "household/checked_effect.h"
#include "household/household_state.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>

namespace household {
namespace {

TEST(HouseholdState, StartsEmptyAndResetsToTheGameStart)
{
    HouseholdState state;
    EXPECT_EQ(state.HahaHP, 0);
    EXPECT_EQ(state.Money, 0);
    EXPECT_FALSE(state.turnEnded());

    state.Money = -1;
    state.Shoyu = 31000;
    state.TurnEnded = kTrue;
    state.reset();
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_EQ(state.Money, 100);
    EXPECT_EQ(state.MusumeHP, 50);
    EXPECT_EQ(state.CupMen, 2);
    EXPECT_EQ(state.Shoyu, 1000);
    EXPECT_TRUE(state.turnEnded()) << "reset leaves TurnEnded to the turn cycle";
}

// What a value box shows: plain decimals, whatever grouping the locale would add.
TEST(DisplayText, IsPlainDecimalInAnyLocale)
{
    struct Grouping final : std::numpunct<char> {
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new Grouping));
    EXPECT_EQ(displayText(20100), "20100");
    EXPECT_EQ(displayText(-32768), "-32768");
    EXPECT_EQ(displayText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    std::locale::global(before);
}

TEST(CheckedAdd, RefusesToLeaveTheWidth)
{
    EXPECT_EQ(checkedAdd(std::int16_t{32767}, 0), 32767);
    EXPECT_EQ(checkedAdd(std::int16_t{31767}, 1000), 32767);
    EXPECT_FALSE(checkedAdd(std::int16_t{31768}, 1000));
    EXPECT_EQ(checkedAdd(std::int16_t{-32767}, -1), -32768);
    EXPECT_FALSE(checkedAdd(std::int16_t{-32768}, -1));
    EXPECT_EQ(checkedAdd(std::int32_t{2147463647}, 20000), 2147483647);
    EXPECT_FALSE(checkedAdd(std::int32_t{2147463648}, 20000));
    EXPECT_FALSE(checkedAdd(std::numeric_limits<std::int32_t>::min(), -1));
}

TEST(CheckedEffect, StoresEveryStepTogether)
{
    HouseholdState state;
    state.reset();
    CheckedEffect effect(state);
    effect.add(&HouseholdState::Money, -100).add(&HouseholdState::Shoyu, 1000).endTurn();
    EXPECT_EQ(state.Money, 100) << "nothing is stored before Commit";
    ASSERT_TRUE(effect.commit());
    EXPECT_EQ(state.Money, 0);
    EXPECT_EQ(state.Shoyu, 2000);
    EXPECT_TRUE(state.turnEnded());
}

TEST(CheckedEffect, OverflowInALaterStepStoresNothing)
{
    HouseholdState state;
    state.reset();
    state.Shoyu = 32000;
    const HouseholdState before = state;

    CheckedEffect effect(state);
    effect.add(&HouseholdState::Money, -100).add(&HouseholdState::Shoyu, 1000).endTurn();
    EXPECT_TRUE(effect.overflowed());
    EXPECT_FALSE(effect.commit());
    EXPECT_EQ(state.Money, before.Money);
    EXPECT_EQ(state.Shoyu, before.Shoyu);
    EXPECT_FALSE(state.turnEnded());
}

}  // namespace
}  // namespace household
