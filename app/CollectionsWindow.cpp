#include "app/CollectionsWindow.h"

#include <QHBoxLayout>
#include <utility>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/CollectionModels.h"
#include "core/Game.h"
#include "levels/CollectionLibrary.h"
#include "levels/LevelRecords.h"

namespace tolvar {

namespace {

/// Draws a level's small picture in its cell of the list, asked for only when the cell shows.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
    ThumbnailDelegate(const LevelListModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QRect box = QStyle::alignedRect(option.direction, Qt::AlignCenter, ThumbnailSize, option.rect);
        painter->drawImage(box.topLeft(), model_.Thumbnail(index.row()));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return ThumbnailSize + QSize(8, 4); }

private:
    const LevelListModel& model_;
};

/// The game's own set first, then the collections of the library.
std::vector<CollectionListModel::Row> CollectionRows(Game& game)
{
    const int reached = game.ReachedLevel();
    const int solved = game.SetCompleted() ? game.NumLevels : reached - 1;
    std::vector<CollectionListModel::Row> rows{{"", AppTitle, "Quillon Studio", game.NumLevels, solved}};
    for (const CollectionSummary& summary : game.collection.Library().List())
        rows.push_back({summary.id, summary.title, summary.author, summary.levels, summary.solved});
    return rows;
}

}  // namespace

