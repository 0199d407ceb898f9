# Embeds every file below resources/ into the executable: the stored form
# layouts and pictures are found by their path relative to resources/
# (for example "forms/FParGen.dfm") through framework/os/Resources.h.
file(GLOB_RECURSE CF_RESOURCE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*)
list(FILTER CF_RESOURCE_FILES EXCLUDE REGEX "/\\.[^/]*$|README")
set(CF_RESOURCE_CPP ${CMAKE_BINARY_DIR}/generated/cf_resources.cpp)
# The file list travels in a file: a list on the command line would be split
# by the shell.
set(CF_RESOURCE_LIST ${CMAKE_BINARY_DIR}/generated/cf_resources.list)
file(WRITE ${CF_RESOURCE_LIST}.tmp "${CF_RESOURCE_FILES}")
file(COPY_FILE ${CF_RESOURCE_LIST}.tmp ${CF_RESOURCE_LIST} ONLY_IF_DIFFERENT)
add_custom_command(
  OUTPUT ${CF_RESOURCE_CPP}
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}/resources -DOUT=${CF_RESOURCE_CPP}
          -DLIST=${CF_RESOURCE_LIST} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
  DEPENDS ${CF_RESOURCE_FILES} ${CF_RESOURCE_LIST} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
  COMMENT "Embedding resources"
  VERBATIM)
add_library(cf_resources STATIC ${CF_RESOURCE_CPP})
