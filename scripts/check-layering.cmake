# Fails when a source file includes a header of a layer it may not depend on.
# Allowed: app -> cmdline, session, files, dialogs, widgets, stats, gui, resources; widgets -> gui, resources;
# dialogs -> gui, resources; platform -> gui; gui -> (nothing above it); stats -> nothing;
# cli (the command-line tools) -> cmdline, session, stats, files; session -> stats, files; files -> nothing.
# cmdline (the option table, parser and usage errors both programs share) -> nothing: app and cli
# both need it, and no layer below them is about command lines.
# Inside gui the parts are layered too: graphics, then controls (with host.h), then std.
# The widget set's painters (widgets/paint) see only themselves and gui/graphics.
# Script mode starts with old policies; IN_LIST below needs this one.
cmake_policy(SET CMP0057 NEW)

set(allowed_stats "stats")
set(allowed_files "files")
set(allowed_cmdline "cmdline")
set(allowed_session "session;stats;files")
set(allowed_cli "cli;cmdline;session;stats;files")
set(allowed_gui "gui")
set(allowed_resources "resources")
set(allowed_platform "platform;gui")
set(allowed_widgets "widgets;gui;resources")
set(allowed_dialogs "dialogs;gui;resources")
set(allowed_app "app;cmdline;session;files;dialogs;widgets;stats;gui;resources;platform")
set(layers stats files cmdline session cli gui resources platform widgets dialogs app)

set(errors "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[a-z]+/" top "${header}")
      string(REPLACE "/" "" top "${top}")
      if(top AND top IN_LIST layers AND NOT top IN_LIST allowed_${layer})
        file(RELATIVE_PATH rel "${ROOT}" "${source}")
        string(APPEND errors "  ${rel} includes ${header}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

# The rank of a path inside gui: graphics 0, controls and the files at gui's top 1, std 2.
function(gui_rank path out)
  if(path MATCHES "^gui/graphics/")
    set(${out} 0 PARENT_SCOPE)
  elseif(path MATCHES "^gui/std/")
    set(${out} 2 PARENT_SCOPE)
  else()
    set(${out} 1 PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE gui_sources "${ROOT}/gui/*.h" "${ROOT}/gui/*.cpp")
foreach(source IN LISTS gui_sources)
  file(RELATIVE_PATH rel "${ROOT}" "${source}")
  gui_rank("${rel}" own)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"gui/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    gui_rank("${header}" theirs)
    if(theirs GREATER own)
      string(APPEND errors "  ${rel} includes ${header}\n")
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE paint_sources "${ROOT}/widgets/paint/*.h" "${ROOT}/widgets/paint/*.cpp")
foreach(source IN LISTS paint_sources)
  file(RELATIVE_PATH rel "${ROOT}" "${source}")
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(header MATCHES "^[a-z]+/" AND NOT header MATCHES "^(widgets/paint|gui/graphics)/")
      string(APPEND errors "  ${rel} includes ${header}\n")
    endif()
  endforeach()
endforeach()

if(errors)
  message(FATAL_ERROR "Layering violated:\n${errors}")
endif()