CollectionsWindow::CollectionsWindow(Game& game, const LevelChoice& start, QWidget* parent)
    : QDialog(parent), game_(game), thumbnails_(game.view)
{
    setObjectName(QStringLiteral("frm_Collections"));
    setWindowTitle(QStringLiteral("Collections"));
    collections_ = new CollectionListModel(CollectionRows(game), this);
    levels_ = new LevelListModel(thumbnails_, this);
    collectionView_ = MakeView(collections_);
    levelView_ = MakeView(levels_);
    levelView_->setItemDelegateForColumn(LevelListModel::Picture, new ThumbnailDelegate(*levels_, levelView_));
    levelView_->verticalHeader()->setDefaultSectionSize(ThumbnailSize.height() + 4);
    levelView_->horizontalHeader()->setSectionResizeMode(LevelListModel::Title, QHeaderView::Stretch);
    levelView_->setColumnWidth(LevelListModel::Picture, ThumbnailSize.width() + 8);
    for (const int column : {int{LevelListModel::Number}, int{LevelListModel::Solved}})
        levelView_->setColumnWidth(column, 56);
    for (const int column : {int{LevelListModel::Size}, int{LevelListModel::Moves}, int{LevelListModel::Pushes}})
        levelView_->setColumnWidth(column, 84);
    collectionView_->setColumnWidth(CollectionListModel::Levels, 56);
    collectionView_->setColumnWidth(CollectionListModel::Solved, 56);
    collectionView_->horizontalHeader()->setSectionResizeMode(CollectionListModel::Title, QHeaderView::Stretch);

    play_ = new QPushButton(QStringLiteral("&Play"), this);
    play_->setDefault(true);
    remove_ = new QPushButton(QStringLiteral("&Remove..."), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(play_);
    buttons->addWidget(close);
    auto* lists = new QHBoxLayout;
    lists->addWidget(collectionView_, 2);
    lists->addWidget(levelView_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);

    connect(collectionView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { ShowCollection(now.row()); });
    connect(levelView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { FollowLevel(); });
    connect(levelView_, &QTableView::doubleClicked, this, [this] { Play(); });
    connect(play_, &QPushButton::clicked, this, [this] { Play(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveCollection(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(1000, 620);
    Choose(start);
}

QTableView* CollectionsWindow::MakeView(QAbstractItemModel* model)
{
    auto* view = new QTableView(this);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
    return view;
}

void CollectionsWindow::Choose(const LevelChoice& start)
{
    const int row = std::max(0, collections_->RowOf(start.collection));
    levelToChoose_ = start.number;
    if (collectionView_->currentIndex().row() == row)
        ShowCollection(row);
    else
        collectionView_->setCurrentIndex(collections_->index(row, 0));
    levelView_->setFocus();
}

void CollectionsWindow::ChooseLevel(int number)
{
    const QModelIndex level = levels_->index(std::max(0, levels_->RowOf(number)), 0);
    levelView_->setCurrentIndex(level);
    levelView_->scrollTo(level, QAbstractItemView::PositionAtCenter);
    FollowLevel();
}

void CollectionsWindow::ShowCollection(int row)
{
    if (row < 0)
        return;
    const std::string& id = collections_->At(row).id;
    remove_->setEnabled(!id.empty());
    ++openRequest_;  // a collection still being opened is no longer wanted
    if (id.empty()) {
        std::vector<Level> set;
        for (std::int32_t n = 1; n <= game_.NumLevels; ++n)
            set.push_back(Level::FromGrid(ReadGrid(game_.LevelSetRecord(n))));
        const int solved = collections_->At(row).solved;
        // The set's records are shown only as far as they replay on its levels.
        const GroupRecords records(RecordsFilePath(game_.AppPath, RecordGroup::Set), [&set](int n) {
            return n >= 1 && n <= static_cast<int>(set.size()) ? std::optional<Level>(set[static_cast<std::size_t>(n) - 1])
                                                                : std::nullopt;
        });
        levels_->ShowSet(std::move(set), game_.ReachedLevel(), solved, records.records());
        ChooseLevel(std::exchange(levelToChoose_, 0));
    } else if (const auto inPlay = game_.collection.Opened(); inPlay && inPlay->summary.id == id) {
        ShowLevels(inPlay);
    } else {
        levels_->ShowCollection(nullptr);  // nothing until it is open
        FollowLevel();
        OpenApart(id);
    }
}

void CollectionsWindow::OpenApart(const std::string& id)
{
    const unsigned request = ++openRequest_;
    if (opening_.joinable())
        opening_.join();
    CollectionLibrary& library = game_.collection.Library();
    opening_ = std::jthread([this, &library, id, request] {
        std::string problem;
        std::optional<LibraryCollection> opened = library.Open(id, &problem);
        std::shared_ptr<const LibraryCollection> collection;
        if (opened)
            collection = std::make_shared<const LibraryCollection>(std::move(*opened));
        QMetaObject::invokeMethod(this, [this, collection, problem, request] {
            if (request != openRequest_)
                return;  // another collection was chosen meanwhile
            if (!collection)
                QMessageBox::warning(this, windowTitle(), QString::fromStdString("The collection cannot be opened: " + problem + "."));
            ShowLevels(collection);
        }, Qt::QueuedConnection);
    });
}

void CollectionsWindow::ShowLevels(std::shared_ptr<const LibraryCollection> collection)
{
    levels_->ShowCollection(std::move(collection));
    ChooseLevel(std::exchange(levelToChoose_, 0));
}

void CollectionsWindow::FollowLevel()
{
    const QModelIndex current = levelView_->currentIndex();
    play_->setEnabled(current.isValid() && levels_->Playable(current.row()));
}

void CollectionsWindow::Play()
{
    const QModelIndex level = levelView_->currentIndex();
    const QModelIndex collection = collectionView_->currentIndex();
    if (!level.isValid() || !collection.isValid() || !levels_->Playable(level.row()))
        return;
    chosen_ = LevelChoice{collections_->At(collection.row()).id, levels_->NumberAt(level.row())};
    accept();
}

void CollectionsWindow::RemoveCollection()
{
    const int row = collectionView_->currentIndex().row();
    if (row < 0 || collections_->At(row).id.empty())
        return;
    const CollectionListModel::Row removed = collections_->At(row);
    const QString question = QString::fromStdString("Remove \"" + removed.title + "\" and its records from the library?");
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (opening_.joinable())
        opening_.join();
    std::string problem;
    if (!game_.collection.Library().Remove(removed.id, &problem)) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString("The collection cannot be removed: " + problem + "."));
        return;
    }
    game_.collection.Removed(removed.id);
    collections_->RemoveRow(row);
    Choose({row < collections_->rowCount() ? collections_->At(row).id : collections_->At(row - 1).id, 0});
}

}  // namespace tolvar
