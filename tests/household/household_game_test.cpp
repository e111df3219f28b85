#include "household_fakes.h"
#include "household_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace household {
namespace {

using testing::RecordingScreens;
using testing::RecordingWarnings;
using testing::ScriptedPrompt;
using testing::ScriptedRandom;
using testing::kLargestDraw;

class HouseholdGameTest : public ::testing::Test {
protected:
    ScriptedRandom random;
    ScriptedPrompt prompt;
    RecordingWarnings warnings;
    RecordingScreens screens;
    HouseholdState state;
    HouseholdGame game{state, random, prompt, warnings, screens};

    // Plays days until the game ends (or a safety bound), each with the same
    // answers and draws; returns the days played.
    int playUntilOver(void (HouseholdGame::*action)(), std::vector<std::int16_t> answers, std::vector<float> draws)
    {
        int days = 0;
        while (screens.actionsEnabled() && days < 1000) {
            prompt.answers.assign(answers.begin(), answers.end());
            random.draws.assign(draws.begin(), draws.end());
            (game.*action)();
            ++days;
        }
        return days;
    }

    std::string result() const
    {
        const auto title = std::find_if(screens.log.rbegin(), screens.log.rend(),
                                        [](const std::string& line) { return line.rfind("title ", 0) == 0; });
        return title == screens.log.rend() ? "" : title->substr(6);
    }
};

TEST_F(HouseholdGameTest, PieceworkEveryDayStarvesTheMother)
{
    game.start();
    // Each day: wage and -20, then the smallest decline (1 each).
    EXPECT_EQ(playUntilOver(&HouseholdGame::work, {1}, {0.0f, 0.0f}), 5);
    EXPECT_EQ(result(), "母親餓死!!");
    EXPECT_EQ(state.HahaHP, -5);
    EXPECT_EQ(state.Money, 1100);
    EXPECT_EQ(screens.log.back(), "show");
    EXPECT_EQ(screens.day(), 5);
}

TEST_F(HouseholdGameTest, FeedingOnlyTheMotherFreezesTheDaughter)
{
    game.start();
    // Soy sauce to the mother; the daughter loses the most each day (6).
    EXPECT_EQ(playUntilOver(&HouseholdGame::meal, {2, 1}, {0.0f, kLargestDraw}), 9);
    EXPECT_EQ(result(), "娘凍死!!");
    EXPECT_EQ(state.MusumeHP, -4);
    EXPECT_EQ(state.Shoyu, 100);
}

TEST_F(HouseholdGameTest, AnArrestEndsTheGameAfterTheDecline)
{
    game.start();
    EXPECT_EQ(playUntilOver(&HouseholdGame::work, {2}, {0.9f, 0.0f, 0.0f}), 1);
    EXPECT_EQ(result(), "母親逮捕!!");
    EXPECT_EQ(state.HahaHP, 99) << "the day's decline came first";
    EXPECT_EQ(state.Money, -1);
}

TEST_F(HouseholdGameTest, RefusalsAndCancelsNeverAdvanceTheDay)
{
    game.start();
    prompt.answers = {-1, 1, -1, 1};
    game.work();      // cancelled
    game.meal();      // food chosen, eater cancelled
    game.shopping();  // cup noodles with 100 yen: refused
    EXPECT_EQ(screens.day(), 1);
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_EQ(state.CupMen, 2);
    EXPECT_EQ(random.taken, 0);
    EXPECT_EQ(warnings.shown, std::vector<std::string>{"お金が足りません"});
}

TEST_F(HouseholdGameTest, ActionsOutsideAGameChangeTheRecordButNoDay)
{
    prompt.answers = {1};
    game.work();  // by key, before any game
    EXPECT_EQ(state.HahaHP, -20);
    EXPECT_TRUE(state.turnEnded());
    EXPECT_TRUE(screens.log.empty());

    game.start();
    EXPECT_EQ(state.HahaHP, 100);
    EXPECT_FALSE(state.turnEnded());
}

TEST_F(HouseholdGameTest, ASecondActionWhileAChoiceIsPendingOnlyRaisesTheDialog)
{
    game.start();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.shopping(); };
    random.draws = {0.0f, 0.0f};
    game.work();
    EXPECT_EQ(prompt.calls.size(), 1u) << "no second dialog";
    EXPECT_EQ(prompt.raises, 1) << "the pending one is brought to the front";
    EXPECT_EQ(state.Money, 300) << "only the piecework happened";
    EXPECT_EQ(screens.day(), 2);
    prompt.answers = {-1};
    game.shopping();
    EXPECT_EQ(prompt.calls.size(), 2u) << "once answered, the next action asks again";
}

TEST_F(HouseholdGameTest, StartWhileAChoiceIsPendingCancelsIt)
{
    game.start();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.start(); };
    game.work();
    EXPECT_EQ(prompt.cancels, 1);
    EXPECT_EQ(random.seeds, 2);
    EXPECT_EQ(state.Money, 100) << "the cancelled choice changed nothing";
    EXPECT_EQ(screens.day(), 1);
    EXPECT_TRUE(screens.actionsEnabled());
    EXPECT_EQ(random.taken, 0);
}

TEST_F(HouseholdGameTest, ClosingWhileAChoiceIsPendingEndsTheGameSilently)
{
    game.start();
    screens.log.clear();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.close(); };
    game.work();
    EXPECT_EQ(prompt.cancels, 1);
    EXPECT_TRUE(screens.log.empty()) << "no decline, no status, no result";
    prompt.answers = {1};
    game.work();
    EXPECT_TRUE(screens.log.empty()) << "the game is over: a day's work closes no day";
    EXPECT_EQ(random.taken, 0);
}

}  // namespace
}  // namespace household
