#pragma once
// What the window "Collections" lists: the collections (the game's own level set first), and the
// levels of the one chosen with their small pictures, drawn when first shown and kept.
#include <QAbstractTableModel>
#include <QCache>
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "levels/CollectionLibrary.h"

namespace tolvar {

class LevelThumbnails;

/// The size of a level's small picture in the list.
inline constexpr QSize ThumbnailSize(72, 54);

class CollectionListModel : public QAbstractTableModel {
public:
    /// One collection as listed; the game's own set has no id.
    struct Row {
        std::string id;
        std::string title, author;
        int levels = 0, solved = 0;
    };
    enum Column { Title, Author, Levels, Solved, ColumnCount };

    CollectionListModel(std::vector<Row> rows, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Row& At(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    /// The row of collection `id` (empty: the game's own set), or -1.
    int RowOf(const std::string& id) const;
    void RemoveRow(int row);

private:
    std::vector<Row> rows_;
};

class LevelListModel : public QAbstractTableModel {
public:
    enum Column { Picture, Number, Title, Size, Solved, Moves, Pushes, ColumnCount };

    LevelListModel(LevelThumbnails& thumbnails, QObject* parent);
    /// The levels of the game's own set, `levels` numbered from 1: those up to `reached` playable,
    /// those up to `solved` or with a record solved, with their best records.
    void ShowSet(std::vector<Level> levels, int reached, int solved, RecordMap records);
    /// The levels of a collection of the library with their records.
    void ShowCollection(std::shared_ptr<const LibraryCollection> collection);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int NumberAt(int row) const;
    bool Playable(int row) const;
    /// The row of level `number`, or -1.
    int RowOf(int number) const;
    /// The small picture of the level of `row`, drawn the first time it is asked for.
    QImage Thumbnail(int row) const;

private:
    const Level& LevelAt(int row) const;
    const LevelRecord* RecordAt(int row) const;

    LevelThumbnails& thumbnails_;
    std::shared_ptr<const LibraryCollection> collection_;  // null while the set is shown
    std::vector<Level> setLevels_;
    RecordMap setRecords_;  // the set's best records (levels/LevelRecords.h), each replayed
    int reached_ = 0, solved_ = 0;
    mutable QCache<int, QImage> pictures_{4000};
};

}  // namespace tolvar
