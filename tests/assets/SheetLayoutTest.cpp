// The picture sheets have the sizes and the cell layout the board drawing relies on.

#include "AssetTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <cmath>
#include <string>

using namespace assettest;

namespace {

constexpr int Sceneries = 7;

struct SizeCase {
    const char* file;
    int width;
    int height;
};

class SheetSize : public testing::TestWithParam<SizeCase> {};

TEST_P(SheetSize, hasTheSizeTheGameCutsItBy)
{
    const SizeCase c = GetParam();
    const QImage img = loadImage(c.file);
    ASSERT_FALSE(img.isNull()) << c.file;
    EXPECT_EQ(img.width(), c.width) << c.file;
    EXPECT_EQ(img.height(), c.height) << c.file;
}

INSTANTIATE_TEST_SUITE_P(
    EveryPicture, SheetSize,
    testing::Values(SizeCase{"game/obj.png", 256, 224}, SizeCase{"game/sprite.png", 256, 448},
                    SizeCase{"game/goal.png", 128, 224}, SizeCase{"game/number.png", 130, 69},
                    SizeCase{"game/back.png", 640, 445}, SizeCase{"game/backmask.png", 640, 445},
                    SizeCase{"game/about_back.png", 497, 255}, SizeCase{"game/about_title.png", 384, 72},
                    SizeCase{"game/about_notice0.png", 465, 36}, SizeCase{"game/about_notice1.png", 465, 36},
                    SizeCase{"game/win0.png", 465, 36}, SizeCase{"game/win1.png", 465, 36},
                    SizeCase{"game/win2.png", 465, 36}, SizeCase{"game/win3.png", 465, 36},
                    SizeCase{"game/email0.png", 170, 22}, SizeCase{"game/email1.png", 170, 22},
                    SizeCase{"game/http0.png", 170, 22}, SizeCase{"game/http1.png", 170, 22},
                    SizeCase{"game/tolvar.png", 256, 256},
                    SizeCase{"icons/hicolor/16x16/apps/tolvar.png", 16, 16},
                    SizeCase{"icons/hicolor/32x32/apps/tolvar.png", 32, 32},
                    SizeCase{"icons/hicolor/48x48/apps/tolvar.png", 48, 48},
                    SizeCase{"icons/hicolor/64x64/apps/tolvar.png", 64, 64},
                    SizeCase{"icons/hicolor/128x128/apps/tolvar.png", 128, 128},
                    SizeCase{"icons/hicolor/256x256/apps/tolvar.png", 256, 256}));

bool allBlack(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) != 0)
                return false;
    return true;
}

// Only rows 1 and 2 of column 0 hold the Blue and Green background tiles.
TEST(ObjectSheet, backgroundColumnHoldsOnlyTheBlueAndGreenTiles)
{
    const QImage obj = loadImage("game/obj.png");
    for (int row = 0; row < Sceneries; ++row)
        EXPECT_EQ(allBlack(cellOf(obj, 0, row)), row != 1 && row != 2) << "row " << row;
    EXPECT_GT(differingPixels(cellOf(obj, 0, 1), cellOf(obj, 0, 2)), 900);
}

// At a glance: a goal is not floor, a box on a goal is not a box, the two men differ.
TEST(ObjectSheet, eachSceneryTellsItsObjectsApart)
{
    const QImage obj = loadImage("game/obj.png");
    for (int s = 0; s < Sceneries; ++s) {
        EXPECT_GT(differingPixels(cellOf(obj, 2, s), cellOf(obj, 3, s)), 250) << "goal vs floor, scenery " << s;
        EXPECT_GT(differingPixels(cellOf(obj, 4, s), cellOf(obj, 5, s)), 400) << "box on goal vs box, scenery " << s;
        EXPECT_GT(differingPixels(cellOf(obj, 1, s), cellOf(obj, 2, s)), 800) << "wall vs floor, scenery " << s;
        EXPECT_GT(differingPixels(cellOf(obj, 6, s), cellOf(obj, 7, s)), 200) << "the two men, scenery " << s;
    }
}

