#include "household/household_game.h"
#include "tests/household/household_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace household {
namespace {

using testing::RecordingScreens;
using testing::RecordingWarnings;
using testing::ScriptedRandom;
using testing::answerQuestions;
using testing::kLargestDraw;

class HouseholdGameTest : public ::testing::Test {
protected:
    ScriptedRandom random;
    RecordingWarnings warnings;
    RecordingScreens screens;
    HouseholdState state;
    HouseholdGame game{state, random, screens, warnings};

    // Plays days until the game ends (or a safety bound), each with the same
    // answers and draws; returns the days played.
    int playUntilOver(void (HouseholdGame::*action)(), const std::vector<std::int16_t>& answers,
                      std::vector<float> draws)
    {
        int days = 0;
        while (game.running() && days < 1000) {
            random.draws.assign(draws.begin(), draws.end());
            (game.*action)();
            answerQuestions(game, answers);
            ++days;
        }
        return days;
    }
};

TEST_F(HouseholdGameTest, PieceworkEveryDayStarvesTheMother)
{
    game.start();
    // Each day: wage and -20, then the smallest decline (1 each).
    EXPECT_EQ(playUntilOver(&HouseholdGame::work, {1}, {0.0f, 0.0f}), 5);
    EXPECT_EQ(screens.result(), "母親餓死!!");
    EXPECT_EQ(state.HahaHP, -5);
    EXPECT_EQ(state.Money, 1100);
    EXPECT_EQ(screens.log.back(), "ended 母親餓死!!");
    EXPECT_EQ(game.day(), 5);
}

TEST_F(HouseholdGameTest, FeedingOnlyTheMotherFreezesTheDaughter)
{
    game.start();
    // Soy sauce to the mother; the daughter loses the most each day (6).
    EXPECT_EQ(playUntilOver(&HouseholdGame::meal, {2, 1}, {0.0f, kLargestDraw}), 9);
    EXPECT_EQ(screens.result(), "娘凍死!!");
    EXPECT_EQ(state.MusumeHP, -4);
    EXPECT_EQ(state.Shoyu, 100);
}

TEST_F(HouseholdGameTest, AnArrestEndsTheGameAfterTheDecline)
{
    game.start();
    EXPECT_EQ(playUntilOver(&HouseholdGame::work, {2}, {0.9f, 0.0f, 0.0f}), 1);
    EXPECT_EQ(screens.result(), "母親逮捕!!");
    EXPECT_EQ(state.HahaHP, 99) << "the day's decline came first";
    EXPECT_EQ(state.Money, -1);
}

TEST_F(HouseholdGameTest, RefusalsAndCancelsNeverAdvanceTheDay)
{
    game.start();
    game.work();  // cancelled
    answerQuestions(game, {-1});
    game.meal();  // food chosen, eater cancelled
    answerQuestions(game, {1, -1});
    game.shopping();  // cup noodles with 100 yen: refused
    answerQuestions(game, {1});
    EXPECT_EQ(game.day(), 1);
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_EQ(state.CupMen, 2);
    EXPECT_EQ(random.taken, 0);
    EXPECT_EQ(warnings.shown, std::vector<std::string>{"お金が足りません"});
}

TEST_F(HouseholdGameTest, ActionsOutsideAGameChangeTheRecordButNoDay)
{
    game.work();  // by key, before any game
    answerQuestions(game, {1});
    EXPECT_EQ(state.HahaHP, -20);
    EXPECT_TRUE(state.turnEnded());
    EXPECT_EQ(screens.log, std::vector<std::string>{"ask 労働内容を選択して下さい。"});

    game.start();
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_FALSE(state.turnEnded());
}

// The day closes when the last answer's effect is applied, not before.
TEST_F(HouseholdGameTest, TheMealsDayClosesAfterItsSecondAnswer)
{
    game.start();
    random.draws = {0.0f, 0.0f};
    game.meal();
    game.answer(1);
    EXPECT_TRUE(game.questionPending());
    EXPECT_EQ(random.taken, 0);
    game.answer(2);
    EXPECT_EQ(screens.log, (std::vector<std::string>{"changed", "ask 食べ物を選択して下さい。",
                                                     "ask 食べる人を選択して下さい。", "changed"}));
    EXPECT_EQ(state.MusumeHP, 99);
    EXPECT_EQ(game.day(), 2);
}

TEST_F(HouseholdGameTest, ASecondActionWhileAQuestionIsPendingOnlyRaisesTheDialog)
{
    game.start();
    random.draws = {0.0f, 0.0f};
    game.work();
    game.shopping();
    game.meal();
    EXPECT_EQ(screens.questions.size(), 1u) << "no second dialog";
    EXPECT_EQ(std::count(screens.log.begin(), screens.log.end(), "raise"), 2);
    game.answer(1);
    EXPECT_EQ(state.Money, 300) << "only the piecework happened";
    EXPECT_EQ(game.day(), 2);
    game.answer(1);  // a second answer with nothing pending
    EXPECT_EQ(state.Money, 300);
    game.shopping();
    EXPECT_EQ(screens.questions.size(), 2u) << "once answered, the next action asks again";
}

TEST_F(HouseholdGameTest, StartWhileAQuestionIsPendingDropsIt)
{
    game.start();
    game.work();
    screens.log.clear();
    game.start();
    EXPECT_EQ(screens.log, (std::vector<std::string>{"drop", "changed"}));
    EXPECT_FALSE(game.questionPending());
    game.answer(1);  // the dropped dialog's answer, arriving late
    EXPECT_EQ(state.Money, 100) << "the dropped question changed nothing";
    EXPECT_EQ(game.day(), 1);
    EXPECT_TRUE(game.running());
    EXPECT_EQ(random.seeds, 2);
    EXPECT_EQ(random.taken, 0);
}

}  // namespace
}  // namespace household
