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

constexpr float kLargestDraw = 1.0f - 0x1p-24f;

class HouseholdGameTest : public ::testing::Test {
protected:
    ScriptedRandom random;
    ScriptedPrompt prompt;
    RecordingWarnings warnings;
    RecordingScreens screens;
    HouseholdGame game{random, prompt, warnings, screens};

    // Plays days until the game ends (or a safety bound), each with the same
    // answers and draws; returns the days played.
    int PlayUntilOver(void (HouseholdGame::*action)(), std::vector<std::int16_t> answers, std::vector<float> draws)
    {
        int days = 0;
        while (game.turnCycle().running() && days < 1000) {
            prompt.answers.assign(answers.begin(), answers.end());
            random.draws.assign(draws.begin(), draws.end());
            (game.*action)();
            ++days;
        }
        return days;
    }

    std::string Result() const
    {
        const auto title = std::find_if(screens.log.rbegin(), screens.log.rend(),
                                        [](const std::string& line) { return line.rfind("title ", 0) == 0; });
        return title == screens.log.rend() ? "" : title->substr(6);
    }
};

TEST_F(HouseholdGameTest, PieceworkEveryDayStarvesTheMother)
{
    game.Start();
    // Each day: wage and -20, then the smallest decline (1 each).
    EXPECT_EQ(PlayUntilOver(&HouseholdGame::Work, {1}, {0.0f, 0.0f}), 5);
    EXPECT_EQ(Result(), "母親餓死!!");
    EXPECT_EQ(game.state().HahaHP, -5);
    EXPECT_EQ(game.state().Money, 1100);
    EXPECT_EQ(screens.log.back(), "show");
    EXPECT_EQ(game.turnCycle().Day(), 5);
}

TEST_F(HouseholdGameTest, FeedingOnlyTheMotherFreezesTheDaughter)
{
    game.Start();
    // Soy sauce to the mother; the daughter loses the most each day (6).
    EXPECT_EQ(PlayUntilOver(&HouseholdGame::Meal, {2, 1}, {0.0f, kLargestDraw}), 9);
    EXPECT_EQ(Result(), "娘凍死!!");
    EXPECT_EQ(game.state().MusumeHP, -4);
    EXPECT_EQ(game.state().Shoyu, 100);
}

TEST_F(HouseholdGameTest, AnArrestEndsTheGameAfterTheDecline)
{
    game.Start();
    EXPECT_EQ(PlayUntilOver(&HouseholdGame::Work, {2}, {0.9f, 0.0f, 0.0f}), 1);
    EXPECT_EQ(Result(), "母親逮捕!!");
    EXPECT_EQ(game.state().HahaHP, 99) << "the day's decline came first";
    EXPECT_EQ(game.state().Money, -1);
}

TEST_F(HouseholdGameTest, RefusalsAndCancelsNeverAdvanceTheDay)
{
    game.Start();
    prompt.answers = {-1, 1, -1, 1};
    game.Work();      // cancelled
    game.Meal();      // food chosen, eater cancelled
    game.Shopping();  // cup noodles with 100 yen: refused
    EXPECT_EQ(game.turnCycle().Day(), 1);
    EXPECT_EQ(game.state().HahaHP, 100);
    EXPECT_EQ(game.state().CupMen, 2);
    EXPECT_EQ(random.taken, 0);
    EXPECT_EQ(warnings.shown, std::vector<std::string>{"お金が足りません"});
}

TEST_F(HouseholdGameTest, ActionsOutsideAGameChangeTheRecordButNoDay)
{
    prompt.answers = {1};
    game.Work();  // by key, before any game
    EXPECT_EQ(game.state().HahaHP, -20);
    EXPECT_TRUE(game.state().turnEnded());
    EXPECT_TRUE(screens.log.empty());

    game.Start();
    EXPECT_EQ(game.state().HahaHP, 100);
    EXPECT_FALSE(game.state().turnEnded());
}

TEST_F(HouseholdGameTest, ASecondActionWhileAChoiceIsPendingOnlyRaisesTheDialog)
{
    game.Start();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.Shopping(); };
    random.draws = {0.0f, 0.0f};
    game.Work();
    EXPECT_EQ(prompt.calls.size(), 1u) << "no second dialog";
    EXPECT_EQ(prompt.raises, 1) << "the pending one is brought to the front";
    EXPECT_EQ(game.state().Money, 300) << "only the piecework happened";
    EXPECT_EQ(game.turnCycle().Day(), 2);
    EXPECT_FALSE(game.actionPending());
}

TEST_F(HouseholdGameTest, StartWhileAChoiceIsPendingCancelsIt)
{
    game.Start();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.Start(); };
    game.Work();
    EXPECT_EQ(prompt.cancels, 1);
    EXPECT_EQ(random.seeds, 2);
    EXPECT_EQ(game.state().Money, 100) << "the cancelled choice changed nothing";
    EXPECT_EQ(game.turnCycle().Day(), 1);
    EXPECT_TRUE(game.turnCycle().running());
    EXPECT_EQ(random.taken, 0);
}

TEST_F(HouseholdGameTest, ClosingWhileAChoiceIsPendingEndsTheGameSilently)
{
    game.Start();
    screens.log.clear();
    prompt.answers = {1};
    prompt.whilePending = [this] { game.Close(); };
    game.Work();
    EXPECT_EQ(prompt.cancels, 1);
    EXPECT_FALSE(game.turnCycle().running());
    EXPECT_TRUE(screens.log.empty()) << "no decline, no status, no result";
    EXPECT_EQ(random.taken, 0);
}

}  // namespace
}  // namespace household
