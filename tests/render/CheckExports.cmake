# Fails unless the renderer's entry points are all that LIBRARY defines as dynamic symbols.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
# Every defined dynamic symbol counts, data and the linker's own as well.
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
# The three entry points; the test hooks belong to the test build alone.
set(expected ControlPass ControlPassTarget DrawSpace)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} exports [${names}], expected [${expected}]")
endif()
