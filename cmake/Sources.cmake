# The sources of the game, one list for every build that compiles them (the main build and the
# fuzz build). Set TOLVAR_ROOT to the source tree first.
#   TOLVAR_RULES_SOURCES   the rules core: the grid, its cells and the rule of a move (standard C++,
#                          shared by the game, the solver and the level tool)
#   TOLVAR_SESSION_SOURCES the play session and the gate every command passes (standard C++)
#   TOLVAR_LEVELS_SOURCES  the level files, the level text format and the level checks (standard C++)
#   TOLVAR_GAME_SOURCES    the game's procedures, its view, editor and assist: no widget, but Qt's images
file(GLOB TOLVAR_RULES_SOURCES CONFIGURE_DEPENDS ${TOLVAR_ROOT}/rules/*.cpp)
file(GLOB TOLVAR_SESSION_SOURCES CONFIGURE_DEPENDS ${TOLVAR_ROOT}/session/*.cpp)
file(GLOB TOLVAR_LEVELS_SOURCES CONFIGURE_DEPENDS ${TOLVAR_ROOT}/levels/*.cpp)
file(GLOB TOLVAR_GAME_SOURCES CONFIGURE_DEPENDS
  ${TOLVAR_ROOT}/core/*.cpp ${TOLVAR_ROOT}/view/*.cpp
  ${TOLVAR_ROOT}/editor/*.cpp ${TOLVAR_ROOT}/assist/*.cpp)
