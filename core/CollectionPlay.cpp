#include "core/CollectionPlay.h"

#include "core/Game.h"
#include "levels/CollectionLibrary.h"
#include "levels/TypedNumber.h"

namespace tolvar {

namespace {
/// At most this many refused levels are listed one by one; the rest are counted.
constexpr std::size_t RefusalsListed = 10;

/// "1 move", "12 moves".
std::string Count(long long n, const char* one, const char* more) { return NumberText(n) + " " + (n == 1 ? one : more); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

/// A reason as the player reads it on its own: a capital first and a full stop.
std::string Sentence(std::string reason)
{
    if (!reason.empty() && reason.front() >= 'a' && reason.front() <= 'z')
        reason.front() = static_cast<char>(reason.front() - 'a' + 'A');
    return reason.empty() || reason.back() == '.' ? reason : reason + ".";
}

/// "level 4" or "level 4, "Title"".
std::string LevelName(const CollectionLevel& level)
{
    return "level " + NumberText(level.number) + (level.title.empty() ? "" : ", " + Quoted(level.title));
}

/// What became of the levels of a file added: how many open, and the refused ones one by one.
std::string Refusals(const AddedCollection& added)
{
    std::string text = added.summary ? Quoted(added.summary->title) + ": " + Count(added.summary->levels, "level", "levels") + " open, "
                                     : Sentence(added.problem) + "\n";
    text += NumberText(static_cast<std::int32_t>(added.refused.size())) + " refused:";
    for (std::size_t i = 0; i < added.refused.size() && i < RefusalsListed; ++i)
        text += "\n" + DescribeRefusal(added.refused[i]);
    if (added.refused.size() > RefusalsListed)
        text += "\nand " + NumberText(static_cast<std::int32_t>(added.refused.size() - RefusalsListed)) + " more.";
    return text;
}

std::string WhatTheWinDid(const RecordedWin& win)
{
    if (!win.problem.empty())
        return " It could not be recorded: " + win.problem + ".";
    const Improvement& better = win.improvement;
    if (better.first)
        return " Recorded.";
    if (better.moves && better.pushes)
        return " A new best by moves and by pushes.";
    if (better.moves || better.pushes)
        return better.moves ? " A new best by moves." : " A new best by pushes.";
    return "";
}
}  // namespace

CollectionPlay::CollectionPlay(Game& game) : game_(game) {}

CollectionPlay::~CollectionPlay() = default;

CollectionLibrary& CollectionPlay::Library()
{
    if (!library_)
        library_ = std::make_unique<CollectionLibrary>(game_.AppPath);
    return *library_;
}

const LibraryCollection* CollectionPlay::OpenCollection(const std::string& id)
{
    if (open_ && open_->summary.id == id)
        return open_.get();
    std::string problem;
    std::optional<LibraryCollection> opened = Library().Open(id, &problem);
    if (!opened) {
        game_.Warn(Sentence("the collection cannot be opened: " + problem));
        return nullptr;
    }
    number_ = 0;
    open_ = std::make_shared<LibraryCollection>(std::move(*opened));
    return open_.get();
}

const CollectionLevel* CollectionPlay::LevelInPlay() const { return open_ && number_ ? open_->Find(number_) : nullptr; }

void CollectionPlay::Removed(const std::string& id)
{
    if (open_ && open_->summary.id == id) {
        open_.reset();
        number_ = 0;
    }
}

void CollectionPlay::Browse()
{
    BrowserPort* browser = game_.services().browser;
    if (!browser)
        return;
    if (const std::optional<LevelChoice> chosen = browser->Browse(LastChoice()))
        Play(*chosen);
}

void CollectionPlay::Open(const std::string& path)
{
    const AddedCollection added = Library().Add(path);
    if (!added.summary) {
        game_.Warn(added.refused.empty() ? Sentence(added.problem) : Refusals(added));
        return;
    }
    if (!added.refused.empty())
        game_.services().dialogs->MsgBox(Refusals(added), MsgStyle::OkExclamation, AppTitle);
    BrowserPort* browser = game_.services().browser;
    if (!browser)
        return;
    if (const std::optional<LevelChoice> chosen = browser->Browse({added.summary->id, 0}))
        Play(*chosen);
}

bool CollectionPlay::Play(const LevelChoice& choice)
{
    if (choice.collection.empty()) {
        if (!game_.PlaySetLevel(choice.number))
            return false;
        Remember(choice);
        return true;
    }
    const LibraryCollection* collection = OpenCollection(choice.collection);
    if (!collection)
        return false;
    if (!collection->Find(choice.number)) {
        game_.Warn("Level " + NumberText(choice.number) + " of " + Quoted(collection->summary.title) + " does not open.");
        return false;
    }
    number_ = choice.number;
    Restart();
    Remember(choice);
    return true;
}

void CollectionPlay::Restart(GameModeValue mode)
{
    const CollectionLevel* level = LevelInPlay();
    if (!level)
        return;
    const Level& cells = level->level;
    std::optional<Cell> man;
    if (cells.man >= 0)
        man = Cell{cells.man % cells.width, cells.man / cells.width};
    game_.ShowLevelOfAnySize(cells, man, mode, level->number);
}

void CollectionPlay::Won()
{
    if (!LevelInPlay()) {
        game_.services().dialogs->MsgBox("Congratulations!", MsgStyle::OkExclamation, AppTitle);  // its collection was removed
        return;
    }
    const PlaySession& session = game_.session();
    const RecordedWin win = Library().RecordWin(*open_, number_, session.History());
    const std::string said = "Level " + NumberText(number_) + " solved in " + Count(static_cast<long long>(session.Standing()), "move", "moves") +
                             " and " + Count(session.pushes(), "push", "pushes") + "." + WhatTheWinDid(win);
    const int next = NextUnsolved(*open_, number_);
    const CollectionLevel* offered = next ? open_->Find(next) : nullptr;
    if (!offered) {
        game_.services().dialogs->MsgBox(said + "\nEvery level of " + Quoted(open_->summary.title) + " is solved.",
                                         MsgStyle::OkExclamation, AppTitle);
        return;
    }
    const std::string question = said + "\n\nPlay the next unsolved level, " + LevelName(*offered) + "?";
    if (game_.services().dialogs->MsgBox(question, MsgStyle::YesNoQuestion, AppTitle) == MsgAnswer::Yes)
        Play({open_->summary.id, next});
}

std::string CollectionPlay::WindowTitle() const
{
    const CollectionLevel* level = game_.LevelKind == KindCollection ? LevelInPlay() : nullptr;
    if (!level)
        return AppTitle;
    const std::string name = level->title.empty() ? "level " + NumberText(level->number)
                                                  : NumberText(level->number) + ": " + level->title;
    return open_->summary.title + " \u2013 " + name + " \u2013 " + AppTitle;
}

std::string CollectionPlay::Counts() const
{
    if (game_.LevelKind != KindCollection || !LevelInPlay())
        return {};
    const PlaySession& session = game_.session();
    return "Moves " + NumberText(static_cast<std::int32_t>(session.Standing())) + "   Pushes " + NumberText(session.pushes());
}

void CollectionPlay::Remember(const LevelChoice& choice)
{
    if (SettingsPort* settings = game_.services().collections) {
        settings->SetValue(LastCollectionKey, choice.collection);
        settings->SetValue(LastLevelKey, NumberText(choice.number));
    }
}

LevelChoice CollectionPlay::LastChoice() const
{
    LevelChoice last{{}, game_.LevelNo};
    SettingsPort* settings = game_.services().collections;
    if (!settings)
        return last;
    const std::optional<std::string> id = settings->Value(LastCollectionKey);
    const std::optional<std::string> number = settings->Value(LastLevelKey);
    if (id && number) {
        last.collection = *id;
        last.number = static_cast<int>(std::clamp<double>(LeadingNumber(*number), 0, MaxCollectionLevels));
    }
    return last;
}

}  // namespace tolvar
