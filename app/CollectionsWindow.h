#pragma once
// The window "Collections": the collections of the library, the game's own level set first, and
// the levels of the one chosen; Enter or a double click plays a level, and a collection of the
// library can be removed with its records.
#include <QDialog>
#include <optional>

#include "core/Services.h"
#include "view/LevelThumbnails.h"

class QPushButton;
class QAbstractItemModel;
class QTableView;

namespace tolvar {

class CollectionListModel;
class Game;
class LevelListModel;

class CollectionsWindow : public QDialog {
    Q_OBJECT
public:
    /// The window over `game`'s library, with `start` chosen.
    CollectionsWindow(Game& game, const LevelChoice& start, QWidget* parent = nullptr);
    /// The level the player chose to play, once the window is closed; nothing when closed without.
    std::optional<LevelChoice> Chosen() const { return chosen_; }

    QTableView* CollectionView() const { return collectionView_; }
    QTableView* LevelView() const { return levelView_; }

private:
    void Choose(const LevelChoice& start);
    /// Lists the levels of the collection of row `row`.
    void ShowCollection(int row);
    void FollowLevel();
    void Play();
    void RemoveCollection();
    QTableView* MakeView(QAbstractItemModel* model);

    Game& game_;
    LevelThumbnails thumbnails_;
    CollectionListModel* collections_ = nullptr;
    LevelListModel* levels_ = nullptr;
    QTableView* collectionView_ = nullptr;
    QTableView* levelView_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* remove_ = nullptr;
    std::optional<LevelChoice> chosen_;
};

}  // namespace tolvar
