// The help opens on its contents page, and no page links to a page or a
// picture that is not there.

#include "AssetTestFiles.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace assettest;

namespace {

TEST(HelpPages, everyLinkAndPictureResolves)
{
    const QDir help(assetPath("game/help"));
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    const QRegularExpression reference(R"re((?:href|src)="([^"#:]+)")re");
    for (const QString& page : pages) {
        const QString text = QString::fromUtf8(loadBytes("game/help/" + page));
        for (auto it = reference.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << page.toStdString() << " refers to missing " << target.toStdString();
        }
    }
}

// The contents page lists every page, every page leads back to it and wears
// the shared style, and no picture is scaled: it shows as the game shows it.
TEST(HelpPages, contentsListEveryPageAndPicturesShowAtTheirOwnSize)
{
    const QDir help(assetPath("game/help"));
    const QString index = QString::fromUtf8(loadBytes("game/help/index.html"));
    const QRegularExpression scaledPicture(R"re(<img[^>]*\b(?:width|height)\s*=)re");
    for (const QString& page : help.entryList({"*.html"}, QDir::Files)) {
        const QString text = QString::fromUtf8(loadBytes("game/help/" + page));
        if (page != "index.html") {
            EXPECT_TRUE(index.contains("href=\"" + page + "\"")) << page.toStdString() << " is missing from the contents";
            EXPECT_TRUE(text.contains(R"(href="index.html")")) << page.toStdString() << " has no way back";
        }
        EXPECT_TRUE(text.contains(R"(href="help.css")")) << page.toStdString();
        EXPECT_FALSE(scaledPicture.match(text).hasMatch()) << page.toStdString() << " scales a picture";
    }
}

// The few facts a player cannot guess are written down somewhere.
TEST(HelpPages, mentionTheKeysAndFilesAPlayerNeeds)
{
    const QDir help(assetPath("game/help"));
    QString all;
    for (const QString& page : help.entryList({"*.html"}, QDir::Files))
        all += QString::fromUtf8(loadBytes("game/help/" + page));
    for (const char* fact : {"Ctrl+Alt+Shift+F9", "Ctrl+U", "~/.config/tolvar/tolvar.ini", "[Box]", "SelfLevel",
                             "[Progress]", "tolvar.box", "boxsol.N", "selfsol.N", "othersol.N", "self.N", "other.N", "Trace",
                             "~/.local/share/tolvar", "tolvar-levels import", "verify", "solve", "export",
                             "default-GM.sf2", "Scenery1 is Brick", "Ctrl+K", "Remove..."})
        EXPECT_TRUE(all.contains(QString::fromUtf8(fact))) << fact;
}

} // namespace
