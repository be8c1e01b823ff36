# Copies the data files beside the program. The options file is the user's own once it
# exists there: it is copied only when missing, so a rebuild never overwrites the user's birth
# data. Every other file is brought up to date.
file(GLOB data_files LIST_DIRECTORIES false "${SOURCE_DIR}/*")
foreach(source IN LISTS data_files)
  get_filename_component(name "${source}" NAME)
  set(target "${DEST_DIR}/${name}")
  if(name STREQUAL "OPTIONS.OPT" AND EXISTS "${target}")
    continue()
  endif()
  file(COPY_FILE "${source}" "${target}" ONLY_IF_DIFFERENT)
endforeach()
