#pragma once
// A game on fake desktop services, in a temporary game directory, with synthetic picture
// sheets whose every cell has a colour of its own, so a test can tell which source a
// pixel was copied from.
#include <QImage>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Game.h"
#include "fakes/FakeServices.h"
#include "rules/Direction.h"

namespace tolvar::testing {

/// The colour of cell (column, row) of a synthetic sheet; `sheet` tells the sheets apart.
inline QRgb SheetColour(int sheet, int column, int row) { return qRgb(20 + column * 25, 20 + row * 13, 30 + sheet * 70); }
constexpr int ObjId = 0, SpriteId = 1, GoalId = 2;
inline QRgb DigitColour(int digit, int style) { return qRgb(10 + digit * 20, 10 + style * 80, 250); }
/// The decoration of the synthetic pair: a 4-pixel frame round the window, this colour.
inline QRgb DecorationColour() { return qRgb(255, 0, 255); }

inline QImage CellSheet(int sheet, int columns, int rows)
{
    QImage image(columns * 32, rows * 32, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    image.setPixel(c * 32 + x, r * 32 + y, SheetColour(sheet, c, r));
    return image;
}

/// The decoration's picture and mask: a frame four pixels wide.
inline std::pair<QImage, QImage> SyntheticDecoration()
{
    QImage picture(640, 445, QImage::Format_RGB32), mask(640, 445, QImage::Format_RGB32);
    for (int y = 0; y < 445; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool frame = x < 4 || y < 4 || x >= 636 || y >= 441;
            picture.setPixel(x, y, frame ? DecorationColour() : qRgb(0, 0, 0));
            mask.setPixel(x, y, frame ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return {picture, mask};
}

inline Sheets SyntheticSheets()
{
    Sheets s;
    s.pic_Obj = CellSheet(ObjId, 8, 7);
    s.pic_Sprite = CellSheet(SpriteId, 8, 14);
    s.pic_Goal = CellSheet(GoalId, 4, 7);
    s.pic_Number = QImage(130, 69, QImage::Format_RGB32);
    for (int style = 0; style < 3; ++style)
        for (int d = 0; d < 10; ++d)
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 13; ++x)
                    s.pic_Number.setPixel(d * 13 + x, style * 23 + y, DigitColour(d, style));
    const auto [picture, mask] = SyntheticDecoration();
    s.pic_Back = Decoration(picture, mask);
    return s;
}

inline void WriteSheets(const std::string& dir)
{
    const Sheets s = SyntheticSheets();
    s.pic_Obj.save(QString::fromStdString(dir + "/obj.png"));
    s.pic_Sprite.save(QString::fromStdString(dir + "/sprite.png"));
    s.pic_Goal.save(QString::fromStdString(dir + "/goal.png"));
    s.pic_Number.save(QString::fromStdString(dir + "/number.png"));
    const auto [picture, mask] = SyntheticDecoration();
    picture.save(QString::fromStdString(dir + "/back.png"));
    mask.save(QString::fromStdString(dir + "/backmask.png"));
}

/// A level text from up to 14 rows of up to 20 characters, the rest outside ("0").
inline std::string Level(std::initializer_list<const char*> rows)
{
    std::string text(280, '0');
    int r = 0;
    for (const char* row : rows) {
        const std::string line(row);
        for (std::size_t c = 0; c < line.size() && c < 20; ++c)
            text[static_cast<std::size_t>(r * 20) + c] = line[c];
        ++r;
    }
    return text;
}

/// The first ten cells of row 1 of the board as digits (the man is not in the board).
inline std::string Row1(const Game& g)
{
    std::string row;
    for (int x = 0; x < 10; ++x)
        row += static_cast<char>('0' + g.Board()(x, 1));
    return row;
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

/// A fresh temporary directory, removed again with the object.
class TempDir {
public:
    TempDir()
    {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tolvar-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

/// A started game: fakes, a temporary game directory holding the given level set and
/// synthetic sheets, start-up run (the about box answered at once).
struct TestGame {
    fakes::FakeDesktop desktop;
    TempDir dir;
    std::unique_ptr<Game> game;

    explicit TestGame(const std::vector<std::string>& levels, bool start = true)
    {
        std::string set;
        for (const std::string& l : levels)
            set += l;
        WriteFile(dir.file("tolvar.box"), set);
        WriteSheets(dir.str());
        game = std::make_unique<Game>(desktop.services());
        if (start)
            Start();
    }
    bool Start()
    {
        const bool ok = game->Form_Load(dir.str());
        game->SeedRandom(12345);
        return ok;
    }
    Game& operator*() { return *game; }
    Game* operator->() { return game.get(); }

    /// Presses the keys of a move history, one arrow per character.
    void Play(const std::string& moves)
    {
        for (char c : moves) {
            game->Form_KeyDown(KeyOfMove(c), 0);
        }
    }
    /// The arrow key of a move history's character; anything but "7", "8" or "9" presses down.
    static int KeyOfMove(char c)
    {
        const int d = DirectionOfDigit(c);
        return Directions[static_cast<std::size_t>(d < 0 ? Down : d)].key;
    }
    /// The colour of the persistent client image at the centre of window cell (x, y).
    QRgb CellPixel(int x, int y) const { return game->view.Client().pixel(x * 32 + 16, y * 32 + 16); }
};

}  // namespace tolvar::testing
