#include "household/household_actions.h"

#include "household/checked_effect.h"

#include <utility>

namespace household {

namespace {

constexpr const char* kWorkRefused = "これ以上働けません";
constexpr const char* kShoppingRefused = "これ以上買えません";
constexpr const char* kMealRefused = "これ以上食べられません";

}  // namespace

HouseholdActions::HouseholdActions(HouseholdState& state, GameScreens& screens, WarningBox& warnings,
                                   RandomSource& random)
    : state_(state), screens_(screens), warnings_(warnings), random_(random)
{
}

void HouseholdActions::work()
{
    ask({"労働内容を選択して下さい。", "内職", "援助交際"}, [this](std::int16_t choice) {
        CheckedEffect effect(state_);
        switch (choice) {
        case 1:
            effect.add(&HouseholdState::Money, 200).add(&HouseholdState::HahaHP, -20);
            break;
        case 2:
            effect.add(&HouseholdState::Money, 20000);
            // The roll comes after the wage; an arrest loses the wage with the rest.
            if (!effect.overflowed() && random_.next() > 0.5f)
                effect.set(&HouseholdState::Money, -1);
            break;
        default:
            return;
        }
        apply(effect.endTurn(), kWorkRefused);
    });
}

void HouseholdActions::shopping()
{
    ask({"食料を選択して下さい。", "カップ麺", "醤油"}, [this](std::int16_t choice) {
        if (choice == 1)
            buy(200, &HouseholdState::CupMen, 1);
        else if (choice == 2)
            buy(100, &HouseholdState::Shoyu, 1000);
    });
}

void HouseholdActions::meal()
{
    ask({"食べ物を選択して下さい。", "カップ麺", "醤油"}, [this](std::int16_t choice) {
        if (choice == 1 && state_.CupMen >= 1)
            serve(&HouseholdState::CupMen, 1, 50);
        else if (choice == 1)
            warnings_.showWarning("カップ麺がありません");
        else if (choice == 2 && state_.Shoyu >= 1)
            serve(&HouseholdState::Shoyu, 100, 10);
        else if (choice == 2)
            warnings_.showWarning("醤油がありません");
    });
}

void HouseholdActions::answer(std::int16_t choice)
{
    // Taken before it runs: the answer may ask the next question.
    if (OnAnswer onAnswer = std::exchange(onAnswer_, nullptr))
        onAnswer(choice);
}

void HouseholdActions::ask(const Question& question, OnAnswer onAnswer)
{
    onAnswer_ = std::move(onAnswer);
    screens_.ShowChoiceDialog(question);
}

void HouseholdActions::buy(std::int32_t price, std::int16_t HouseholdState::*stock, std::int16_t amount)
{
    if (state_.Money < price) {
        warnings_.showWarning("お金が足りません");
        return;
    }
    CheckedEffect effect(state_);
    effect.add(&HouseholdState::Money, -price).add(stock, amount).add(&HouseholdState::HahaHP, -10).endTurn();
    apply(effect, kShoppingRefused);
}

void HouseholdActions::serve(std::int16_t HouseholdState::*stock, std::int16_t portion, std::int16_t gain)
{
    ask({"食べる人を選択して下さい。", "母", "娘"}, [this, stock, portion, gain](std::int16_t choice) {
        if (choice != 1 && choice != 2)
            return;
        CheckedEffect effect(state_);
        effect.add(stock, -portion).add(choice == 1 ? &HouseholdState::HahaHP : &HouseholdState::MusumeHP, gain);
        apply(effect.endTurn(), kMealRefused);
    });
}

void HouseholdActions::apply(CheckedEffect& effect, const char* refusal)
{
    if (!effect.commit())
        warnings_.showWarning(refusal);
}

}  // namespace household
