# quorvel_folder_library(NAME [EXCLUDE file...]): an object library of every
# .cpp in the calling folder.
function(quorvel_folder_library name)
  cmake_parse_arguments(arg "" "" "EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${name} OBJECT ${sources})
endfunction()
