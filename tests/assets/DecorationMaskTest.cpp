// The decoration frames the board without hiding play or the counters, and
// its two pictures agree with how they are laid: mask AND, then picture OR.

#include "AssetTestFiles.h"

#include <QRect>

#include <gtest/gtest.h>

using namespace assettest;

namespace {

constexpr QRgb White = 0xffffff;

TEST(Decoration, maskIsPureBlackAndWhiteAndThePictureBlackWhereItIsWhite)
{
    const QImage mask = loadImage("game/backmask.png");
    const QImage picture = loadImage("game/back.png");
    ASSERT_EQ(mask.size(), picture.size());
    int covered = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & 0xffffff;
            ASSERT_TRUE(m == 0 || m == White) << "mask grey at " << x << "," << y;
            if (m == White)
                ASSERT_EQ(picture.pixel(x, y) & 0xffffff, 0u) << "picture not black at " << x << "," << y;
            else
                ++covered;
        }
    EXPECT_GT(covered, 4000) << "there is a frame to see";
}

TEST(Decoration, leavesTheInnerCellsAndTheCountersClear)
{
    const QImage mask = loadImage("game/backmask.png");
    const QRect clear[] = {QRect(32, 32, 576, 384), QRect(8, 16, 52, 23), QRect(576, 16, 52, 23)};
    for (const QRect& r : clear)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ASSERT_EQ(mask.pixel(x, y) & 0xffffff, White) << "covered at " << x << "," << y;
}

} // namespace
