#include "household/household_actions.h"
#include "tests/household/household_fakes.h"

#include <gtest/gtest.h>

#include <ostream>

namespace household {

void PrintTo(const HouseholdState& s, std::ostream* os)
{
    *os << "{Haha " << s.HahaHP << ", Musume " << s.MusumeHP << ", CupMen " << s.CupMen << ", Shoyu " << s.Shoyu
        << ", Money " << s.Money << ", TurnEnded " << s.TurnEnded << "}";
}

bool operator==(const HouseholdState& a, const HouseholdState& b)
{
    return a.HahaHP == b.HahaHP && a.MusumeHP == b.MusumeHP && a.CupMen == b.CupMen && a.Shoyu == b.Shoyu &&
           a.Money == b.Money && a.TurnEnded == b.TurnEnded;
}

namespace {

using testing::RecordingScreens;
using testing::RecordingWarnings;
using testing::ScriptedRandom;
using testing::answerQuestions;

enum class Action { Work, Shopping, Meal };

struct ActionCase {
    const char* name;
    Action action;
    HouseholdState before;  // TurnEnded false
    std::vector<std::int16_t> answers;
    std::vector<float> draws;
    HouseholdState after;
    const char* warning;  // nullptr: none
    std::size_t dialogs;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ActionCase& c, std::ostream* os)
{
    *os << c.name;
}

// {HahaHP, MusumeHP, CupMen, Shoyu, Money, TurnEnded}
constexpr HouseholdState kStart{100, 50, 2, 1000, 100, kFalse};
constexpr HouseholdState S(std::int16_t haha, std::int16_t musume, std::int16_t cup, std::int16_t shoyu,
                           std::int32_t money, bool ended = true)
{
    return {haha, musume, cup, shoyu, money, ended ? kTrue : kFalse};
}

class ActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ActionTest, AppliesItsRow)
{
    const ActionCase& c = GetParam();
    HouseholdState state = c.before;
    RecordingScreens screens;
    RecordingWarnings warnings;
    ScriptedRandom random;
    random.draws.assign(c.draws.begin(), c.draws.end());
    HouseholdActions actions(state, screens, warnings, random);

    switch (c.action) {
    case Action::Work: actions.work(); break;
    case Action::Shopping: actions.shopping(); break;
    case Action::Meal: actions.meal(); break;
    }
    EXPECT_EQ(state, c.before) << "nothing happens before the answer";
    answerQuestions(actions, c.answers);

