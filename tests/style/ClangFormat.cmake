# Fails when a source file is not as clang-format (with the tree's .clang-format) writes it.
#   cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P ClangFormat.cmake
set(files)
foreach(folder src include apps plugins tests bench examples fuzz)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND files ${found})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Not formatted; run clang-format -i on these files:\n${err}")
endif()
