// tolvar-levels: checks, solves, imports and exports the game's level files, and keeps the library of collections.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

constexpr const char* Usage = R"(Usage: tolvar-levels COMMAND [ARGUMENTS]

FILE is a level set or a level file of the game, or (for verify, solve
and export) a collection in the common text format (see import), whose
levels may be of any size up to 64 x 64 and may have the man on a goal
("+").

Commands:
  verify FILE [--time SECONDS] [--no-solve] [--shipped]
      Checks every level of a level set or level file: format, one man,
      boxes equal goals, closed by walls, no box that can never reach a goal,
      and solvable within the time limit (default 10 seconds per level).
      --shipped also checks what the game's own set must keep: nothing to
      play on the board's outer ring or under the counters and the trace
      button, centred, and no level the same as another when turned or
      mirrored. Prints one line per level.
  solve FILE [LEVEL] [-o OUT] [--time SECONDS] [--weight W] [--corrals]
      Solves level LEVEL (default 1) and prints its moves in the solution
      file format ("7" left, "8" up, "9" right, "0" down), or writes them
      to OUT. By default its searches take turns (on two cores, side by
      side) until one finds a solution; the search for the fewest pushes then
      goes on for up to a quarter of the time to prove them the fewest or find
      fewer, and it says whether they are proven the fewest. --weight 1
      searches only for the fewest pushes; above 1 it trades them for speed;
      --corrals narrows the pushes tried near areas the man cannot reach,
      which helps most together with --weight.
  import FILE [--dir DIR] [--first N] [--set OUT] [--force]
      Reads levels in the common text format ("#" wall, "@" man, "$" box,
      "*" box on goal, "." goal, space floor; levels separated by blank or
      comment lines) and writes them as level files other.N, other.N+1, ...
      into DIR (default: the current directory), N from --first (default 1),
      or all of them as one level set OUT. Existing files are kept unless
      --force is given. A level that fits only on its side is turned a
      quarter turn; a box on a goal where the man can never come is kept
      as scenery. A level that does not fit the 20 x 14 board either way,
      is not closed, has a man on a goal ("+", which the game cannot show)
      or breaks the rules above is refused with the reason, never cut.
  export FILE [LEVEL]
      Prints the levels of a level set or level file (or only LEVEL) in the
      common text format.
  collections [--levels] [--dir DIR]
      Lists the collections of the library in the game directory DIR
      (default: the player's, $XDG_DATA_HOME/tolvar or
      ~/.local/share/tolvar): one line each with its title, author, levels
      and levels solved. --levels adds a line per level: its number, size,
      whether it is solved with the fewest moves and the fewest pushes of
      its records, and its title.
  collections add FILE [--dir DIR]
      Adds a collection in the common text format to the library, as the
      game's Open Level Collection does: a copy, recognised by its content
      (the same file added again is the same collection). Prints the levels
      refused, each with its number, line, title and reason.
  --help
      Shows this text.
  --version
      Shows the version.

Exit codes:
  0  success
  1  a level failed verification, is unsolvable, or was refused by import
     or collections add
  2  bad command line
  3  a file could not be read or written, is not a level file, or
     (collections) could not be added or opened
  4  the solver gave up at its time or memory limit
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace tolvar::levels;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << Usage;
        return ExitUsage;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << Usage;
        return ExitOk;
    }
    if (command == "--version") {
        std::cout << "tolvar-levels " << TOLVAR_VERSION << "\n";
        return ExitOk;
    }
    for (const auto& arg : args)
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return ExitOk;
        }
    if (command == "verify") return RunVerify(args);
    if (command == "solve") return RunSolve(args);
    if (command == "import") return RunImport(args);
    if (command == "export") return RunExport(args);
    if (command == "collections") return RunCollections(args);
    return Complain(ExitUsage, "unknown command '" + command + "' (see tolvar-levels --help)");
}
