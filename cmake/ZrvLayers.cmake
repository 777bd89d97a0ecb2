# zrv_headers(<target> <PUBLIC|PRIVATE|INTERFACE> [<folder>]): gives the target one include
# folder, its own (by default the folder of the CMakeLists.txt calling it), reachable as
# "<folder>/<header>" as everywhere in the tree. The build makes, per source folder, a folder
# that holds only a link to it, so that a header of another library is found only through that
# library: a source that includes it builds only when its target links that library.
function(zrv_headers target scope)
  if(ARGC GREATER 2)
    set(folder ${ARGV2})
  else()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  string(REPLACE "/" "_" key "${folder}")
  set(root ${PROJECT_BINARY_DIR}/include/${key})
  if(NOT EXISTS ${root}/${folder})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
