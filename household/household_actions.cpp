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

void HouseholdActions::Work()
{
    switch (prompt_.ShowChoiceDialog("労働内容を選択して下さい。", "内職", "援助交際")) {
    case 1: {
        CheckedEffect effect(state_);
        effect.Add(&HouseholdState::Money, 200).Add(&HouseholdState::HahaHP, -20).EndTurn();
        Apply(effect, kWorkRefused);
        break;
    }
    case 2: {
        CheckedEffect effect(state_);
        effect.Add(&HouseholdState::Money, 20000);
        // The roll comes after the wage; an arrest loses the wage with the rest.
        if (!effect.overflowed() && random_.Next() > 0.5f)
            effect.Set(&HouseholdState::Money, -1);
        effect.EndTurn();
        Apply(effect, kWorkRefused);
        break;
    }
    default:
        break;
    }
}

void HouseholdActions::Shopping()
{
    switch (prompt_.ShowChoiceDialog("食料を選択して下さい。", "カップ麺", "醤油")) {
    case 1:
        Buy(200, &HouseholdState::CupMen, 1);
        break;
    case 2:
        Buy(100, &HouseholdState::Shoyu, 1000);
        break;
    default:
        break;
    }
}

void HouseholdActions::Meal()
{
    switch (prompt_.ShowChoiceDialog("食べ物を選択して下さい。", "カップ麺", "醤油")) {
    case 1:
        if (state_.CupMen >= 1)
            Serve(&HouseholdState::CupMen, 1, 50);
        else
            warnings_.ShowWarning("カップ麺がありません");
        break;
    case 2:
        if (state_.Shoyu >= 1)
            Serve(&HouseholdState::Shoyu, 100, 10);
        else
            warnings_.ShowWarning("醤油がありません");
        break;
    default:
        break;
    }
}

void HouseholdActions::Buy(std::int32_t price, std::int16_t HouseholdState::*stock, std::int16_t amount)
{
    if (state_.Money < price) {
        warnings_.ShowWarning("お金が足りません");
        return;
    }
    CheckedEffect effect(state_);
    effect.Add(&HouseholdState::Money, -price).Add(stock, amount).Add(&HouseholdState::HahaHP, -10).EndTurn();
    Apply(effect, kShoppingRefused);
}

void HouseholdActions::Serve(std::int16_t HouseholdState::*stock, std::int16_t portion, std::int16_t gain)
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
    effect.Add(stock, -portion).Add(eater, gain).EndTurn();
    Apply(effect, kMealRefused);
}

void HouseholdActions::Apply(CheckedEffect& effect, const char* refusal)
{
    if (!effect.Commit())
        warnings_.ShowWarning(refusal);
}

}  // namespace household
