# Fails unless LIBRARY defines exactly the renderer's entry points as dynamic symbols.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
string(REGEX MATCHALL "[0-9a-fA-F]+ [TtWi] [^\n]+" functions "${symbols}")
set(names "")
foreach(line IN LISTS functions)
  string(REGEX REPLACE "^[0-9a-fA-F]+ [TtWi] " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
# The three entry points, then the test-only ones (LipTest*), which the
# program never looks up.
set(expected ControlPass ControlPassTarget DrawSpace
  LipTestRefreshPeriod LipTestSetPacing LipTestSurfaceFrames LipTestSwapCount)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "libLip.so exports [${names}], expected [${expected}]")
endif()
