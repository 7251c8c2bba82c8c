# The sources of the game's rules, one list for every build that compiles them (the main
# build and the fuzz build). Set TOLVAR_ROOT to the source tree first.
#   TOLVAR_CORE_SOURCES   the rules core (the board and the rule of a move) and the play session, standard C++ only,
#                         shared by the game and the solver
#   TOLVAR_LEVELS_SOURCES the level files, the level text format and the level checks:
#                         standard C++ only, on the rules core; the solver reads its levels
#   TOLVAR_RULES_SOURCES  the game's procedures: no widget, but Qt's images
file(GLOB TOLVAR_CORE_SOURCES CONFIGURE_DEPENDS ${TOLVAR_ROOT}/rules/*.cpp ${TOLVAR_ROOT}/session/*.cpp)
file(GLOB TOLVAR_LEVELS_SOURCES CONFIGURE_DEPENDS ${TOLVAR_ROOT}/levels/*.cpp)
file(GLOB TOLVAR_RULES_SOURCES CONFIGURE_DEPENDS
  ${TOLVAR_ROOT}/core/*.cpp ${TOLVAR_ROOT}/view/*.cpp
  ${TOLVAR_ROOT}/editor/*.cpp ${TOLVAR_ROOT}/assist/*.cpp ${TOLVAR_ROOT}/audio/MusicControl.cpp)
