# The layers of the code: each folder with the folders it stands on. A folder
# may include and call its own files and those of the folders below it, and
# nothing above. The one table serves both checks: the build makes each
# folder a library that links only the folders it stands on (and links each
# library alone as well, so that a call upward fails to link), and
# the layers test (CheckLayers.cmake) checks every include against it.
#
#   base <- platform <- form <- services, shortcuts <- app
#   platform <- platform/win32 <- app/win32/accessibility
#   form, platform/win32, res <- app/win32/drawing
#   app, app/win32/accessibility <- app/win32/reader_models
#   app/win32/drawing, app/win32/reader_models <- app/win32/controls
#   app/win32/controls <- app/win32 (the main window)
set(SPEEDRAIL_LAYERS
  "base:"
  "platform:base"
  "form:platform"
  "services:form"
  "shortcuts:form"
  "app:services,shortcuts"
  "platform/win32:platform"
  "app/win32/accessibility:platform/win32"
  "app/win32/drawing:form,platform/win32,res"
  "app/win32/reader_models:app,app/win32/accessibility"
  "app/win32/controls:app/win32/drawing,app/win32/reader_models"
  "app/win32:app/win32/controls")
# The portable core: standard C++ only, no system header.
set(SPEEDRAIL_CORE_LAYERS base platform form services shortcuts app)

# speedrail_layer_below_<folder>: the folders <folder> stands on, directly;
# SPEEDRAIL_WIN32_LAYERS: the Windows-only folders, in the table's order,
# which puts each after the folders it stands on.
set(SPEEDRAIL_WIN32_LAYERS "")
foreach(entry ${SPEEDRAIL_LAYERS})
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 folder)
  if(NOT folder IN_LIST SPEEDRAIL_CORE_LAYERS)
    list(APPEND SPEEDRAIL_WIN32_LAYERS ${folder})
  endif()
  list(LENGTH parts count)
  set(below "")
  if(count GREATER 1)
    list(GET parts 1 below)
    string(REPLACE "," ";" below "${below}")
  endif()
  string(REPLACE "/" "_" key "${folder}")
  set(speedrail_layer_below_${key} ${below})
endforeach()

# The library a folder builds into: speedrail_app_win32 for app/win32.
function(speedrail_layer_target folder out)
  string(REPLACE "/" "_" key "${folder}")
  set(${out} speedrail_${key} PARENT_SCOPE)
endfunction()