double colourDistance(const std::vector<double>& a, const std::vector<double>& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

// Every scenery has its own material: walls or floors differ clearly in colour.
TEST(ObjectSheet, sceneriesDifferFromEachOther)
{
    const QImage obj = loadImage("game/obj.png");
    for (int a = 0; a < Sceneries; ++a)
        for (int b = a + 1; b < Sceneries; ++b) {
            const double walls = colourDistance(meanColour(cellOf(obj, 1, a)), meanColour(cellOf(obj, 1, b)));
            const double floors = colourDistance(meanColour(cellOf(obj, 2, a)), meanColour(cellOf(obj, 2, b)));
            EXPECT_GT(walls + floors, 40.0) << "sceneries " << a << " and " << b;
        }
}

// Each man's frame is drawn over its scenery's floor, and the standing man of
// the object sheet is the first front frame.
TEST(SpriteSheet, framesStandOnTheirSceneryFloor)
{
    const QImage obj = loadImage("game/obj.png");
    const QImage sprite = loadImage("game/sprite.png");
    for (int character = 0; character < 2; ++character)
        for (int s = 0; s < Sceneries; ++s) {
            const QImage floor = cellOf(obj, 2, s);
            const int row = character * Sceneries + s;
            for (int column = 0; column < 8; ++column) {
                const QImage frame = cellOf(sprite, column, row);
                EXPECT_EQ(frame.pixel(0, 0), floor.pixel(0, 0)) << "row " << row << " column " << column;
                EXPECT_EQ(frame.pixel(31, 0), floor.pixel(31, 0)) << "row " << row << " column " << column;
            }
            EXPECT_EQ(differingPixels(cellOf(sprite, 0, row), cellOf(obj, 6 + character, s)), 0) << "row " << row;
        }
}

// The two pictures of each direction differ (so the man moves), and the four
// directions differ from each other.
TEST(SpriteSheet, posesAndDirectionsDiffer)
{
    const QImage sprite = loadImage("game/sprite.png");
    for (int row = 0; row < 2 * Sceneries; ++row) {
        for (int pair = 0; pair < 4; ++pair)
            EXPECT_GT(differingPixels(cellOf(sprite, pair * 2, row), cellOf(sprite, pair * 2 + 1, row)), 8)
                << "row " << row << " direction " << pair;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_GT(differingPixels(cellOf(sprite, a * 2, row), cellOf(sprite, b * 2, row)), 40)
                    << "row " << row << " directions " << a << ", " << b;
    }
    // The characters differ in every scenery and pose.
    for (int s = 0; s < Sceneries; ++s)
        for (int column = 0; column < 8; ++column)
            EXPECT_GT(differingPixels(cellOf(sprite, column, s), cellOf(sprite, column, Sceneries + s)), 150);
}

// The man facing left is the man facing right seen in a mirror: the same
// outline, so turning round never changes his size or place in the cell.
TEST(SpriteSheet, leftAndRightFramesMirrorEachOther)
{
    const QImage obj = loadImage("game/obj.png");
    const QImage sprite = loadImage("game/sprite.png");
    for (int row = 0; row < 2 * Sceneries; ++row) {
        const QImage floor = cellOf(obj, 2, row % Sceneries);
        for (int pose = 0; pose < 2; ++pose) {
            const QImage left = cellOf(sprite, 2 + pose, row);
            const QImage right = cellOf(sprite, 6 + pose, row);
            int mismatches = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    const bool inLeft = left.pixel(x, y) != floor.pixel(x, y);
                    const bool inRight = right.pixel(31 - x, y) != floor.pixel(31 - x, y);
                    mismatches += inLeft != inRight;
                }
            EXPECT_EQ(mismatches, 0) << "row " << row << " pose " << pose;
        }
    }
}

