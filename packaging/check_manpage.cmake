# Checks the manual page PAGE (roff source) of the program PROGRAM:
#  - it formats without a warning (when GROFF names groff);
#  - when HELP is true, every option PROGRAM's --help shows has an entry under OPTIONS (or the
#    section OPTIONS_HEADING names, in a translated page), and every entry there is an option
#    --help shows, so the page follows the program as it changes.
# A program without --help is only formatted: its arguments are not its own to describe yet.

cmake_minimum_required(VERSION 3.25)

file(READ "${PAGE}" page)

if(GROFF)
  # -k: the page is UTF-8, as man-db reads it.
  execute_process(COMMAND "${GROFF}" -k -man -Tutf8 -ww -z "${PAGE}"
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR warnings)
    message(FATAL_ERROR "${PAGE} does not format cleanly (${status}):\n${warnings}")
  endif()
endif()

if(NOT HELP)
  return()
endif()

# Appends to the list `out` the option names in `text`: words of one or two dashes and a name,
# at the start or after a blank, a comma or a quote, as in "-f, --format=FORMAT" or ".BR -f".
function(append_options out text)
  string(REGEX MATCHALL "(^|[ ,\"])--?[A-Za-z0-9][A-Za-z0-9-]*" found "${text}")
  list(TRANSFORM found REPLACE "^[ ,\"]" "")
  set(${out} ${${out}} ${found} PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${PROGRAM}" --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status}): ${errors}")
endif()

# Options as a help text lists them: an indented line that starts with a dash, its names before
# the first gap of two blanks, as in "  -f, --format=FORMAT  text..." or "  -h,--help  Print...".
set(shown "")
string(REPLACE ";" "," help "${help}")
string(REPLACE "\n" ";" help_lines "${help}")
foreach(line IN LISTS help_lines)
  if(NOT line MATCHES "^[ \t]+(-[^ \t].*)$")
    continue()
  endif()
  string(REGEX REPLACE "(  |\t).*" "" names "${CMAKE_MATCH_1}")
  append_options(shown "${names}")
endforeach()
list(REMOVE_DUPLICATES shown)
if(NOT shown)
  message(FATAL_ERROR "${PROGRAM} --help shows no option; is its layout one this check reads?")
endif()

# The entries of the OPTIONS section: the line after each .TP, with roff's escapes for the
# minus sign and fonts taken out.
if(NOT OPTIONS_HEADING)
  set(OPTIONS_HEADING OPTIONS)
endif()
if(NOT page MATCHES "\n\\.SH ${OPTIONS_HEADING}\n(.*)")
  message(FATAL_ERROR "${PAGE} has no ${OPTIONS_HEADING} section")
endif()
string(REGEX REPLACE "\n\\.SH .*" "" options "${CMAKE_MATCH_1}")
string(REPLACE ";" "," options "${options}")
string(REPLACE "\n" ";" option_lines "${options}")
set(documented "")
set(heading FALSE)
foreach(line IN LISTS option_lines)
  if(heading)
    string(REPLACE "\\-" "-" line "${line}")
    string(REGEX REPLACE "\\\\f[BIRP]" "" line "${line}")
    append_options(documented "${line}")
  endif()
  set(heading FALSE)
  if(line STREQUAL ".TP")
    set(heading TRUE)
  endif()
endforeach()

set(missing "")
foreach(option IN LISTS shown)
  if(NOT option IN_LIST documented)
    list(APPEND missing "${option}")
  endif()
endforeach()
set(stale "")
foreach(option IN LISTS documented)
  if(NOT option IN_LIST shown)
    list(APPEND stale "${option}")
  endif()
endforeach()

set(problems "")
if(missing)
  list(JOIN missing " " missing)
  string(APPEND problems "  options of --help without an entry under OPTIONS: ${missing}\n")
endif()
if(stale)
  list(JOIN stale " " stale)
  string(APPEND problems "  entries under OPTIONS that --help does not show: ${stale}\n")
endif()
if(problems)
  message(FATAL_ERROR "${PAGE} and ${PROGRAM} --help disagree:\n${problems}")
endif()
