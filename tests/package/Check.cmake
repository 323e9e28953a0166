# Helpers of the package tests, run with cmake -P.

# run(NAME COMMAND...): runs a command, fails the test with its output when it fails.
function(run name)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name} failed (${rc}):\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

# expect_files(ROOT FILE...): each file exists under ROOT.
function(expect_files root)
  foreach(file IN LISTS ARGN)
    if(NOT EXISTS "${root}/${file}")
      message(FATAL_ERROR "missing ${root}/${file}")
    endif()
  endforeach()
endfunction()

function(expect_match text regex what)
  if(NOT "${text}" MATCHES "${regex}")
    message(FATAL_ERROR "${what}: expected to match '${regex}', got:\n${text}")
  endif()
endfunction()
