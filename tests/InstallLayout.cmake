# Installs the build into a scratch prefix and checks that a freedesktop desktop finds
# the program, its launcher and its icon there, and that both data files validate.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P InstallLayout.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(desktop "${PREFIX}/share/applications/io.github.pelbrix.Pelbrix.desktop")
set(expected
  "${PREFIX}/bin/pelbrix"
  "${desktop}"
  "${PREFIX}/share/metainfo/io.github.pelbrix.Pelbrix.metainfo.xml"
  "${PREFIX}/share/icons/hicolor/16x16/apps/pelbrix.png"
  "${PREFIX}/share/icons/hicolor/48x48/apps/pelbrix.png"
  "${PREFIX}/share/icons/hicolor/256x256/apps/pelbrix.png"
  "${PREFIX}/share/icons/hicolor/scalable/apps/pelbrix.svg"
  "${PREFIX}/share/man/man1/pelbrix.1.gz"
  "${PREFIX}/share/doc/Pelbrix/LICENSE"
  "${PREFIX}/share/doc/pelbrix/guide.html")
foreach(f IN LISTS expected)
  if(NOT EXISTS "${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The guide is installed where F1 looks for it (bin/../share/doc/pelbrix), whole; test_core
# checks that it has every section F1 asks for.
file(READ "${PREFIX}/share/doc/pelbrix/guide.html" installed_guide)
file(READ "${SOURCE_DIR}/doc/guide.html" source_guide)
if(NOT installed_guide STREQUAL source_guide)
  message(FATAL_ERROR "the installed guide differs from doc/guide.html")
endif()

# The launcher starts the installed program by name and names the installed icon.
file(STRINGS "${desktop}" exec REGEX "^Exec=")
file(STRINGS "${desktop}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=pelbrix" OR NOT icon STREQUAL "Icon=pelbrix")
  message(FATAL_ERROR "launcher does not match the installed names: ${exec} ${icon}")
endif()

execute_process(COMMAND desktop-file-validate "${desktop}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "error")
  message(FATAL_ERROR "desktop-file-validate: ${rc}\n${out}")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                        "${PREFIX}/share/metainfo/io.github.pelbrix.Pelbrix.metainfo.xml"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${rc}\n${out}")
endif()
