// The audio side opens only once start-up has passed its checks.
#include <QtTest>

#include "app/DeferredAudio.h"
#include "fakes/TestGame.h"

using namespace tolvar;

class DeferredAudioTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnlyAfterTheChecksPass_data()
    {
        QTest::addColumn<bool>("alone");
        QTest::addColumn<bool>("levelSet");
        QTest::addColumn<bool>("opened");
        QTest::newRow("second instance") << false << true << false;
        QTest::newRow("no level set") << true << false << false;
        QTest::newRow("checks passed") << true << true << true;
    }
    void opensOnlyAfterTheChecksPass()
    {
        QFETCH(bool, alone);
        QFETCH(bool, levelSet);
        QFETCH(bool, opened);
        testing::TempDir dir;
        testing::WriteSheets(dir.str());
        if (levelSet)
            testing::WriteFile(dir.file(LevelSetName), testing::Level({"11111", "16231", "11111"}));
        fakes::FakeDesktop desktop;
        desktop.instance.alone = alone;
        int made = 0;
        DeferredAudio audio([&] {
            ++made;
            return AudioBackend{std::make_unique<fakes::FakeSound>(), std::make_unique<fakes::FakeMci>()};
        });
        Services services = desktop.services();
        services.sound = &audio;
        services.mci = &audio;
        Game game(services);
        QCOMPARE(game.Form_Load(dir.str()), opened);
        QCOMPARE(audio.IsOpen(), opened);
        QCOMPARE(made, opened ? 1 : 0);
    }
};

QTEST_MAIN(DeferredAudioTest)
#include "DeferredAudioTest.moc"
