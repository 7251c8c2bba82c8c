# Runs inside cmake --install: writes the launcher, the desktop entry and the manual pages
# with the absolute paths of this installation, and links the level tool into the bin folder.
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
tolvar_installed_path("${TOLVAR_MANDIR}" man_dir)

# The launcher holds the paths in single quotes; a quote inside one ends the quoting,
# adds an escaped quote and starts it again.
string(REPLACE "'" "'\\''" TOLVAR_SH_PROGRAM_DIR "${program_dir}")
string(REPLACE "'" "'\\''" TOLVAR_SH_DATA_DIR "${data_dir}")
set(TOLVAR_SH_VERSION "${TOLVAR_VERSION}")
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

# The manual pages name the installed places; in them a backslash starts markup and a
# hyphen may be set as a dash, so both are escaped.
function(tolvar_roff_path path result)
  string(REPLACE "\\" "\\e" path "${path}")
  string(REPLACE "-" "\\-" path "${path}")
  set(${result} "${path}" PARENT_SCOPE)
endfunction()
tolvar_roff_path("${bin_dir}" TOLVAR_MAN_BIN_DIR)
tolvar_roff_path("${data_dir}" TOLVAR_MAN_DATA_DIR)
tolvar_roff_path("${program_dir}" TOLVAR_MAN_PROGRAM_DIR)
set(TOLVAR_MAN_VERSION "${TOLVAR_VERSION}")
set(pages tolvar)
if(TOLVAR_INSTALL_LEVELS_LINK)
  list(APPEND pages tolvar-levels)
endif()
foreach(page ${pages})
  configure_file("${TOLVAR_SOURCE_DIR}/packaging/${page}.6.in" "${TOLVAR_WORK_DIR}/${page}.6" @ONLY)
  file(INSTALL DESTINATION "${man_dir}/man6" TYPE FILE FILES "${TOLVAR_WORK_DIR}/${page}.6")
endforeach()
