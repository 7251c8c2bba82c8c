// The two four-digit counters above the board.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

namespace {
constexpr int DigitWidth = 13;
constexpr int DigitHeight = 23;
}  // namespace

void Game::DrawNumber(Counter target, std::int32_t value, int style)
{
    QImage& box = target == Counter::Level ? pic_Level : pic_Step;
    // Four digits with leading zeros; a value beyond 9999 cannot be shown, so the
    // counter shows 9999 rather than reading outside the digit strip.
    if (value > MaxCount)
        value = MaxCount;
    if (value < 0)
        value = 0;
    const int thousands = value / 1000;
    const int hundreds = (value - thousands * 1000) / 100;
    const int tens = (value - thousands * 1000 - hundreds * 100) / 10;
    const int ones = value - thousands * 1000 - hundreds * 100 - tens * 10;
    const int digits[4] = {thousands, hundreds, tens, ones};
    for (int i = 0; i < 4; ++i)
        BitBlt(box, i * DigitWidth, 0, DigitWidth, DigitHeight, sheets.pic_Number, digits[i] * DigitWidth,
               style * DigitHeight, Rop::SrcCopy);
    svc_.window->RefreshCounter(target);
}

}  // namespace tolvar
