# zrv_embed(<target> <name>=<file> ...): builds a static library <target> that
# carries the given files inside the program, reachable through
# zrv::carried_file(name) (framework/services/carried_files.h).
function(zrv_embed target)
  set(outputs)
  set(index 0)
  set(registrations "")
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
    math(EXPR index "${index} + 1")
  endforeach()
  add_library(${target} STATIC ${outputs})
  target_link_libraries(${target} PUBLIC zrv_carried)
  # The registrations are static objects: keep them all in the program.
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_link_options(${target} INTERFACE "LINKER:--whole-archive" $<TARGET_FILE:${target}> "LINKER:--no-whole-archive")
endfunction()
