#include "CharacterSprites.h"

#include "PixelArt.h"

#include <map>
#include <string>
#include <vector>

namespace assetgen {
namespace {

using Rows = std::vector<std::string>;

// Front and back views are symmetric: their upper bodies are written as left
// halves and mirrored. Legs and side views are written in full.
Rows mirroredHalves(const Rows& halves)
{
    Rows rows;
    for (const std::string& half : halves)
        rows.push_back(half + std::string(half.rbegin(), half.rend()));
    return rows;
}

Rows joined(Rows upper, const Rows& legs)
{
    upper.insert(upper.end(), legs.begin(), legs.end());
    return upper;
}

// Zobzob: a stocky worker in a hard hat, red shirt and blue overalls.
const Rows ZobzobFrontUpper = mirroredHalves({
    ".......ooo", ".....ooiih", "....oiihhh", "...oihhhhh", "...ohhhhhh", "...oHHHHbb",
    ".ooHHHHHHH", "..oSSSSSSS", "..osssssss", "..osssskss", "..osssskss", "..osrrsssS",
    "..ossuuuuu", "...ossssmm", "....oossss", "...ooocccc", "..occccccc", ".occcpcccc",
    ".occopppbp", ".occoppppp", ".owwoppppp", "..ooopppPP",
});

const Rows ZobzobBackUpper = mirroredHalves({
    ".......ooo", ".....ooiih", "....oiihhh", "...oihhhhh", "...ohhhhhh", "...oHHHHHH",
    ".ooHHHHHHH", "..oAAAAAAA", "..oaaaaaaa", "..oaaaaaaa", "..osaaaaaa", "..ossaaaaa",
    "..oSsAaaaa", "...oSssSSS", "....oossss", "...ooocccc", "..occccccc", ".occcpcccc",
    ".occccpccc", ".occoccpPp", ".owwoppppp", "..ooopppPP",
});

const Rows ZobzobLegs[2] = {
    {"....oppPo..oPppo....", "....oppPo..oPppo....", "...offfFo..oFfffo...", "...offfFo..oFfffo...",
     "...oooooo..oooooo..."},
    {"....oppPo..oPppo....", "...offfFo..oPppo....", "...offfFo..oFfffo...", "...oooooo..oFfffo...",
     "...........oooooo..."},
};

const Rows ZobzobSideUpper = {
    ".......oooooo.......", ".....ooiihhhhoo.....", "....oiihhhhhhhho....", "...oihhhhhhhhhhHo...",
    "...ohhhhhhhhhbbHo...", "...oHHHHHHHHHHHHHHoo", "...oAAAASSSSSSSSSoo.", "...oaaaassssssssso..",
    "...oaaasssssssksso..", "...oaassssssssksssso", "...oassssrrssssssSSo", "....ossssssssuuuuuo.",
    ".....ossssssuuuuuo..", "......oosssssmso....", "........ooooooo.....", "......occccccco.....",
    ".....occccccccco....", "....occpocccocCo....", "....opppocccoppo....", "....opppowwwoppo....",
    "....oppppoooppPo....", ".....opppppppPPo....",
};

const Rows ZobzobSideLegs[2] = {
    {"......opppppPo......", "......opppppPo......", "......offffffffo....", "......offfffffFo....",
     "......oooooooooo...."},
    {".....opppppppPo.....", "....oppPo.oppPo.....", "...offffo.offfffo...", "...offfFo.offffFo...",
     "...oooooo.ooooooo..."},
};

// Pimpim: a slim girl with magenta hair in two buns and a green dress.
const Rows PimpimFrontUpper = mirroredHalves({
    "...ooo....", "..ohiho.oo", "..ohhhooih", "..ohhohhhh", "...oohhhhh", "....ohhhhh",
    "....ohhhhh", "...ohhhhhh", "...ohHhHhH", "...ohsssss", "...ohsseks", "...ohsskks",
    "...ohrssss", "....ohsssm", ".....oosss", "......oocc", "....oocccc", "...occcccc",
    "..osoccccc", "..osopcccc", "..osoppppp", "..oooppppp", "...oqppppp", "...ooooooo",
});

const Rows PimpimBackUpper = mirroredHalves({
    "...ooo....", "..ohiho.oo", "..ohhhooiH", "..ohhohhhH", "...oohhhhH", "....ohhhhH",
    "....ohhhhH", "...ohhhhhH", "...ohhhhhH", "...ohhhhhH", "...ohhhhhh", "...ohhhhhh",
    "...oohhhhh", "....oohhhh", ".....oossS", "......oocc", "....oocccc", "...occcccc",
    "..osoccccc", "..osoccbbb", "..osoppppp", "..oooppppp", "...oqppppp", "...ooooooo",
});

const Rows PimpimLegs[2] = {
    {".....owwo..owwo.....", ".....owwo..owwo.....", "....offfo..offfo....", "....ooooo..ooooo...."},
    {".....owwo..owwo.....", "....offfo..owwo.....", "....ooooo..offfo....", "...........ooooo...."},
};

const Rows PimpimSideUpper = {
    "..ooo...............", ".ohiho..oooooo......", ".ohhhooiihhhhhoo....", ".ohhhohhhhhhhhhho...",
    "..oohhhhhhhhhhhhho..", "....ohhhhhhhhhhhho..", "....ohhhhhhhhhhhhho.", "....ohhhhhhhhHhHhho.",
    "....ohhhhhHssssssho.", "....ohhhhhsssseksso.", "....ohhhhssssskksso.", "....ohhhhsrsssssso..",
    ".....ohhhsssssmso...", "......ohhossssoo....", ".......oooossoo.....", "........ooccco......",
    ".......occcccco.....", "......occcccccco....", "......occcsscco.....", "......opccssccpo....",
    ".....opppossopppo...", ".....oppppooppppo...", "....oqpppppppppppo..", "....ooooooooooooo...",
};

const Rows PimpimSideLegs[2] = {
    {"........owwo........", "........owwo........", "........offffo......", "........oooooo......"},
    {".......owo.owo......", "......owo...owo.....", ".....offo...offfo...", ".....oooo...ooooo..."},
};

const std::map<char, QColor> ZobzobColours = {
    {'o', QColor(34, 22, 30)},    {'h', QColor(244, 136, 32)},  {'H', QColor(192, 92, 20)},
    {'i', QColor(255, 206, 120)}, {'b', QColor(255, 236, 96)},  {'s', QColor(250, 200, 160)},
    {'S', QColor(214, 150, 118)}, {'k', QColor(30, 20, 30)},    {'e', QColor(255, 255, 255)},
    {'r', QColor(240, 136, 124)}, {'u', QColor(122, 72, 40)},   {'m', QColor(150, 48, 48)},
    {'a', QColor(112, 66, 36)},   {'A', QColor(80, 44, 24)},    {'c', QColor(214, 52, 52)},
    {'C', QColor(150, 30, 36)},   {'p', QColor(62, 104, 214)},  {'P', QColor(40, 66, 152)},
    {'q', QColor(112, 152, 240)}, {'w', QColor(246, 246, 240)}, {'W', QColor(190, 190, 200)},
    {'f', QColor(124, 74, 42)},   {'F', QColor(82, 46, 26)},
};

const std::map<char, QColor> PimpimColours = {
    {'o', QColor(44, 20, 50)},    {'h', QColor(222, 72, 172)},  {'H', QColor(158, 40, 120)},
    {'i', QColor(255, 156, 224)}, {'b', QColor(255, 224, 80)},  {'s', QColor(255, 216, 182)},
    {'S', QColor(222, 170, 140)}, {'k', QColor(40, 24, 64)},    {'e', QColor(255, 255, 255)},
    {'r', QColor(252, 150, 160)}, {'m', QColor(196, 60, 84)},   {'c', QColor(56, 192, 118)},
    {'C', QColor(34, 130, 82)},   {'p', QColor(44, 168, 104)},  {'P', QColor(28, 112, 70)},
    {'q', QColor(150, 240, 190)}, {'w', QColor(250, 250, 250)}, {'W', QColor(196, 196, 210)},
    {'f', QColor(224, 44, 64)},   {'F', QColor(150, 24, 40)},
};

struct CharacterArt {
    const Rows& frontUpper;
    const Rows& backUpper;
    const Rows* legs;
    const Rows& sideUpper;
    const Rows* sideLegs;
    const std::map<char, QColor>& colours;
};

const CharacterArt& artOf(int character)
{
    static const CharacterArt zobzob{ZobzobFrontUpper, ZobzobBackUpper, ZobzobLegs, ZobzobSideUpper,
                                     ZobzobSideLegs, ZobzobColours};
    static const CharacterArt pimpim{PimpimFrontUpper, PimpimBackUpper, PimpimLegs, PimpimSideUpper,
                                     PimpimSideLegs, PimpimColours};
    return character == 0 ? zobzob : pimpim;
}

} // namespace

QImage characterFigure(int character, Facing facing, int pose)
{
    const CharacterArt& art = artOf(character);
    const bool side = facing == Facing::Left || facing == Facing::Right;
    const Rows& upper = side ? art.sideUpper : (facing == Facing::Up ? art.backUpper : art.frontUpper);
    const Rows& legs = side ? art.sideLegs[pose] : art.legs[pose];
    QImage figure;
    if (side || pose == 0) {
        figure = fromRows(joined(upper, legs), art.colours);
    } else {
        // The second pose of a front or back view: the body bobs down a pixel
        // while one foot comes up, a step on the spot.
        const QImage top = fromRows(upper, art.colours);
        const QImage bottom = fromRows(legs, art.colours);
        figure = QImage(top.width(), top.height() + bottom.height(), QImage::Format_ARGB32);
        figure.fill(Qt::transparent);
        blitOver(figure, bottom, 0, top.height());
        blitOver(figure, top, 0, 1);
    }
    if (facing == Facing::Left)
        figure = figure.mirrored(true, false);
    return figure;
}

QImage characterOnFloor(const QImage& floor, int character, Facing facing, int pose)
{
    QImage cell = floor.copy();
    const QImage figure = characterFigure(character, facing, pose);
    castShadow(cell, 16, 29, 9, 3, 0.45);
    blitOver(cell, figure, (32 - figure.width()) / 2, 30 - figure.height());
    return cell;
}

} // namespace assetgen
