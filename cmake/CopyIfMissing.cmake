# cmake -DSRC=... -DDST=... -P CopyIfMissing.cmake
# Copies SRC to DST only when DST does not exist yet: the settings and the
# favourites a user has changed are never overwritten.
if(NOT EXISTS "${DST}")
  get_filename_component(dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
