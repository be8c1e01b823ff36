# Installs the build into PREFIX and compares the files there with the list in EXPECTED.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "installed tree differs\n  missing: ${missing}\n  not listed: ${extra}")
endif()
# No file of the tree may name the folder it was installed to: the tree must stay usable when
# moved elsewhere.
foreach(name IN LISTS installed)
  file(STRINGS "${PREFIX}/${name}" hits REGEX "${PREFIX}" LIMIT_COUNT 1)
  if(hits)
    message(FATAL_ERROR "${name} names the install folder ${PREFIX}")
  endif()
endforeach()
# Run as a user would: the installed tree made read-only, a fresh data folder of the user's.
# The page comes out, the user's folder is seeded, and the installed tree is left as it was.
set(home "${PREFIX}-home")
file(REMOVE_RECURSE "${home}")
file(MAKE_DIRECTORY "${home}")
execute_process(COMMAND chmod -R a-w "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_HOME=${home}" --unset=DISPLAY
                        "${PREFIX}/bin/velmaris" --report 2026-12-06
                RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE errors
                WORKING_DIRECTORY "${home}")
execute_process(COMMAND chmod -R u+w "${PREFIX}")
if(NOT status EQUAL 0 OR NOT page MATCHES "Sunday, 06 Dec 2026")
  message(FATAL_ERROR "the installed program did not write the page (${status}): ${errors}")
endif()
if(NOT EXISTS "${home}/velmaris/OPTIONS.OPT" OR NOT EXISTS "${home}/velmaris/SUN.TXT")
  message(FATAL_ERROR "the user's folder ${home}/velmaris was not seeded")
endif()
file(GLOB_RECURSE after LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT after)
if(NOT after STREQUAL installed)
  message(FATAL_ERROR "running the program changed the installed tree")
endif()
file(REMOVE_RECURSE "${PREFIX}" "${home}")
