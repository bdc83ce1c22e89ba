# The Windows install: one folder with Pelbrix.exe, the Qt and MinGW run-time DLLs, the
# plugins Qt loads at run time, the user guide and the licences. CPack makes of it the
# portable zip and the NSIS installer (tools/package --windows).

install(TARGETS pelbrix RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
# Qt looks for its plugins in folders beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(runtime_dll "${runtime_dll}" REALPATH)
  if(NOT EXISTS "${runtime_dll}")
    message(FATAL_ERROR "The MinGW run-time library ${dll} was not found")
  endif()
  install(FILES "${runtime_dll}" DESTINATION .)
endforeach()
# Stripped as the program is: the DLLs' symbol tables are more than half their size.
install(CODE "
  file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(dll IN LISTS dlls)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"could not strip \${dll}\")
    endif()
  endforeach()")

# F1 finds the guide beside the program, as in a build.
install(FILES doc/guide.html DESTINATION doc)
install(FILES README.md DESTINATION . RENAME README.txt)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# Qt is LGPL, shipped as replaceable DLLs with its licence texts; the MinGW run-time's
# terms are Debian's record of them.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core_dll)
  get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(qt_prefix "${qt_core_dll}" DIRECTORY)
get_filename_component(qt_prefix "${qt_prefix}" DIRECTORY)
install(DIRECTORY "${qt_prefix}/licenses/" DESTINATION licenses/qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME mingw-w64.txt)

set(CPACK_PACKAGE_NAME pelbrix)
set(CPACK_PACKAGE_VENDOR "The Pelbrix developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PELBRIX_SUMMARY}")
set(CPACK_PACKAGE_FILE_NAME pelbrix-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Pelbrix)
set(CPACK_PACKAGE_EXECUTABLES Pelbrix Pelbrix)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP NSIS)
# Each generator's own file name and settings (the installer is "...-setup.exe").
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackWindows.cmake)

# The installer's name, and so the Start menu's folder: without the version, so an update
# keeps the same entry.
set(CPACK_NSIS_PACKAGE_NAME "Pelbrix")
set(CPACK_NSIS_DISPLAY_NAME "Pelbrix")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Pelbrix)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/windows/pelbrix.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/windows/pelbrix.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Pelbrix.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_URL_INFO_ABOUT "${PELBRIX_HOMEPAGE}")
# A 64-bit installer: the default 32-bit stub needs a 32-bit Windows layer to run at all.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
