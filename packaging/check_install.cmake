# Installs the build BUILD into PREFIX and checks the result: the programs run, the menu entry
# is valid for desktop-file-validate (when VALIDATE names it), and the icon and fonts that the
# source tree holds were installed where desktops and the program look for them.

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

set(entry "${PREFIX}/share/applications/spintrak.desktop")
require(share/applications/spintrak.desktop)
if(VALIDATE AND EXISTS "${entry}")
  execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out)
    string(APPEND problems "  desktop-file-validate: ${out}\n")
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
