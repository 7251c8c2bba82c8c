#include "app/CollectionModels.h"

#include <algorithm>

#include "view/LevelThumbnails.h"

namespace tolvar {

namespace {
QString Text(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

CollectionListModel::CollectionListModel(std::vector<Row> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows))
{
}

int CollectionListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }

int CollectionListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CollectionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return role == Qt::TextAlignmentRole && index.column() >= Levels ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    const Row& row = At(index.row());
    switch (index.column()) {
    case Title: return Text(row.title);
    case Author: return Text(row.author);
    case Levels: return row.levels;
    default: return row.solved;
    }
}

QVariant CollectionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[] = {"Collection", "Author", "Levels", "Solved"};
    return QString::fromLatin1(names[section]);
}

int CollectionListModel::RowOf(const std::string& id) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) { return row.id == id; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

void CollectionListModel::RemoveRow(int row)
{
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

LevelListModel::LevelListModel(LevelThumbnails& thumbnails, QObject* parent) : QAbstractTableModel(parent), thumbnails_(thumbnails) {}

void LevelListModel::ShowSet(std::vector<Level> levels, int reached, int solved, RecordMap records)
{
    beginResetModel();
    collection_.reset();
    setLevels_ = std::move(levels);
    setRecords_ = std::move(records);
    reached_ = reached;
    solved_ = solved;
    pictures_.clear();
    endResetModel();
}

void LevelListModel::ShowCollection(std::shared_ptr<const LibraryCollection> collection)
{
    beginResetModel();
    collection_ = std::move(collection);
    setLevels_.clear();
    pictures_.clear();
    endResetModel();
}

int LevelListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(collection_ ? collection_->levels.size() : setLevels_.size());
}

int LevelListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

const Level& LevelListModel::LevelAt(int row) const
{
    return collection_ ? collection_->levels[static_cast<std::size_t>(row)].level : setLevels_[static_cast<std::size_t>(row)];
}

int LevelListModel::NumberAt(int row) const { return collection_ ? collection_->levels[static_cast<std::size_t>(row)].number : row + 1; }

bool LevelListModel::Playable(int row) const { return collection_ || row + 1 <= reached_; }

const LevelRecord* LevelListModel::RecordAt(int row) const
{
    if (collection_)
        return collection_->Record(NumberAt(row));
    const auto it = setRecords_.find(NumberAt(row));
    return it == setRecords_.end() ? nullptr : &it->second;
}

int LevelListModel::RowOf(int number) const
{
    if (!collection_)
        return number >= 1 && number <= rowCount() ? number - 1 : -1;
    const auto& levels = collection_->levels;
    const auto found = std::lower_bound(levels.begin(), levels.end(), number,
                                        [](const CollectionLevel& level, int n) { return level.number < n; });
    return found != levels.end() && found->number == number ? static_cast<int>(found - levels.begin()) : -1;
}

QVariant LevelListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Title ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const LevelRecord* record = RecordAt(row);
    switch (index.column()) {
    case Number: return NumberAt(row);
    case Title: return collection_ ? Text(collection_->levels[static_cast<std::size_t>(row)].title) : QString();
    case Size: return QStringLiteral("%1 \u00d7 %2").arg(LevelAt(row).width).arg(LevelAt(row).height);
    case Solved: return (record || (!collection_ && row + 1 <= solved_)) ? QStringLiteral("\u2714") : QString();
    case Moves: return record ? QVariant(record->byMoves.moveCount) : QVariant();
    case Pushes: return record ? QVariant(record->byPushes.pushCount) : QVariant();
    default: return {};
    }
}

QVariant LevelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[] = {"", "No.", "Title", "Size", "Solved", "Best moves", "Best pushes"};
    return QString::fromLatin1(names[section]);
}

Qt::ItemFlags LevelListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !Playable(index.row()))
        return Qt::NoItemFlags;  // a level of the set beyond the one reached is shown, not chosen
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QImage LevelListModel::Thumbnail(int row) const
{
    if (const QImage* kept = pictures_.object(row))
        return *kept;
    const Level& level = LevelAt(row);
    std::optional<Cell> man;
    if (level.man >= 0)
        man = Cell{level.man % level.width, level.man / level.width};
    auto* picture = new QImage(thumbnails_.Draw(level, man, ThumbnailSize));
    const QImage copy = *picture;
    pictures_.insert(row, picture);
    return copy;
}

}  // namespace tolvar
