# Writes a C++ source that holds the bytes of every listed file, found by its path below ROOT.
# Called at build time: cmake -DROOT=dir -DOUT=file.cpp -DFILES=a.png|b.png -P embed.cmake
cmake_policy(SET CMP0057 NEW)

string(REPLACE "|" ";" files "${FILES}")
set(body "")
set(table "")
set(index 0)
foreach(name IN LISTS files)
  file(READ "${ROOT}/${name}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  if(size EQUAL 0)
    message(FATAL_ERROR "Resource ${name} is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const std::uint8_t kData${index}[] = {\n    ${bytes}};\n")
  string(APPEND table "    {\"${name}\", {kData${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from the files listed in resources/CMakeLists.txt; do not edit.\n\
#include \"resources/resources.h\"\n\n\
namespace resources::detail {\n\nnamespace {\n${body}}  // namespace\n\n\
const TEntry kEntries[] = {\n${table}    {{}, {}}};\n\
const std::size_t kEntryCount = ${index};\n\n}  // namespace resources::detail\n")

# Rewriting an unchanged file would rebuild the library for nothing.
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUT}" "${content}")
