# Runs doxygen for the target docs. A build with warnings fails and leaves
# no pinxel.qch behind, so the next build runs doxygen again instead of
# taking the stale file for up to date.
#   cmake -DDOXYGEN=... -DDOXYFILE=... -DOUTPUT_DIR=... -P RunDoxygen.cmake
file(REMOVE_RECURSE ${OUTPUT_DIR}/html)
file(REMOVE ${OUTPUT_DIR}/pinxel.qch)
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} WORKING_DIRECTORY ${OUTPUT_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE ${OUTPUT_DIR}/pinxel.qch)
  message(FATAL_ERROR "The API reference has warnings (above): document every public member of include/pinxel")
endif()
if(NOT EXISTS ${OUTPUT_DIR}/pinxel.qch)
  message(FATAL_ERROR "doxygen made no pinxel.qch: is QHG_LOCATION a working qhelpgenerator?")
endif()
