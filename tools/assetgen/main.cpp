// Writes every picture, sound, tune and preview of the game from code.
// Usage: tolvar_assetgen ASSETS_DIR   (the repository's assets/ folder)

#include "AboutPictures.h"
#include "AssetFiles.h"
#include "BoardSheets.h"
#include "ContactSheet.h"
#include "Decoration.h"
#include "DigitSheet.h"
#include "HelpPictures.h"
#include "IconArt.h"
#include "Music.h"
#include "SoundEffects.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString game = root + "/game/";
    try {
        using namespace assetgen;
        savePng(objectSheet(), game + "obj.png");
        savePng(spriteSheet(), game + "sprite.png");
        savePng(goalSheet(), game + "goal.png");
        savePng(digitSheet(), game + "number.png");
        const Decoration deco = decoration();
        savePng(deco.picture, game + "back.png");
        savePng(deco.mask, game + "backmask.png");
        for (const NamedPicture& p : aboutPictures())
            savePng(p.image, game + p.fileName);
        savePng(iconImage(256), game + "tolvar.png");
        for (const int size : IconSizes)
            savePng(iconImage(size), QString("%1/icons/hicolor/%2x%2/apps/tolvar.png").arg(root).arg(size));
        for (const NamedPicture& p : helpPictures())
            savePng(p.image, game + "help/" + p.fileName);
        for (const NamedSound& s : soundEffects())
            saveBytes(s.wav, game + s.fileName);
        for (const NamedTune& t : musicPieces())
            saveBytes(t.midi, game + t.fileName);
        savePng(contactSheet(), root + "/preview/contact-sheet.png");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvar_assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
