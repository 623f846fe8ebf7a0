// A HUD element's text: the number it follows, eased towards each new value,
// and the number's formatting.
#include "frontend/HUDElement.h"

#include "app/OverlayWidget.h"
#include "app/TextUtils.h"
#include "combat/Enemy.h"
#include "core/Game.h"
#include "play/Level.h"

#include <cstdio>
#include <vector>

namespace {

// The step is given per 120th of the difference, for a 16 ms frame.
constexpr double easeDivisions = 120.0;
constexpr double referenceFrame = 0.016;
// An enemy with fewer hit points has no life to show a share of.
constexpr std::int32_t leastBarLife = 2;

// The value as "%f" prints it.
std::string printed(double value)
{
    const int length = std::snprintf(nullptr, 0, "%f", value);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%f", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// Up to the first digit after the last point: 12.500000 gives 12.5.
std::string oneDecimal(const std::string& text)
{
    const std::size_t point = text.rfind('.');
    return point == std::string::npos ? text : text.substr(0, point + 2);
}

// Hit points are counted from 0: a dead enemy's negative life shows empty.
float lifeCount(std::int32_t life) { return life > 0 ? static_cast<float>(static_cast<std::uint32_t>(life)) : 0.0f; }

} // namespace

void HUDElement::updateText()
{
    if (!widget)
        return;
    if (!isDisplayVariable) {
        widget->setText(text);
        return;
    }
    const double value = lifeFraction();
    if (value != lastValue) {
        easeStep = static_cast<float>((value - lastValue) / easeDivisions) * updateNumberAnimationSpeed;
        shownValue = lastValue;
        lastValue = value;
    }
    if (shownValue != value) {
        shownValue += easeStep * (Game::getSingletonPtr()->frameTime / referenceFrame);
        if ((easeStep > 0.0f && shownValue > value) || (easeStep < 0.0f && shownValue < value))
            shownValue = value;
        if (updateNumberAnimationSpeed == 0.0f)
            shownValue = value;
    }
    widget->setText(text + formatValue(shownValue));
}

std::string HUDElement::formatValue(double value) const
{
    const std::string number = oneDecimal(printed(value));
    if (isTimeFormating)
        return formatTimeMinSec(number);
    const Game& game = *Game::getSingletonPtr();
    if (isInternalVariable && internalVariable == "displayedScore")
        return formatThousands(std::to_string(game.displayedScore), game.scoreFormating);
    if (isThousandsFormating)
        return formatThousands(number, game.scoreFormating);
    return number;
}

double HUDElement::lifeFraction() const
{
    const Level* level = Game::getSingletonPtr()->level;
    if (!level)
        return 0.0;
    const Enemy* enemy = nullptr;
    if (isEnemyHPLifeBar) {
        enemy = level->lastHitEnemy;
        if (enemy && enemy->isBigLifebar)
            enemy = nullptr;
    } else if (isBossLifeBar) {
        enemy = level->bossBarEnemy;
    }
    if (!enemy || enemy->life < leastBarLife)
        return 0.0;
    return static_cast<double>(lifeCount(enemy->currentLife) / lifeCount(enemy->life));
}
