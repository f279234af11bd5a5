# Installs the build BUILD into PREFIX and checks the result: the programs run, the menu entry
# is valid for desktop-file-validate (when VALIDATE names it), the AppStream metadata for
# appstreamcli (when APPSTREAMCLI names it), the manual pages, the copyright and the changelog
# are there, and the icon and fonts that the source tree holds were installed where desktops and
# the program look for them. Then, when DPKG_DEB and DPKG_SHLIBDEPS name Debian's tools, it
# builds the package from BUILD into PACKAGE_DIR with CPACK, and has LINTIAN (when it names
# lintian) check it: any error or warning fails.

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(problems "")
macro(require path)
  if(NOT EXISTS "${PREFIX}/${path}")
    string(APPEND problems "  missing ${path}\n")
  endif()
endmacro()

# The lists come separated by commas: a semicolon list would be split on the way here.
string(REPLACE "," ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  require(bin/${program})
endforeach()
execute_process(COMMAND "${PREFIX}/bin/spintrak-stats" --version RESULT_VARIABLE status OUTPUT_VARIABLE version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^spintrak-stats [0-9]")
  string(APPEND problems "  the installed spintrak-stats does not run: ${status} ${version}\n")
endif()

foreach(program IN LISTS programs)
  require(share/man/man1/${program}.1.gz)
endforeach()
# The translations: the English catalogue and the Russian manual pages.
require(share/locale/en/LC_MESSAGES/spintrak.mo)
foreach(program IN LISTS programs)
  require(share/man/ru/man1/${program}.1.gz)
endforeach()
require(share/doc/spintrak/copyright)
require(share/doc/spintrak/changelog.gz)
if(NOT CHANGELOG_VERSION STREQUAL VERSION)
  string(APPEND problems "  packaging/changelog's newest entry is ${CHANGELOG_VERSION}, the project is ${VERSION}\n")
endif()

set(entry "${PREFIX}/share/applications/${APP_ID}.desktop")
require(share/applications/${APP_ID}.desktop)
if(VALIDATE AND EXISTS "${entry}")
  execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out)
    string(APPEND problems "  desktop-file-validate: ${out}\n")
  endif()
endif()

set(metainfo "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
require(share/metainfo/${APP_ID}.metainfo.xml)
if(APPSTREAMCLI AND EXISTS "${metainfo}")
  # Errors and warnings fail validation; notes of the kind "info" and "pedantic" do not.
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(APPEND problems "  appstreamcli validate:\n${out}\n")
  endif()
endif()

string(REPLACE "," ";" sizes "${ICON_SIZES}")
get_filename_component(source "${FONTS}" DIRECTORY)
foreach(size IN LISTS sizes)
  if(EXISTS "${source}/hicolor/${size}x${size}/apps/spintrak.png")
    require(share/icons/hicolor/${size}x${size}/apps/spintrak.png)
  endif()
endforeach()

file(GLOB fonts RELATIVE "${FONTS}" "${FONTS}/*.ttf")
foreach(font IN LISTS fonts)
  require(share/spintrak/fonts/${font})
endforeach()

if(problems)
  message(FATAL_ERROR "The installation is incomplete:\n${problems}")
endif()
file(REMOVE_RECURSE "${PREFIX}")

if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
  message(STATUS "dpkg-deb or dpkg-shlibdeps not installed: the Debian package is not built")
  return()
endif()
file(REMOVE_RECURSE "${PACKAGE_DIR}")
execute_process(COMMAND "${CPACK}" --config "${BUILD}/CPackConfig.cmake" -G DEB -B "${PACKAGE_DIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package "${PACKAGE_DIR}/*.deb")
if(NOT status EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack failed (${status}):\n${out}")
endif()
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --fail-on error,warning "${package}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
  # Lintian says on standard error that it runs as root, which CI does.
  if(NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian finds fault with ${package} (${status}):\n${out}${errors}")
  endif()
else()
  message(STATUS "lintian not installed: ${package} is built but not checked")
endif()
file(REMOVE_RECURSE "${PACKAGE_DIR}")