// The four frames of a box on a goal all differ, so the animation shows.
TEST(GoalSheet, framesPulse)
{
    const QImage goal = loadImage("game/goal.png");
    const QImage obj = loadImage("game/obj.png");
    for (int s = 0; s < Sceneries; ++s) {
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                if (a == 1 && b == 3)
                    continue; // the pulse passes the same middle picture on its way up and down
                EXPECT_GT(differingPixels(cellOf(goal, a, s), cellOf(goal, b, s)), 20) << s << ": " << a << "," << b;
            }
        EXPECT_GT(differingPixels(cellOf(goal, 0, s), cellOf(obj, 4, s)), 400) << "still tells a box on a goal, " << s;
    }
}

// CIELAB lightness and the a*, b* plane, of one pixel.
std::array<double, 3> labOf(QRgb p)
{
    auto linear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double r = linear(qRed(p));
    const double g = linear(qGreen(p));
    const double b = linear(qBlue(p));
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double fx = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.9505);
    const double fy = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double fz = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.089);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// The mean L*, a*, b* of the pixels of a cell that `inside` picks.
std::array<double, 3> meanLab(const QImage& cell, const std::function<bool(int, int)>& inside)
{
    std::array<double, 3> sum{0, 0, 0};
    int n = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (inside(x, y)) {
                const auto lab = labOf(cell.pixel(x, y));
                for (int i = 0; i < 3; ++i)
                    sum[i] += lab[i];
                ++n;
            }
    for (double& v : sum)
        v /= std::max(n, 1);
    return sum;
}

double hueGap(const std::array<double, 3>& a, const std::array<double, 3>& b)
{
    const double gap = std::abs(std::atan2(a[2], a[1]) - std::atan2(b[2], b[1])) * 180 / 3.14159265;
    return std::min(gap, 360 - gap);
}

// A box and a box on a goal stand on the same footprint and are told apart in
// grayscale (lightness) as well as in colour, in every scenery and every frame
// of the glow.
TEST(BoxPictures, boxAndBoxOnGoalDifferInLightnessAndHueOnOneFootprint)
{
    const QImage obj = loadImage("game/obj.png");
    const QImage goal = loadImage("game/goal.png");
    for (int s = 0; s < Sceneries; ++s) {
        const QImage floor = cellOf(obj, 2, s);
        const QImage box = cellOf(obj, 4, s);
        auto footprint = [&](const QImage& cell) {
            return [&floor, &cell](int x, int y) { return cell.pixel(x, y) != floor.pixel(x, y); };
        };
        const auto inBox = footprint(box);
        const auto boxWhole = meanLab(box, [](int, int) { return true; });
        const auto boxPainted = meanLab(box, inBox);
        const QImage onGoal[5] = {cellOf(obj, 5, s), cellOf(goal, 0, s), cellOf(goal, 1, s), cellOf(goal, 2, s),
                                  cellOf(goal, 3, s)};
        for (int i = 0; i < 5; ++i) {
            const QImage& other = onGoal[i];
            int outside = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    outside += inBox(x, y) != footprint(other)(x, y);
            EXPECT_LE(outside, 8) << "footprint, scenery " << s << " picture " << i;
            const auto whole = meanLab(other, [](int, int) { return true; });
            EXPECT_GE(std::abs(whole[0] - boxWhole[0]), 20.0) << "lightness, scenery " << s << " picture " << i;
            EXPECT_GE(hueGap(meanLab(other, inBox), boxPainted), 30.0) << "hue, scenery " << s << " picture " << i;
        }
    }
}

