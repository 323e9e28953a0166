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

# expect_python_module(DIR): with -DPYTHON3 given, that interpreter imports
# pinxel from DIR alone (the module finds its library through its run path)
# and shows the sample picture in a Dabbler offscreen.
function(expect_python_module dir)
  if(NOT PYTHON3)
    return()
  endif()
  run("import pinxel" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen PYTHONDONTWRITEBYTECODE=1 PYTHONPATH=${dir}
      ${PYTHON3} -c "from PyQt6.QtWidgets import QApplication
app = QApplication([])
import pinxel
dabbler = pinxel.Dabbler()
dabbler.setPicturefilename('${SOURCE_DIR}/resources/sample.bmp')
print(pinxel.__file__, dabbler.picture().width(), dabbler.picture().height())")
  expect_match("${run_output}" "^${dir}/pinxel[^ ]*[.]so 480 360" "the installed Python module")
endfunction()
