# The system DLLs that only the settings sheet and the resident instance
# call are loaded at their first call instead of at the program's start:
# shell32, ole32 and comctl32 together, with what they load in turn, cost
# every start about a tenth of a second under Wine, and a session needs
# none of them. Each gets an import library of the delay-load kind, made by
# dlltool from the list of functions the program calls (delay-load/*.def,
# with the 32-bit names' stdcall decoration). The target
# tombolix_delay_loaded links them and the loader's helper.
set(delay_libraries)
foreach(dll comctl32 ole32 shell32 version)
  set(listed ${CMAKE_CURRENT_LIST_DIR}/delay-load/${dll}.def)
  set(def ${CMAKE_BINARY_DIR}/delay-load/${dll}.def)
  set(library ${CMAKE_BINARY_DIR}/delay-load/lib${dll}_delay.a)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(names_as_listed sed -E "s/@[0-9]+$//" ${listed})
  else()
    set(names_as_listed cat ${listed})
  endif()
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay-load
    COMMAND ${names_as_listed} > ${def}
    COMMAND ${MINGW_TRIPLET}-dlltool --kill-at -d ${def} -y ${library}
    DEPENDS ${listed} VERBATIM)
  list(APPEND delay_libraries ${library})
endforeach()
add_custom_target(delay_load_libraries DEPENDS ${delay_libraries})
add_library(tombolix_delay_loaded INTERFACE)
add_dependencies(tombolix_delay_loaded delay_load_libraries)
target_link_libraries(tombolix_delay_loaded INTERFACE ${delay_libraries} delayimp)

# The 32-bit linker drops the code of an import library's member that no
# object names, unless it collects unused sections itself (as the shipped
# builds do): a delay-load stub is named only by its slot in the table, which
# then holds 0, and the first call of the function jumps there. Naming each
# stub keeps it in every build.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  foreach(dll comctl32 ole32 shell32 version)
    file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/delay-load/${dll}.def functions REGEX "@[0-9]+$")
    foreach(function ${functions})
      target_link_options(tombolix_delay_loaded INTERFACE "LINKER:-u,_${function}")
    endforeach()
  endforeach()
endif()
