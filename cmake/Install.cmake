# Installing the game like any desktop program:
#   <prefix>/bin/tolvar                    launcher: prepares the player's game directory, runs the game there
#   <prefix>/bin/tolvar-levels             the level tool (a link to the program below)
#   <prefix>/libexec/tolvar/               the programs themselves
#   <prefix>/share/tolvar/                 the read-only game data (level set, pictures, sounds, music, help)
#   <prefix>/share/applications/, icons/hicolor/, metainfo/   the desktop's entry, icons and description
#   <prefix>/share/man/man6/               the manual pages tolvar(6) and tolvar-levels(6)
# The Debian package moves the first four into the games' places (debian/rules):
# CMAKE_INSTALL_BINDIR=games, TOLVAR_PROGRAM_SUBDIR=lib/games/tolvar, TOLVAR_DATA_SUBDIR=share/games/tolvar.
# The launcher and the desktop entry name the programs by absolute path, so they are written
# at install time, when the prefix (cmake --install --prefix ...) is known.
include(GNUInstallDirs)

set(TOLVAR_APP_ID "example.quillon_studio.Tolvar")
set(TOLVAR_PROGRAM_SUBDIR "${CMAKE_INSTALL_LIBEXECDIR}/tolvar" CACHE STRING
  "Where the programs go, relative to the prefix")
set(TOLVAR_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/tolvar" CACHE STRING
  "Where the read-only game data goes, relative to the prefix")

foreach(program tolvar tolvar-levels)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${TOLVAR_PROGRAM_SUBDIR})
  endif()
endforeach()

# The data comes from the sources, not from the staged build/game/: a game played there
# leaves solutions and levels behind that must not be shipped. A package build may name a
# copy of assets/ that the asset generator has written again.
set(TOLVAR_ASSETS_DIR "${CMAKE_SOURCE_DIR}/assets" CACHE PATH "The assets folder whose game data and icons are installed")
install(DIRECTORY ${TOLVAR_ASSETS_DIR}/game/
  DESTINATION ${TOLVAR_DATA_SUBDIR}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Icons in whatever sizes the artwork provides (the sources say which, even when the
# installed ones are written during the build).
file(GLOB TOLVAR_ICON_SIZES LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/assets/icons/hicolor/*)
foreach(size_dir ${TOLVAR_ICON_SIZES})
  if(EXISTS ${size_dir}/apps/tolvar.png)
    get_filename_component(size ${size_dir} NAME)
    install(FILES ${TOLVAR_ASSETS_DIR}/icons/hicolor/${size}/apps/tolvar.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
  endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/tolvar.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${TOLVAR_APP_ID}.metainfo.xml)

# What the level tool's link on PATH points at, relative to the bin folder.
file(RELATIVE_PATH TOLVAR_LEVELS_LINK_TARGET
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TOLVAR_PROGRAM_SUBDIR}/tolvar-levels)
if(TARGET tolvar-levels)
  set(TOLVAR_INSTALL_LEVELS_LINK ON)
else()
  set(TOLVAR_INSTALL_LEVELS_LINK OFF)
endif()

# The install-time part: runs inside cmake --install, where CMAKE_INSTALL_PREFIX is the prefix asked for.
set(TOLVAR_INSTALL_SETTINGS ${CMAKE_BINARY_DIR}/tolvar-install-settings.cmake)
file(CONFIGURE OUTPUT ${TOLVAR_INSTALL_SETTINGS} CONTENT [[
set(TOLVAR_APP_ID "@TOLVAR_APP_ID@")
set(TOLVAR_SOURCE_DIR "@CMAKE_SOURCE_DIR@")
set(TOLVAR_WORK_DIR "@CMAKE_BINARY_DIR@/tolvar-install")
set(TOLVAR_BINDIR "@CMAKE_INSTALL_BINDIR@")
set(TOLVAR_DATADIR "@CMAKE_INSTALL_DATADIR@")
set(TOLVAR_MANDIR "@CMAKE_INSTALL_MANDIR@")
set(TOLVAR_VERSION "@PROJECT_VERSION@")
set(TOLVAR_PROGRAM_SUBDIR "@TOLVAR_PROGRAM_SUBDIR@")
set(TOLVAR_DATA_SUBDIR "@TOLVAR_DATA_SUBDIR@")
set(TOLVAR_INSTALL_LEVELS_LINK @TOLVAR_INSTALL_LEVELS_LINK@)
set(TOLVAR_LEVELS_LINK_TARGET "@TOLVAR_LEVELS_LINK_TARGET@")
]] @ONLY)
install(CODE "include(\"${TOLVAR_INSTALL_SETTINGS}\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/packaging/InstallLauncher.cmake)
