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

// The few facts a player cannot guess are written down somewhere.
TEST(HelpPages, mentionTheKeysAndFilesAPlayerNeeds)
{
    const QDir help(assetPath("game/help"));
    QString all;
    for (const QString& page : help.entryList({"*.html"}, QDir::Files))
        all += QString::fromUtf8(loadBytes("game/help/" + page));
    for (const char* fact : {"Ctrl+Alt+Shift+F9", "Ctrl+U", "~/.config/tolvar/tolvar.ini", "[Box]", "SelfLevel",
                             "tolvar.box", "boxsol.N", "selfsol.N", "othersol.N", "self.N", "other.N", "Trace"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(fact))) << fact;
}

} // namespace
