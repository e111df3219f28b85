#include "household_actions.h"

#include "checked_effect.h"

namespace household {

namespace {

constexpr const char* kWorkRefused = "これ以上働けません";
constexpr const char* kShoppingRefused = "これ以上買えません";
constexpr const char* kMealRefused = "これ以上食べられません";

}  // namespace

HouseholdActions::HouseholdActions(HouseholdState& state, ChoicePrompt& prompt, WarningBox& warnings,
                                   RandomSource& random)
    : state_(state), prompt_(prompt), warnings_(warnings), random_(random)
{
}

void HouseholdActions::work()
{
    switch (prompt_.ShowChoiceDialog("労働内容を選択して下さい。", "内職", "援助交際")) {
    case 1: {
        CheckedEffect effect(state_);
        effect.add(&HouseholdState::Money, 200).add(&HouseholdState::HahaHP, -20).endTurn();
        apply(effect, kWorkRefused);
        break;
    }
    case 2: {
        CheckedEffect effect(state_);
        effect.add(&HouseholdState::Money, 20000);
        // The roll comes after the wage; an arrest loses the wage with the rest.
        if (!effect.overflowed() && random_.next() > 0.5f)
            effect.set(&HouseholdState::Money, -1);
        effect.endTurn();
        apply(effect, kWorkRefused);
        break;
    }
    default:
        break;
    }
}

void HouseholdActions::shopping()
{
    switch (prompt_.ShowChoiceDialog("食料を選択して下さい。", "カップ麺", "醤油")) {
    case 1:
        buy(200, &HouseholdState::CupMen, 1);
        break;
    case 2:
        buy(100, &HouseholdState::Shoyu, 1000);
        break;
    default:
        break;
    }
}

void HouseholdActions::meal()
{
    switch (prompt_.ShowChoiceDialog("食べ物を選択して下さい。", "カップ麺", "醤油")) {
    case 1:
        if (state_.CupMen >= 1)
            serve(&HouseholdState::CupMen, 1, 50);
        else
            warnings_.showWarning("カップ麺がありません");
        break;
    case 2:
        if (state_.Shoyu >= 1)
            serve(&HouseholdState::Shoyu, 100, 10);
        else
            warnings_.showWarning("醤油がありません");
        break;
    default:
        break;
    }
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
    std::int16_t HouseholdState::*eater = nullptr;
    switch (prompt_.ShowChoiceDialog("食べる人を選択して下さい。", "母", "娘")) {
    case 1:
        eater = &HouseholdState::HahaHP;
        break;
    case 2:
        eater = &HouseholdState::MusumeHP;
        break;
    default:
        return;
    }
    CheckedEffect effect(state_);
    effect.add(stock, -portion).add(eater, gain).endTurn();
    apply(effect, kMealRefused);
}

void HouseholdActions::apply(CheckedEffect& effect, const char* refusal)
{
    if (!effect.commit())
        warnings_.showWarning(refusal);
}

}  // namespace household
