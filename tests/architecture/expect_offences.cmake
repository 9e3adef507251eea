# Runs the include check over the planted tree and requires exactly its
# offences, each named with its file: nothing more, nothing less.
execute_process(
  COMMAND ${CMAKE_COMMAND} -DTABLE=${TABLE} -DSOURCE_DIR=${SOURCE_DIR} -P ${SCRIPT}
  RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE stdout)
if(result EQUAL 0)
  message(FATAL_ERROR "the planted tree passed the check")
endif()
set(expected
  "app/into_tests.cpp: \"tests/drawing/surface_fixture.h\" is in no room"
  "platform/loose.cpp lies in no room"
  "platform/raster/native.cpp: <X11/Xlib.h> is native to platform/x11, which alone may include it"
  "platform/raster/upward.cpp: \"platform/window/window.h\" belongs to platform/window, and platform/raster may include platform/base\n"
  "platform/stray/loose.h lies in no room"
  "platform/x11/callback.cpp: \"platform/display/desktops.h\" belongs to platform/display, and platform/x11 may include platform/base"
  "Includes against the rooms' directions: 6.")
foreach(line IN LISTS expected)
  string(FIND "${output}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the check's report: ${line}\nreport:\n${output}")
  endif()
endforeach()