    EXPECT_EQ(state, c.after);
    EXPECT_EQ(warnings.shown, c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{});
    EXPECT_EQ(screens.questions.size(), c.dialogs);
    EXPECT_TRUE(random.draws.empty()) << "every scripted draw is used";
}

INSTANTIATE_TEST_SUITE_P(
    Work, ActionTest,
    ::testing::Values(
        ActionCase{"Piecework", Action::Work, kStart, {1}, {}, S(80, 50, 2, 1000, 300), nullptr, 1},
        ActionCase{"PieceworkBelowZeroStamina", Action::Work, S(15, 50, 2, 1000, 100, false), {1}, {},
                   S(-5, 50, 2, 1000, 300), nullptr, 1},
        ActionCase{"EscortNoArrestAtHalf", Action::Work, kStart, {2}, {0.5f}, S(100, 50, 2, 1000, 20100), nullptr, 1},
        ActionCase{"EscortArrestJustAboveHalf", Action::Work, kStart, {2}, {0.50000006f}, S(100, 50, 2, 1000, -1),
                   nullptr, 1},
        ActionCase{"Cancel", Action::Work, kStart, {-1}, {}, kStart, nullptr, 1},
        ActionCase{"UnknownAnswerDoesNothing", Action::Work, kStart, {3}, {}, kStart, nullptr, 1},
        ActionCase{"WageOverflowRefused", Action::Work, S(100, 50, 2, 1000, 2147483600, false), {1}, {},
                   S(100, 50, 2, 1000, 2147483600, false), "これ以上働けません", 1},
        ActionCase{"PieceworkStaminaOverflowRefused", Action::Work, S(-32760, 50, 2, 1000, 100, false), {1}, {},
                   S(-32760, 50, 2, 1000, 100, false), "これ以上働けません", 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Shopping, ActionTest,
    ::testing::Values(
        ActionCase{"CupMenWith200", Action::Shopping, S(100, 50, 2, 1000, 200, false), {1}, {},
                   S(90, 50, 3, 1000, 0), nullptr, 1},
        ActionCase{"CupMenWith199", Action::Shopping, S(100, 50, 2, 1000, 199, false), {1}, {},
                   S(100, 50, 2, 1000, 199, false), "お金が足りません", 1},
        ActionCase{"ShoyuWith100", Action::Shopping, kStart, {2}, {}, S(90, 50, 2, 2000, 0), nullptr, 1},
        ActionCase{"ShoyuWith99", Action::Shopping, S(100, 50, 2, 1000, 99, false), {2}, {},
                   S(100, 50, 2, 1000, 99, false), "お金が足りません", 1},
        ActionCase{"ArrestedCannotBuy", Action::Shopping, S(100, 50, 2, 1000, -1, false), {2}, {},
                   S(100, 50, 2, 1000, -1, false), "お金が足りません", 1},
        ActionCase{"Cancel", Action::Shopping, kStart, {-1}, {}, kStart, nullptr, 1},
        // 31 purchases fill the stock to 32000; the 32nd would pass 32767 and stores nothing, money included.
        ActionCase{"ThirtySecondShoyuRefused", Action::Shopping, S(100, 50, 2, 32000, 5000, false), {2}, {},
                   S(100, 50, 2, 32000, 5000, false), "これ以上買えません", 1},
        ActionCase{"LastShoyuThatFits", Action::Shopping, S(100, 50, 2, 31000, 5000, false), {2}, {},
                   S(90, 50, 2, 32000, 4900), nullptr, 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Meal, ActionTest,
    ::testing::Values(
        ActionCase{"CupMenToMother", Action::Meal, kStart, {1, 1}, {}, S(150, 50, 1, 1000, 100), nullptr, 2},
        ActionCase{"CupMenToDaughter", Action::Meal, kStart, {1, 2}, {}, S(100, 100, 1, 1000, 100), nullptr, 2},
        ActionCase{"LastCupMen", Action::Meal, S(100, 50, 1, 1000, 100, false), {1, 1}, {},
                   S(150, 50, 0, 1000, 100), nullptr, 2},
        ActionCase{"CupMenWhoCancelled", Action::Meal, kStart, {1, -1}, {}, kStart, nullptr, 2},
        ActionCase{"NoCupMenWarnsWithoutAsking", Action::Meal, S(100, 50, 0, 1000, 100, false), {1}, {},
                   S(100, 50, 0, 1000, 100, false), "カップ麺がありません", 1},
        ActionCase{"ShoyuToMother", Action::Meal, kStart, {2, 1}, {}, S(110, 50, 2, 900, 100), nullptr, 2},
        ActionCase{"ShoyuToDaughter", Action::Meal, kStart, {2, 2}, {}, S(100, 60, 2, 900, 100), nullptr, 2},
        ActionCase{"LastShoyuServing", Action::Meal, S(100, 50, 2, 100, 100, false), {2, 2}, {},
                   S(100, 60, 2, 0, 100), nullptr, 2},
        ActionCase{"ShoyuWhoCancelled", Action::Meal, kStart, {2, -1}, {}, kStart, nullptr, 2},
        ActionCase{"NoShoyuWarnsWithoutAsking", Action::Meal, S(100, 50, 2, 0, 100, false), {2}, {},
                   S(100, 50, 2, 0, 100, false), "醤油がありません", 1},
        ActionCase{"FoodCancelled", Action::Meal, kStart, {-1}, {}, kStart, nullptr, 1},
        ActionCase{"OverfedRefused", Action::Meal, S(32750, 50, 2, 1000, 100, false), {1, 1}, {},
                   S(32750, 50, 2, 1000, 100, false), "これ以上食べられません", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ActionPrompts, AskWithTheirOwnTexts)
{
    HouseholdState state = kStart;
    RecordingScreens screens;
    RecordingWarnings warnings;
    ScriptedRandom random;
    HouseholdActions actions(state, screens, warnings, random);

    actions.work();
    answerQuestions(actions, {-1});
    actions.shopping();
    answerQuestions(actions, {-1});
    actions.meal();
    answerQuestions(actions, {1, -1});

    ASSERT_EQ(screens.questions.size(), 4u);
    const std::vector<std::vector<std::string>> expected = {
        {"労働内容を選択して下さい。", "内職", "援助交際"},
        {"食料を選択して下さい。", "カップ麺", "醤油"},
        {"食べ物を選択して下さい。", "カップ麺", "醤油"},
        {"食べる人を選択して下さい。", "母", "娘"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(screens.questions[i].prompt, expected[i][0]);
        EXPECT_EQ(screens.questions[i].option1, expected[i][1]);
        EXPECT_EQ(screens.questions[i].option2, expected[i][2]);
    }
}

}  // namespace
}  // namespace household
