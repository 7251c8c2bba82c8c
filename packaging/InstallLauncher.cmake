# Runs inside cmake --install: writes the launcher and the desktop entry with the
# absolute paths of this installation, and links the level tool into the bin folder.
# The settings of the build come from tolvar-install-settings.cmake, included before.

function(tolvar_installed_path dir result)
  if(IS_ABSOLUTE "${dir}")
    set(${result} "${dir}" PARENT_SCOPE)
  else()
    set(${result} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

tolvar_installed_path("${TOLVAR_BINDIR}" bin_dir)
tolvar_installed_path("${TOLVAR_PROGRAM_SUBDIR}" program_dir)
tolvar_installed_path("${TOLVAR_DATA_SUBDIR}" data_dir)
tolvar_installed_path("${TOLVAR_DATADIR}" share_dir)

# The launcher holds the paths in single quotes; a quote inside one ends the quoting,
# adds an escaped quote and starts it again.
string(REPLACE "'" "'\\''" TOLVAR_SH_PROGRAM_DIR "${program_dir}")
string(REPLACE "'" "'\\''" TOLVAR_SH_DATA_DIR "${data_dir}")
configure_file("${TOLVAR_SOURCE_DIR}/packaging/tolvar-launcher.sh.in" "${TOLVAR_WORK_DIR}/tolvar" @ONLY)
file(INSTALL DESTINATION "${bin_dir}" TYPE PROGRAM FILES "${TOLVAR_WORK_DIR}/tolvar")

# Desktop entry: the Exec key takes the program as one argument, quoted when it holds a
# character the desktop would otherwise read as syntax; then the value is escaped as any
# string value (backslashes doubled) and a percent sign written twice.
set(launcher "${bin_dir}/tolvar")
set(exec "${launcher}")
if(exec MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" try_exec "${launcher}")
set(TOLVAR_DESKTOP_EXEC "${exec}")
set(TOLVAR_DESKTOP_TRYEXEC "${try_exec}")
configure_file("${TOLVAR_SOURCE_DIR}/packaging/tolvar.desktop.in" "${TOLVAR_WORK_DIR}/${TOLVAR_APP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${share_dir}/applications" TYPE FILE FILES "${TOLVAR_WORK_DIR}/${TOLVAR_APP_ID}.desktop")

# The level tool runs from anywhere: a relative link keeps the installation movable.
if(TOLVAR_INSTALL_LEVELS_LINK)
  set(link "${bin_dir}/tolvar-levels")
  message(STATUS "Installing: $ENV{DESTDIR}${link}")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${bin_dir}")
  file(REMOVE "$ENV{DESTDIR}${link}")
  file(CREATE_LINK "${TOLVAR_LEVELS_LINK_TARGET}" "$ENV{DESTDIR}${link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
endif()
