// The about box in its three roles, its pictures and links, and its turning man.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AboutBox.h"
#include "app/PictureBox.h"
#include "fakes/TestGame.h"

using namespace tolvar;
using tolvar::testing::SheetColour;
using tolvar::testing::SpriteId;
using tolvar::testing::TestGame;

namespace {

struct Picture {
    const char* file;
    const char* name;
    QRect place;
};

const Picture Pictures[] = {
    {"about_back.png", "img_Back", {0, 0, 497, 255}},
    {"about_title.png", "img_Title", {96, 8, 384, 72}},
    {"about_notice0.png", "img_Notice(0)", {16, 92, 465, 36}},
    {"about_notice1.png", "img_Notice(1)", {16, 132, 465, 36}},
    {"win0.png", "img_Win(0)", {16, 92, 465, 36}},
    {"win1.png", "img_Win(1)", {16, 132, 465, 36}},
    {"win2.png", "img_Win(2)", {16, 92, 465, 36}},
    {"win3.png", "img_Win(3)", {16, 132, 465, 36}},
    {"email0.png", "img_Email(0)", {16, 184, 170, 22}},
    {"email1.png", "img_Email(1)", {16, 214, 170, 22}},
    {"http0.png", "img_Http(0)", {196, 184, 170, 22}},
    {"http1.png", "img_Http(1)", {196, 214, 170, 22}},
};

/// Writes every picture in its size, each filled with a colour of its own.
void WritePictures(const QString& dir)
{
    int n = 0;
    for (const Picture& p : Pictures) {
        QImage image(p.place.size(), QImage::Format_RGB32);
        image.fill(qRgb(10 * ++n, 100, 200));
        QVERIFY(image.save(dir + QLatin1Char('/') + QLatin1String(p.file)));
    }
}

PictureBox* Find(const AboutBox& box, const char* name) { return box.findChild<PictureBox*>(QLatin1String(name)); }

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutAndPicturesAreInPlace()
    {
        QTemporaryDir dir;
        WritePictures(dir.path());
        AboutBox box(AboutRole::About, dir.path().toStdString(), {}, nullptr);
        QCOMPARE(box.windowTitle(), QStringLiteral("ABOUT TOLVAR"));
        QCOMPARE(box.size(), QSize(497, 255));
        QVERIFY(box.isModal());
        for (const Picture& p : Pictures) {
            PictureBox* picture = Find(box, p.name);
            QVERIFY2(picture, p.name);
            QCOMPARE(picture->geometry(), p.place);
            QVERIFY2(!picture->Picture().isNull(), p.file);
        }
        QCOMPARE(box.Icon()->geometry(), QRect(40, 28, 32, 32));
        QCOMPARE(box.OkButton()->text(), QStringLiteral("&Continue"));
        QCOMPARE(box.OkButton()->geometry(), QRect(385, 210, 96, 30));
        QCOMPARE(box.IconTimer()->interval(), 100);
        QVERIFY(box.IconTimer()->isActive());
    }

    // The about role shows its two notices; a won level shows two of the won captions instead.
    void eachRoleShowsItsOwnCaptions_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("about") << int(AboutRole::About) << QStringList{"img_Notice(0)", "img_Notice(1)"};
        QTest::newRow("next level") << int(AboutRole::NextLevel) << QStringList{"img_Win(0)", "img_Win(1)"};
        QTest::newRow("all completed") << int(AboutRole::AllCompleted) << QStringList{"img_Win(2)", "img_Win(3)"};
    }
    void eachRoleShowsItsOwnCaptions()
    {
        QFETCH(int, role);
        QFETCH(QStringList, shown);
        QTemporaryDir dir;
        WritePictures(dir.path());
        AboutBox box(AboutRole(role), dir.path().toStdString(), {}, nullptr);
        for (const char* name : {"img_Notice(0)", "img_Notice(1)", "img_Win(0)", "img_Win(1)", "img_Win(2)", "img_Win(3)"})
            QCOMPARE(Find(box, name)->isVisibleTo(&box), shown.contains(QLatin1String(name)));
        for (const char* name : {"img_Back", "img_Title", "img_Email(0)", "img_Http(1)"})
            QVERIFY(Find(box, name)->isVisibleTo(&box));
    }

    // Missing or wrongly sized pictures leave their places blank; the box still works.
    void missingPicturesStayBlank()
    {
        QTemporaryDir dir;
        QImage wrongSize(10, 10, QImage::Format_RGB32);
        wrongSize.fill(Qt::red);
        QVERIFY(wrongSize.save(dir.filePath(QStringLiteral("about_title.png"))));
        AboutBox box(AboutRole::NextLevel, dir.path().toStdString(), {}, nullptr);
        for (const Picture& p : Pictures)
            QVERIFY(Find(box, p.name)->Picture().isNull());
        box.show();
        QTest::mouseClick(box.OkButton(), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }

    // The links go to the game with their index.
    void linksReportTheirIndex()
    {
        QTemporaryDir dir;
        QList<int> mails, webs;
        AboutBoxActions actions;
        actions.emailClicked = [&](int i) { mails << i; };
        actions.httpClicked = [&](int i) { webs << i; };
        AboutBox box(AboutRole::About, dir.path().toStdString(), actions, nullptr);
        QTest::mouseClick(Find(box, "img_Email(1)"), Qt::LeftButton);
        QTest::mouseClick(Find(box, "img_Http(0)"), Qt::LeftButton);
        QTest::mouseClick(Find(box, "img_Http(1)"), Qt::LeftButton);
        QCOMPARE(mails, QList<int>{1});
        QCOMPARE(webs, (QList<int>{0, 1}));
    }

    // The man turns through his pictures of the current character and scenery, one per tick.
    void theManTurnsWithTheGamesTimer()
    {
        TestGame game({tolvar::testing::Level({"111", "161", "111"})});
        game->view.appearance.Character = 1;
        game->view.appearance.Scenery = 2;
        game->IconFrame = 6;
        AboutBoxActions actions;
        actions.turnIcon = [&](QImage& icon) { game->AboutBox_tmr_Icon_Timer(icon); };
        AboutBox box(AboutRole::About, game.dir.str(), actions, nullptr);
        box.show();
        QTRY_COMPARE_WITH_TIMEOUT(game->IconFrame, std::int16_t(7), 1000);
        QCOMPARE(box.Icon()->Picture().pixel(16, 16), SheetColour(SpriteId, 7, 1 * 7 + 2));
        QTRY_COMPARE_WITH_TIMEOUT(game->IconFrame, std::int16_t(0), 1000);
        QCOMPARE(box.Icon()->Picture().pixel(16, 16), SheetColour(SpriteId, 0, 9));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
