# SPDX-License-Identifier: GPL-3.0-or-later
# Removes every file listed in MANIFEST (CMake's install_manifest.txt, which
# holds the paths as installed, without DESTDIR) from under $DESTDIR, then
# the folders of the game's data folder DATA_DIR that this leaves empty.
# Shared folders such as share/applications stay, and so does anything in
# the data folder that the install did not put there.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to remove: ${MANIFEST} is missing (install first)")
endif()
file(STRINGS "${MANIFEST}" files)
set(stage "$ENV{DESTDIR}")
foreach(listed IN LISTS files)
  set(file "${stage}${listed}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()

set(data "${stage}${DATA_DIR}")
if(IS_DIRECTORY "${data}")
  file(GLOB_RECURSE inside LIST_DIRECTORIES true "${data}/*")
  # Deepest first, so that a folder is empty once its own folders are gone.
  list(SORT inside ORDER DESCENDING)
  foreach(folder IN LISTS inside ITEMS "${data}")
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
      file(GLOB left "${folder}/*" "${folder}/.*")
      if(NOT left)
        file(REMOVE_RECURSE "${folder}")  # empty: nothing but the folder goes
      endif()
    endif()
  endforeach()
endif()
