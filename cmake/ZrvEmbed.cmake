# zrv_embed(<target> <name>=<file> ...): builds a library <target> that carries the given files
# inside whatever links it, reachable through zrv::carried_file(name)
# (framework/services/carried_files.h).
function(zrv_embed target)
  set(outputs)
  set(index 0)
  set(names)
  foreach(pair IN LISTS ARGN)
    string(FIND "${pair}" "=" eq)
    string(SUBSTRING "${pair}" 0 ${eq} name)
    math(EXPR start "${eq} + 1")
    string(SUBSTRING "${pair}" ${start} -1 file)
    get_filename_component(file "${file}" ABSOLUTE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${index}.cpp)
    add_custom_command(OUTPUT ${out}
      COMMAND zrv_embed_tool ${file} ${name} ${out}
      DEPENDS ${file} zrv_embed_tool VERBATIM)
    list(APPEND outputs ${out})
    list(APPEND names ${name})
    math(EXPR index "${index} + 1")
  endforeach()
  # The registrations are static objects nothing refers to: the archive <target>_files is linked
  # whole into whatever links <target>, however many such libraries a program links (a plain
  # --whole-archive option pair per library would be merged away with the options of the others).
  add_library(${target}_files STATIC ${outputs})
  target_link_libraries(${target}_files PUBLIC zrv_carried)
  set_target_properties(${target}_files PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(${target} INTERFACE)
  target_link_libraries(${target} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}_files>")
  # Every carried name, for the test that the program carries them all.
  set_property(GLOBAL APPEND PROPERTY ZRV_CARRIED_FILE_NAMES ${names})
endfunction()
