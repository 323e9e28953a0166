# Installs the build into a fresh prefix, builds examples/embed and
# examples/inline against it with nothing but find_package(Pinxel), and runs
# them offscreen.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DQT_PLUGIN_DIR=... [-DDOCS=ON] -P InstallAndEmbed.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Check.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
expect_files(${prefix}
  lib/libpinxel.so include/pinxel/DabblerWidget.h include/pinxel/Dabbler.h
  include/pinxel/EditorWidget.h include/pinxel/FileHandler.h
  lib/Cursors/cross.cur lib/Cursors/handgrab.cur
  bin/pinxel lib/pinxel/pinxel-commands.so lib/pinxel/pinxel-picture-commands.so
  bin/pinxel-host share/pinxel/sample.bmp
  lib/cmake/Pinxel/PinxelConfig.cmake lib/cmake/Pinxel/PinxelTargets.cmake
  lib/cmake/Pinxel/PinxelConfigVersion.cmake lib/pkgconfig/pinxel.pc
  ${QT_PLUGIN_DIR}/designer/libpinxel_designer.so)
# The API reference, when the build made it.
if(DOCS)
  expect_files(${prefix} share/doc/pinxel/pinxel.qch share/doc/pinxel/html/index.html
    share/doc/pinxel/html/by_name.html share/doc/pinxel/html/linked.html share/doc/pinxel/html/inline_editor.html)
endif()

# The installed plugin finds the library in the prefix, wherever the prefix is.
run("ldd on the plugin" ldd ${prefix}/${QT_PLUGIN_DIR}/designer/libpinxel_designer.so)
expect_match("${run_output}" "libpinxel.so.0 => ${prefix}/" "the plugin's library")

# The installed program runs from the prefix, finding its library there.
run("installed pinxel" ${prefix}/bin/pinxel filter grayscale ${SOURCE_DIR}/resources/sample.bmp ${WORK_DIR}/gray.bmp)
expect_files(${WORK_DIR} gray.bmp)

# The Python module, in Debian's folder under the prefix.
expect_python_module(${prefix}/${PYTHON_DIR})

# find_package(Pinxel X.Y) takes any release of the same major version from
# X.Y on: the library keeps its interface within a major version.
foreach(case "0.1;1" "0.1.0;1" "0.0.5;1" "0.2;0" "1.0;0")
  list(GET case 0 requested)
  list(GET case 1 accepted)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/package/version -B ${WORK_DIR}/version-${requested}
    -DREQUESTED=${requested} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if((rc EQUAL 0) AND NOT accepted OR (NOT rc EQUAL 0) AND accepted)
    message(FATAL_ERROR "find_package(Pinxel ${requested}): accepted=${accepted} expected, configure returned ${rc}")
  endif()
endforeach()

# A host built without CMake, through pkg-config alone.
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
run("pkg-config" pkg-config --cflags --libs pinxel)
string(STRIP "${run_output}" run_output)
separate_arguments(pkg_flags UNIX_COMMAND "${run_output}")
run("build the pkg-config host" c++ -std=c++17 ${SOURCE_DIR}/examples/pkgconfig/main.cpp -o ${WORK_DIR}/pkgconfig-host
    ${pkg_flags})
run("run the pkg-config host" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK_DIR}/pkgconfig-host)
expect_match("${run_output}" "ran=1 flipped=1" "the pkg-config host's editing")

run("configure the example" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/embed -B ${WORK_DIR}/build
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run("build the example" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run("run the example" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    ${WORK_DIR}/build/pinxel-embed --check ${SOURCE_DIR}/resources/sample.bmp ${WORK_DIR}/saved.bmp)
# The properties the form sets, restored by uic's code through the control's setters.
expect_match("${run_output}"
  "WindowCaption=Embedded picture EditWidth=12000 EditHeight=9000 EditMenuFile=1 BorderStyle=0 Stretch=1"
  "the example's properties")
expect_files(${WORK_DIR} saved.bmp)

# Two editors inline: pictures in memory, the toolbar's commands, the title's
# mark, and a save into the host's own storage.
run("configure the inline example" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/inline -B ${WORK_DIR}/inline
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run("build the inline example" ${CMAKE_COMMAND} --build ${WORK_DIR}/inline)
run("run the inline example" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    ${WORK_DIR}/inline/pinxel-inline --check)
expect_match("${run_output}"
  "ran=1 changes=3 title-marked=1 saved=1 stored=320x240 gray=1 second-modified=0"
  "the inline example's editing")
