#include "solver/Portfolio.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "solver/DeadlockPatterns.h"
#include "solver/FeatureSearch.h"
#include "solver/PackingOrder.h"
#include "solver/PullSearch.h"
#include "solver/Search.h"

namespace tolvar::solver {

namespace {

// The slices of a search never grow past this share of the budget, so that a lane running
// alone soon sees that another has found a solution.
constexpr double LongestSliceShare = 0.01;

const char* Why(StopReason stop) {
    switch (stop) {
    case StopReason::Time: return "time limit reached";
    case StopReason::Memory: return "memory limit reached";
    case StopReason::Nodes: return "position limit reached";
    case StopReason::Cancelled: return "cancelled";
    case StopReason::DepthCap: return "solutions longer than 65534 pushes are not searched";
    case StopReason::Exhausted: return "the search by features ran out of moves";
    case StopReason::None: break;
    }
    return "";
}

bool IsFewest(const Stage& stage) { return stage.weight == 1.0 && !stage.pulls && !stage.guided && !stage.features; }

// What the lanes of a run share: the level, the answer so far and the flags that end the run.
struct Run {
    Run(const Level& l, const Board& b, const std::vector<Stage>& s, const SolveLimits& lim, const SolveOptions& o,
        const Stopwatch& w)
        : level(l), board(b), stages(s), limits(lim), options(o), watch(w), order(b) {}
    const Level& level;
    const Board& board;
    const std::vector<Stage>& stages;
    const SolveLimits& limits;
    const SolveOptions& options;
    const Stopwatch& watch;
    PackingOrder order;
    std::atomic<bool> stop{false};        // the answer is final: every lane ends
    std::atomic<bool> found{false};       // a solution is in
    std::atomic<bool> fewestOver{false};  // the search for the fewest pushes runs no more
    std::mutex mutex;                     // guards what follows
    SolveResult answer;                   // Solved once a solution is in; Unsolvable once proven
    std::string reason;                   // why a search last gave up
};

// One search of a lane: a best-first one, or the search by features.
struct Made {
    std::unique_ptr<BestFirst> best;
    std::unique_ptr<FeatureSearch> features;
    explicit operator bool() const { return best || features; }
    void reset() { best.reset(), features.reset(); }
    StopReason run(SolveResult& result, const SearchBudget& budget) {
        return best ? best->run(result, budget) : features->run(result, budget);
    }
    std::size_t bytes() const { return best ? best->bytes() : features ? features->bytes() : 0; }
    std::uint64_t positions() const { return best ? best->positions() : features->positions(); }
};

// Searches that take turns on one thread.
class Lane {
public:
    Lane(Run& run, std::vector<std::size_t> stages, std::size_t memoryBytes, std::uint64_t nodes)
        : run_(run), stages_(std::move(stages)), searches_(stages_.size()), over_(stages_.size(), 0),
          memoryBytes_(memoryBytes), nodes_(nodes) {
        // The search from the end needs a box for every goal and no more.
        for (std::size_t k = 0; k < stages_.size(); ++k)
            over_[k] = stage(k).pulls && run.level.boxCount() != run.level.goalCount();
    }
    /// Runs until the answer is final or every search of the lane is over, by `watch` (read on
    /// this lane's thread).
    void go(const Stopwatch& watch);
    /// The watch's reading when the lane ended.
    double seconds() const { return seconds_; }
    /// The positions, expansions and peak memory of the lane's searches.
    const SolveResult& counts() const { return counts_; }
    std::size_t patternBytes() const { return patterns_ ? patterns_->bytes() : 0; }

private:
    const Stage& stage(std::size_t k) const { return run_.stages[stages_[k]]; }
    void turns();
    bool turn(std::size_t k, double slice);
    bool proving(std::size_t k);
    void offer();
    bool stopped(std::size_t k, StopReason stop);
    void end(std::size_t k);
    void giveUp(StopReason stop);
    Made& search(std::size_t k);
    SearchBudget budget(std::size_t k, double deadline) const;

