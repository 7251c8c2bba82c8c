#pragma once
// The window "Collections": the collections of the library, the game's own level set first, and
// the levels of the one chosen; Enter or a double click plays a level, and a collection of the
// library can be removed with its records.
#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/Services.h"
#include "view/LevelThumbnails.h"

class QPushButton;
class QAbstractItemModel;
class QTableView;

namespace tolvar {

struct LibraryCollection;
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
    /// Lists the levels of the collection of row `row`: at once for the game's set and the
    /// collection in play, else once opened on a thread of its own.
    void ShowCollection(int row);
    /// Opens the collection `id` of the library apart from the window's thread; the levels show
    /// when it is open, unless another collection was chosen meanwhile.
    void OpenApart(const std::string& id);
    void ShowLevels(std::shared_ptr<const LibraryCollection> collection);
    /// Chooses the level numbered `number`, the first when there is none.
    void ChooseLevel(int number);
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
    int levelToChoose_ = 0;       // chosen when the levels show
    unsigned openRequest_ = 0;    // the latest collection asked for
    std::jthread opening_;        // last: joined before anything it reports to goes
};

}  // namespace tolvar
