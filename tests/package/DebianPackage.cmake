# Makes the Debian package with cpack, unpacks it with dpkg-deb -x and runs
# its programs from there.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCPACK=... -DVERSION=... [-DDOCS=ON] -P DebianPackage.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Check.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
run("cpack" ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/out)
set(deb ${WORK_DIR}/out/pinxel_${VERSION}_amd64.deb)
expect_files(/ ${deb})

run("dpkg-deb -f" dpkg-deb -f ${deb} Depends)
foreach(package libqt6widgets6 libqt6printsupport6 libqt6designer6 fonts-dejavu-core)
  expect_match("${run_output}" "${package}" "the package's dependencies")
endforeach()
if(PYTHON3)
  expect_match("${run_output}" "python3-pyqt6" "the package's dependencies")
endif()

set(root ${WORK_DIR}/root)
run("dpkg-deb -x" dpkg-deb -x ${deb} ${root})
expect_files(${root} usr/share/doc/pinxel/copyright usr/lib/Cursors/pencil.cur usr/include/pinxel/DabblerWidget.h)
file(READ ${root}/usr/share/doc/pinxel/copyright copyright)
expect_match("${copyright}" "License: MIT" "the copyright file")
if(DOCS)
  expect_files(${root} usr/share/doc/pinxel/pinxel.qch usr/share/doc/pinxel/html/index.html)
endif()

run("pinxel --help" ${root}/usr/bin/pinxel --help)
expect_match("${run_output}" "usage: pinxel COMMAND" "pinxel --help")
run("pinxel filter" ${root}/usr/bin/pinxel filter blur ${SOURCE_DIR}/resources/sample.bmp ${WORK_DIR}/blurred.bmp)
expect_files(${WORK_DIR} blurred.bmp)
expect_python_module(${root}/usr/${PYTHON_DIR})

# The editor runs from the package too: a stroke through pinxel script, saved.
file(WRITE ${WORK_DIR}/stroke.txt "load ${SOURCE_DIR}/resources/sample.bmp
picPaint.MouseDown 1 0 10 10
picPaint.MouseMove 1 0 60 40
picPaint.MouseUp 1 0 60 40
save ${WORK_DIR}/stroke.bmp
")
run("pinxel script" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/usr/bin/pinxel script ${WORK_DIR}/stroke.txt)
expect_files(${WORK_DIR} stroke.bmp)
