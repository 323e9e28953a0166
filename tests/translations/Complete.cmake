# Fails when a text the library shows has no finished translation, or when a
# committed .ts file is not what lupdate makes of the sources now (a text
# changed or gone): lupdate runs over the sources into a copy of each file.
#   cmake -DLUPDATE=... -DSOURCES=list.lst -DWORK_DIR=... -DTS_FILES="a.ts;b.ts" -P Complete.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")
foreach(committed IN LISTS TS_FILES)
  get_filename_component(name ${committed} NAME)
  set(copy ${WORK_DIR}/${name})
  file(COPY_FILE ${committed} ${copy})
  # The same options as the target pinxel_lupdate.
  execute_process(COMMAND ${LUPDATE} -locations none -no-obsolete -silent @${SOURCES} -ts ${copy}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
  endif()
  file(READ ${copy} updated)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"(unfinished|vanished|obsolete)\"" open "${updated}")
  foreach(entry IN LISTS open)
    string(REGEX REPLACE "[ \n]*<translation type=\"" " -- " entry "${entry}")
    string(REGEX REPLACE "\"$" "" entry "${entry}")
    string(APPEND problems "  ${name}: ${entry}\n")
  endforeach()
  file(READ ${committed} before)
  if(NOT open AND NOT updated STREQUAL before)
    string(APPEND problems "  ${name} is not as lupdate writes it from the sources now; compare it with ${copy}\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "Texts without a finished translation (translate them in Linguist after "
    "`cmake --build --preset default --target pinxel_lupdate`):\n${problems}")
endif()