    Run& run_;
    std::vector<std::size_t> stages_;                   // places in run_.stages
    std::vector<Made> searches_;                        // by place in stages_, made at their first turn
    std::vector<char> over_;                            // stopped for good
    std::unique_ptr<DeadlockPatterns> patterns_;        // learned by this lane's guided searches
    std::size_t memoryBytes_;
    std::uint64_t nodes_;  // positions the lane may store; 0: no limit
    SolveResult counts_;
    Stopwatch watch_{false};
    double seconds_ = 0;
};

void Lane::go(const Stopwatch& watch) {
    watch_ = watch;
    turns();
    seconds_ = watch_.seconds();
}

void Lane::turns() {
    const double budget = run_.limits.seconds;
    for (double slice = FirstSliceShare * budget;; slice = std::min(2 * slice, LongestSliceShare * budget)) {
        bool any = false;
        for (std::size_t k = 0; k < stages_.size(); ++k) {
            if (run_.stop) return;
            if (over_[k]) continue;
            if (run_.found && !IsFewest(stage(k))) {
                end(k);  // after a solution only the proof of the fewest pushes goes on
                continue;
            }
            any = true;
            if (!turn(k, slice * stage(k).share)) return;
        }
        if (!any) return;
    }
}

// Gives search k a slice; false when the lane is to end.
bool Lane::turn(std::size_t k, double slice) {
    double deadline = std::min(watch_.seconds() + slice, run_.limits.seconds);
    if (run_.found) {
        if (!proving(k)) {
            end(k);
            return false;
        }
        deadline = std::min(deadline, ProofShare * run_.limits.seconds);
    }
    Made& s = search(k);
    if (nodes_ != 0 && counts_.nodes >= nodes_) {
        giveUp(StopReason::Nodes);
        return false;
    }
    const StopReason stop = s.run(counts_, budget(k, deadline));
    if (counts_.status == SolveStatus::Solved) {
        offer();
        counts_.status = SolveStatus::GaveUp;
        return !run_.stop;
    }
    if (counts_.status == SolveStatus::Unsolvable) {
        std::lock_guard lock(run_.mutex);
        run_.answer.status = SolveStatus::Unsolvable;
        run_.answer.reason = counts_.reason;
        run_.stop = true;
        return false;
    }
    return stopped(k, stop);
}

// Whether the search for the fewest pushes, k, goes on after a solution: it has positions
// left below the solution's pushes (else they are proven the fewest), and time in the proof's
// share of the budget.
bool Lane::proving(std::size_t k) {
    const BestFirst& s = *search(k).best;
    std::uint32_t target = 0;
    {
        std::lock_guard lock(run_.mutex);
        target = static_cast<std::uint32_t>(run_.answer.pushes) * 4;
        if (s.frontier() >= target) {
            run_.answer.provenFewest = true;
            run_.stop = true;
            return false;
        }
    }
    return watch_.seconds() < ProofShare * run_.limits.seconds;
}

// Hands a solution just found to the run; it keeps the first, or one proven the fewest.
void Lane::offer() {
    std::lock_guard lock(run_.mutex);
    SolveResult& answer = run_.answer;
    const bool proven = counts_.provenFewest;
    if (answer.status != SolveStatus::Solved) answer.firstSeconds = watch_.seconds();
    else if (answer.provenFewest || !proven) return;
    answer.status = SolveStatus::Solved;
    answer.moves = counts_.moves;
    answer.pushes = counts_.pushes;
    answer.provenFewest = proven;
    answer.reason.clear();
    run_.found = true;
    if (proven || !run_.options.proveWhereCheap || run_.fewestOver) run_.stop = true;
}

// After search k stopped without an answer: false when the lane is to end.
bool Lane::stopped(std::size_t k, StopReason stop) {
    switch (stop) {
    case StopReason::Time:
        if (watch_.seconds() < (run_.found ? ProofShare : 1.0) * run_.limits.seconds) return true;  // its slice is over
        if (run_.found) end(k);  // the proof's share is spent
        else giveUp(stop);
        return false;
    case StopReason::Memory:
    case StopReason::DepthCap:
    case StopReason::Exhausted:
        end(k);
        giveUp(stop);
        return true;
    case StopReason::Cancelled:
        if (!run_.limits.cancel || !run_.limits.cancel->load()) return false;  // another lane has the answer
        [[fallthrough]];
    default:
        giveUp(stop);
        return false;
    }
}

void Lane::end(std::size_t k) {
    over_[k] = 1;
    searches_[k].reset();  // its memory goes back
    if (IsFewest(stage(k))) {
        run_.fewestOver = true;
        if (run_.found) run_.stop = true;
    }
}

void Lane::giveUp(StopReason stop) {
    std::lock_guard lock(run_.mutex);
    run_.reason = Why(stop);
}

SearchStyle StyleOf(const Stage& stage, const SolveOptions& options, const PackingOrder& order, DeadlockPatterns* patterns) {
    SearchStyle style;
    style.weight = stage.weight;
    style.pruneDeadlocks = options.pruneDeadlocks;
    style.pruneCorrals = stage.corrals;
    style.guide = stage.guided ? &order : nullptr;
    style.areaCost = stage.areaCost;
    style.smallestArea = stage.smallestArea;
    style.patterns = stage.learns ? patterns : nullptr;
    return style;
}

Made& Lane::search(std::size_t k) {
    Made& made = searches_[k];
    if (made) return made;
    const Stage& s = stage(k);
    if (s.features) {
        made.features = std::make_unique<FeatureSearch>(run_.level, run_.board);
    } else if (s.pulls) {
        made.best = std::make_unique<PullSearch>(run_.level, run_.board, s.weight);
    } else {
        if (s.learns && run_.options.learnDeadlocks && !patterns_) patterns_ = std::make_unique<DeadlockPatterns>(run_.board);
        made.best = std::make_unique<Search>(run_.level, run_.board, StyleOf(s, run_.options, run_.order, patterns_.get()));
    }
    return made;
}

// What search k may spend until `deadline`: the memory the lane's other searches leave it,
// and the positions the lane has left.
SearchBudget Lane::budget(std::size_t k, double deadline) const {
    SearchBudget budget;
    budget.watch = &watch_;
    budget.deadline = deadline;
    budget.memoryBytes = memoryBytes_;
    for (std::size_t other = 0; other < searches_.size(); ++other)
        if (other != k) budget.memoryBytes -= std::min(budget.memoryBytes, searches_[other].bytes());
    budget.nodes = nodes_ == 0 ? 0 : searches_[k].positions() + (nodes_ - std::min(nodes_, counts_.nodes));
    budget.cancel = run_.limits.cancel;
    budget.stop = &run_.stop;
    return budget;
}

// The stages each lane runs: all on one, or each in its own lane.
std::vector<std::vector<std::size_t>> LanesOf(const std::vector<Stage>& stages, std::size_t lanes) {
    std::vector<std::vector<std::size_t>> split(lanes > 1 ? 2 : 1);
    for (std::size_t s = 0; s < stages.size(); ++s) split[std::min(stages[s].lane, split.size() - 1)].push_back(s);
    std::erase_if(split, [](const auto& lane) { return lane.empty(); });
    return split;
}

// The memory a lane may use: an equal part, but where the search by features runs beside the
// others (it keeps every position it meets and layouts of the floor: 200 to 270 MB on our
// 40 boxes, the best-first searches of the other lane under 60 MB), its lane gets FeatureMemory.
std::size_t LaneMemory(const std::vector<Stage>& stages, const std::vector<std::vector<std::size_t>>& split,
                       const std::vector<std::size_t>& lane, std::size_t bytes) {
    if (split.size() < 2) return bytes;
    const auto hasFeatures = [&](const std::vector<std::size_t>& places) {
        return std::any_of(places.begin(), places.end(), [&](std::size_t s) { return stages[s].features; });
    };
    if (!std::any_of(split.begin(), split.end(), hasFeatures)) return bytes / split.size();
    const auto share = hasFeatures(lane) ? FeatureMemory : (1 - FeatureMemory) / static_cast<double>(split.size() - 1);
    return static_cast<std::size_t>(static_cast<double>(bytes) * share);
}

}  // namespace

// The default: the fewest pushes, then searches that trade them for speed.
// Learned deadlocks turn the quicker searches' hopeless hours into seconds; the search for the
// fewest pushes, which looks at every position under its bound anyway, they slow by a quarter.
// Most quicker searches pay for boxes that cut the free floor apart: a cluster of boxes far
// from the goals is then opened up before boxes are packed (many levels go from over 10 s to
// a tenth of one). Which pockets to count matters on some levels: one search lets pockets of
// a single cell be. A few levels are solved only by the search that pays for none.
// The first quicker search runs from the end, pulling the boxes back out of the goals: where
// a room of goals must be filled in the right order it finds one in a tenth of a second (the
// order of pulling them out), where the searches forward lose their way for minutes.
// Alone, the search from the end and the guided one of weight 3 that counts every pocket find
// the first solution of most of our benchmark levels first (in 1 to 50 ms), so they get the
// largest slices, twelve and sixteen times those of the search for the fewest pushes and of
// the weight-10 ones; the guided one that lets single cells be gets four times. A fixed
// division costs about the sum of the shares over the share of the search that finds the
// solution; with these (and quicker searches) the hard collection's median first solution
// went from 0.079 s of one core to 0.035 s, the large collection's from 0.13 s to 0.040 s
// (bench/solver/README.md).
// On levels of many boxes (ManyBoxes) the searches of weight 3 drown in positions of equal
// promise and only the weight-10 ones come through (our 48 x 34 levels of 30 boxes: 0.3 and
// 0.5 s alone, none of the others in 10 s), so there the weight-10 ones get the largest slices.
// On two cores the search from the end and the guided one that counts every pocket share one
// lane, the rest the other; with many boxes the two weight-10 searches go to different lanes.
// From FeatureBoxes on, the search by features joins them: it alone solves our 50 x 40 level of
// 40 boxes (8 to 10 s of one core), and our levels of 30 boxes in 1.3 to 1.7 s, where the
// weight-10 searches need 1.2 s of their own. So it takes FeatureShare of the turns on one
// core (at 90 % it missed the 40 boxes; at 95 and 98 % it solves them in 9 to 9.5 s, when the
// machine is not too busy), and on two as much of the second lane's, the first lane left to the
// two weight-10 searches (our levels of 30 boxes: 0.6 to 1.0 and 1.3 s of a thread to the first
// solution, against 0.6 and 1.8 s with the first lane kept as on fewer boxes).
std::vector<Stage> DefaultStages(int boxes, std::size_t lanes) {
    constexpr std::uint32_t AreaCost = 6 * 4;
    const bool many = boxes >= ManyBoxes;
    const double fewest = many ? 0.5 : 0.25, pulls = many ? 1 : 3, greedy = many ? 4 : 0.25;
    const double packs = many ? 1 : 4;
    std::vector<Stage> stages{{1.0, false, false, false, 0, 1, false, fewest, 0},      {3.0, false, false, false, 0, 1, true, pulls, 1},
            {10.0, true, true, true, AreaCost, 1, false, greedy, many ? 1u : 0u}, {3.0, true, true, true, AreaCost, 1, false, packs, 1},
            {3.0, true, true, true, AreaCost, 2, false, 1, 0}, {10.0, true, true, true, 0, 1, false, greedy, 0}};
    if (boxes < FeatureBoxes) return stages;
    Stage features{1.0, false, false, false, 0, 1};
    features.features = true;
    features.lane = 1;
    double others = 0;
    for (Stage& stage : stages) {
        stage.lane = stage.weight == 10.0 ? 0 : features.lane;
        others += lanes < 2 || stage.lane == features.lane ? stage.share : 0;
    }
    features.share = others * FeatureShare / (1 - FeatureShare);
    stages.push_back(features);
    return stages;
}

SolveResult RunStages(const Level& level, const Board& board, const std::vector<Stage>& stages, std::size_t lanes,
                      const SolveLimits& limits, const SolveOptions& options, const Stopwatch& watch) {
    Run run(level, board, stages, limits, options, watch);
    run.fewestOver = !IsFewest(stages.front());
    const auto split = LanesOf(stages, lanes);
    std::vector<std::unique_ptr<Lane>> crew;
    for (const auto& places : split)
        crew.push_back(std::make_unique<Lane>(run, places, LaneMemory(stages, split, places, limits.memoryBytes),
                                              limits.nodes == 0 ? 0 : std::max<std::uint64_t>(1, limits.nodes / split.size())));
    {
        const double setUp = watch.seconds();
        std::vector<std::jthread> helpers;  // joined before the lanes' results are read
        for (std::size_t l = 1; l < crew.size(); ++l)
            helpers.emplace_back([&lane = *crew[l], &watch, setUp] { lane.go(watch.onThisThread(setUp)); });
        crew.front()->go(watch);
    }
    SolveResult result = run.answer;
    if (result.status == SolveStatus::GaveUp)
        result.reason = limits.cancel && limits.cancel->load() ? Why(StopReason::Cancelled) : run.reason;
    for (const auto& lane : crew) {
        result.seconds = std::max(result.seconds, lane->seconds());
        result.nodes += lane->counts().nodes;
        result.expanded += lane->counts().expanded;
        result.peakBytes += lane->counts().peakBytes + lane->patternBytes();
    }
    return result;
}

}  // namespace tolvar::solver
