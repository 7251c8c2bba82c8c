// The window "Collections": it opens on the last choice, Enter plays the level chosen, the levels
// of the set beyond the one reached cannot be played, and a collection is removed after a question.
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "app/CollectionModels.h"
#include "app/CollectionsWindow.h"
#include "fakes/TestGame.h"

namespace tolvar {

class CollectionsWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        testing::TestGame game{{testing::Level({"11111", "16241", "11111"}), testing::Level({"11111", "16241", "11111"}),
                                testing::Level({"11111", "16241", "11111"})},
                               false};
        std::string id;
        Fixture()
        {
            game.desktop.settings.values[LevelKey] = "2";
            game.Start();
            const AddedCollection added = game->collection.Library().AddText(
                "Title: Rooms\n\n; A\n#####\n#@$.#\n#####\n\n; B\n#####\n#+$ #\n#.$ #\n#####\n\n; C\n#####\n#.$@#\n#####\n",
                "rooms.txt");
            id = added.summary->id;
        }
    };

private Q_SLOTS:
    // The window opens on the collection and level chosen last (read apart from its thread);
    // Enter plays the level chosen with the arrow keys.
    void enterPlaysTheLevelChosen()
    {
        Fixture f;
        CollectionsWindow window(*f.game, {f.id, 2});
        window.show();
        QTRY_COMPARE(window.LevelView()->model()->rowCount(), 3);
        QCOMPARE(window.LevelView()->currentIndex().row(), 1);
        QTest::keyClick(window.LevelView(), Qt::Key_Down);
        QTest::keyClick(window.LevelView(), Qt::Key_Return);
        QCOMPARE(window.result(), int{QDialog::Accepted});
        QVERIFY(window.Chosen() == (LevelChoice{f.id, 3}));
    }

    // The game's own set comes first: its levels up to the one reached are played, the rest
    // are listed but not chosen.
    void theSetIsPlayedUpToTheLevelReached()
    {
        Fixture f;
        CollectionsWindow window(*f.game, {"", 2});
        window.show();
        QCOMPARE(window.CollectionView()->currentIndex().row(), 0);
        QCOMPARE(window.LevelView()->model()->rowCount(), 3);
        QVERIFY(!(window.LevelView()->model()->flags(window.LevelView()->model()->index(2, 0)) & Qt::ItemIsEnabled));
        QTest::keyClick(window.LevelView(), Qt::Key_Down);  // level 3 is not reached: the choice stays
        QTest::keyClick(window.LevelView(), Qt::Key_Return);
        QVERIFY(window.Chosen() == (LevelChoice{"", 2}));
    }

    // The set's best records show beside its levels, only those that replay to a win.
    void theSetShowsItsRecordsThatReplay()
    {
        const std::string corridor = testing::Level({"1111111", "1642231", "1111111"});  // "RRR" wins
        testing::TestGame game{{corridor, corridor}};
        std::filesystem::create_directories(game.dir.file("records"));
        testing::WriteFile(game.dir.file("records/set.records"), "1 moves 3 3 RRR\n1 pushes 3 3 RRR\n2 moves 2 2 RR\n");
        CollectionsWindow window(*game, {"", 1});
        window.show();
        const QAbstractItemModel* model = window.LevelView()->model();
        QCOMPARE(model->data(model->index(0, LevelListModel::Moves)).toInt(), 3);
        QCOMPARE(model->data(model->index(0, LevelListModel::Pushes)).toInt(), 3);
        QVERIFY(!model->data(model->index(1, LevelListModel::Moves)).isValid());
    }

    // Remove asks first; No keeps the collection, Yes takes it and its records from the library.
    void aCollectionIsRemovedAfterAQuestion()
    {
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            Fixture f;
            CollectionsWindow window(*f.game, {f.id, 1});
            window.show();
            QTimer::singleShot(0, [answer] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->button(answer)->click();
            });
            for (QPushButton* button : window.findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("&Remove..."))
                    button->click();
            const std::size_t left = answer == QMessageBox::Yes ? 0 : 1;
            QCOMPARE(f.game->collection.Library().List().size(), left);
            QCOMPARE(window.CollectionView()->model()->rowCount(), int(left) + 1);
        }
    }
};

}  // namespace tolvar

QTEST_MAIN(tolvar::CollectionsWindowTest)
#include "CollectionsWindowTest.moc"
