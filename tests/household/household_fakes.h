#pragma once

#include "choice_prompt.h"
#include "random_source.h"
#include "turn_screens.h"
#include "warning_box.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
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

struct PromptCall {
    std::string prompt, option1, option2;
};

// Answers each dialog with the next scripted value; -1 once the script is empty.
class ScriptedPrompt final : public ChoicePrompt {
public:
    std::deque<std::int16_t> answers;
    std::vector<PromptCall> calls;
    int cancels = 0;
    int raises = 0;
    // Runs while the dialog is "open", before the answer is taken.
    std::function<void()> whilePending;

    std::int16_t ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                  const std::string& option2) override
    {
        calls.push_back({prompt, option1, option2});
        cancelled_ = false;
        if (whilePending)
            std::exchange(whilePending, nullptr)();
        if (cancelled_ || answers.empty())
            return -1;
        const std::int16_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void cancelPending() override
    {
        ++cancels;
        cancelled_ = true;
    }
    void raisePending() override { ++raises; }

private:
    bool cancelled_ = false;
};

class RecordingWarnings final : public WarningBox {
public:
    std::vector<std::string> shown;
    void showWarning(const std::string& text) override { shown.push_back(text); }
};

// Logs every call as one line, e.g. "enable Roudou", "status Day 1", "title 娘凍死!!", "show".
class RecordingScreens final : public TurnScreens {
public:
    std::vector<std::string> log;

    void setActionButtonEnabled(ActionButton button, bool enabled) override
    {
        static const char* const names[] = {"Roudou", "Kaimono", "Shokuji"};
        log.push_back(std::string(enabled ? "enable " : "disable ") + names[static_cast<int>(button)]);
    }
    void setStatusCaption(StatusLabel label, const std::string& text) override
    {
        static const char* const names[] = {"Day", "CupMen", "Shoyu", "Money", "Haha", "Musume"};
        log.push_back(std::string("status ") + names[static_cast<int>(label)] + " " + text);
    }
    void setGameOverTitle(const std::string& text) override { log.push_back("title " + text); }
    void showGameOver() override { log.push_back("show"); }

    // The day the status shows now; 0 before any was shown.
    int day() const
    {
        for (auto line = log.rbegin(); line != log.rend(); ++line)
            if (line->rfind("status Day ", 0) == 0)
                return std::stoi(line->substr(11));
        return 0;
    }
    // Whether the action buttons are enabled now: a game is being played.
    bool actionsEnabled() const
    {
        for (auto line = log.rbegin(); line != log.rend(); ++line)
            if (*line == "enable Roudou" || *line == "disable Roudou")
                return *line == "enable Roudou";
        return false;
    }
};

}  // namespace household::testing
