#pragma once

#include "household/game_screens.h"
#include "household/random_source.h"
#include "household/warning_box.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace household::testing {

// The largest draw a RandomSource gives: the float just below 1.
inline constexpr float kLargestDraw = 1.0f - 0x1p-24f;

// Plays back the given draws in order, then afterScript; running out
// without one fails the draw loudly.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<float> draws;
    std::optional<float> afterScript;
    int seeds = 0;
    int taken = 0;

    void seedFromClock() override { ++seeds; }
    float next() override
    {
        ++taken;
        if (draws.empty() && afterScript)
            return *afterScript;
        if (draws.empty())
            throw std::logic_error("ScriptedRandom ran out of draws");
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
};

class RecordingWarnings final : public WarningBox {
public:
    std::vector<std::string> shown;
    void showWarning(const std::string& text) override { shown.push_back(text); }
};

// Logs what the game tells the screens, one line each: "changed", "ask 食料を選択して下さい。",
// "raise", "drop", "ended 娘凍死!!"; keeps every question asked.
class RecordingScreens final : public GameScreens {
public:
    std::vector<std::string> log;
    std::vector<Question> questions;

    void stateChanged() override { log.push_back("changed"); }
    void ShowChoiceDialog(const Question& question) override
    {
        questions.push_back(question);
        log.push_back("ask " + question.prompt);
    }
    void raiseChoiceDialog() override { log.push_back("raise"); }
    void dropChoiceDialog() override { log.push_back("drop"); }
    void gameEnded(const std::string& resultText) override { log.push_back("ended " + resultText); }

    // The result text of the last game that ended; empty before any.
    std::string result() const
    {
        for (auto line = log.rbegin(); line != log.rend(); ++line)
            if (line->rfind("ended ", 0) == 0)
                return line->substr(6);
        return "";
    }
};

// Answers each question the player is asked with the next of answers, while
// one is pending; -1 once they run out.
template <typename Asked>
void answerQuestions(Asked& asked, std::vector<std::int16_t> answers)
{
    for (std::size_t next = 0; asked.questionPending(); ++next)
        asked.answer(next < answers.size() ? answers[next] : std::int16_t{-1});
}

}  // namespace household::testing