// The mean gray (0.299 R + 0.587 G + 0.114 B) of a whole cell.
double meanGray(const QImage& cell)
{
    const std::vector<double> c = meanColour(cell);
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

// A box still to be pushed stands out from the floor and from a goal by its
// brightness, not only by its outline, and stays apart from a box on a goal,
// in every scenery (a player without colour vision sees the same board).
TEST(BoxPictures, aBoxStandsApartInGrayFromTheFloorTheGoalAndABoxOnAGoal)
{
    const QImage obj = loadImage("game/obj.png");
    struct Gap {
        int column;
        double least;
        const char* what;
    };
    constexpr Gap Gaps[] = {{2, 25, "floor"}, {3, 25, "goal"}, {5, 20, "box on a goal"}};
    for (int s = 0; s < Sceneries; ++s) {
        const double box = meanGray(cellOf(obj, 4, s));
        for (const Gap& gap : Gaps)
            EXPECT_GE(std::abs(box - meanGray(cellOf(obj, gap.column, s))), gap.least)
                << "box vs " << gap.what << ", scenery " << s;
    }
}

// Seven segments: an 8 lights every segment any other digit lights, and a 1
// lights the fewest.
TEST(NumberSheet, digitsAreMadeOfTheSameSegments)
{
    const QImage number = loadImage("game/number.png");
    for (int row = 0; row < 3; ++row) {
        const QImage eight = number.copy(8 * 13, row * 23, 13, 23);
        const QImage one = number.copy(1 * 13, row * 23, 13, 23);
        auto brightness = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); };
        // "Lit" is brighter than the digit's own unlit segments, which the 8 never shows.
        int litThreshold = 0;
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 13; ++x)
                litThreshold = std::max(litThreshold, brightness(eight.pixel(x, y)));
        litThreshold /= 2;
        auto litCount = [&](const QImage& d) {
            int n = 0;
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 13; ++x)
                    n += brightness(d.pixel(x, y)) > litThreshold;
            return n;
        };
        for (int digit = 0; digit < 10; ++digit) {
            const QImage d = number.copy(digit * 13, row * 23, 13, 23);
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 13; ++x) {
                    if (brightness(d.pixel(x, y)) > litThreshold) {
                        EXPECT_GT(brightness(eight.pixel(x, y)), litThreshold) << "digit " << digit << " at " << x << "," << y;
                    }
                }
            if (digit != 1) {
                EXPECT_GT(litCount(d), litCount(one)) << "row " << row << " digit " << digit;
            }
        }
    }
}

// Each about box picture is cut from the background where it is placed, so
// it sits there without a seam; and it carries something to read.
TEST(AboutPictures, matchTheBackgroundAtTheirPlaces)
{
    const QImage back = loadImage("game/about_back.png");
    struct Placed {
        const char* file;
        int x;
        int y;
    };
    const Placed pictures[] = {{"about_title.png", 96, 8},   {"about_notice0.png", 16, 92}, {"about_notice1.png", 16, 132},
                               {"win0.png", 16, 92},         {"win1.png", 16, 132},        {"win2.png", 16, 92},
                               {"win3.png", 16, 132},        {"email0.png", 16, 184},       {"email1.png", 16, 214},
                               {"http0.png", 196, 184},      {"http1.png", 196, 214}};
    for (const Placed& p : pictures) {
        const QImage img = loadImage(QString("game/") + p.file);
        const QImage under = back.copy(p.x, p.y, img.width(), img.height());
        int edgeMismatches = 0;
        for (int x = 0; x < img.width(); ++x)
            edgeMismatches += (img.pixel(x, 0) != under.pixel(x, 0)) + (img.pixel(x, img.height() - 1) != under.pixel(x, img.height() - 1));
        EXPECT_EQ(edgeMismatches, 0) << p.file;
        EXPECT_GT(differingPixels(img, under), 100) << p.file << " shows its text";
    }
}

// Digits: ten different figures per row, red, green and white rows.
TEST(NumberSheet, tenDistinctDigitsInThreeColours)
{
    const QImage number = loadImage("game/number.png");
    for (int row = 0; row < 3; ++row) {
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_GT(differingPixels(number.copy(a * 13, row * 23, 13, 23), number.copy(b * 13, row * 23, 13, 23)), 5)
                    << "row " << row << " digits " << a << ", " << b;
    }
    const auto red = meanColour(number.copy(0, 0, 130, 23));
    const auto green = meanColour(number.copy(0, 23, 130, 23));
    const auto white = meanColour(number.copy(0, 46, 130, 23));
    EXPECT_GT(red[0], 2 * red[1]);
    EXPECT_GT(green[1], 2 * green[0]);
    EXPECT_NEAR(white[0], white[2], 12.0);
    EXPECT_GT(white[0], 20.0);
}

} // namespace
