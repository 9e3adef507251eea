# End-to-end tests under KWin, each with its own headless kwin_wayland
# (kwin_run.sh) on a virtual output of a logical size and a scale, with
# Breeze's decorations; the window's content is found in KWin's own
# screenshots.

# kwin_input: the tests' keyboard and pointer, one device through KWin's
# org_kde_kwin_fake_input (plasma-wayland-protocols).
find_package(PlasmaWaylandProtocols REQUIRED)
set(fake_input_xml ${PLASMA_WAYLAND_PROTOCOLS_DIR}/fake-input.xml)
set(fake_input_header ${CMAKE_CURRENT_BINARY_DIR}/fake-input-client-protocol.h)
set(fake_input_code ${CMAKE_CURRENT_BINARY_DIR}/fake-input-protocol.c)
add_custom_command(OUTPUT ${fake_input_header}
  COMMAND ${E2E_WAYLAND_SCANNER} client-header ${fake_input_xml} ${fake_input_header} DEPENDS ${fake_input_xml})
add_custom_command(OUTPUT ${fake_input_code}
  COMMAND ${E2E_WAYLAND_SCANNER} private-code ${fake_input_xml} ${fake_input_code} DEPENDS ${fake_input_xml})
add_executable(kwin_input kwin_input.cpp ${fake_input_header} ${fake_input_code})
target_include_directories(kwin_input PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(kwin_input PRIVATE PkgConfig::E2E_WAYLAND)
set_target_properties(kwin_input PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

set(kwin_run ${CMAKE_CURRENT_SOURCE_DIR}/kwin_run.sh)
# At 175 % the output's logical size is cut to whole units, and only KWin's
# word on the scale it draws the picture at tells it. At 200 % Breeze's title
# bar is taller than the room the window leaves for it: KWin centres the
# taller window and its last rows lie below the output.
foreach(case IN ITEMS "1920x1080;1;exact" "1280x720;1.5;exact" "1097x617;1.75;exact" "960x540;2;cut")
  list(GET case 0 logical)
  list(GET case 1 scale)
  list(GET case 2 window)
  add_test(NAME kwin.e2e_1920x1080_scale_${scale}
    COMMAND ${kwin_run} $<TARGET_FILE:kwin_input> ${logical} ${scale} ${CMAKE_CURRENT_SOURCE_DIR}/kwin_program_e2e.sh
            $<TARGET_FILE:rasterwacht> $<TARGET_FILE:rasterwacht-render> $<TARGET_FILE:find_picture> ${metrics_1920}
            ${window})
  set_tests_properties(kwin.e2e_1920x1080_scale_${scale} PROPERTIES TIMEOUT 180)
endforeach()
add_test(NAME kwin.monitors_scale_1.5
  COMMAND ${kwin_run} $<TARGET_FILE:kwin_input> 1280x720 1.5 ${CMAKE_CURRENT_SOURCE_DIR}/wayland_monitors_scale_e2e.sh
          $<TARGET_FILE:rasterwacht> $<TARGET_FILE:json_query> 1920 1080 1.5)
set_tests_properties(kwin.monitors_scale_1.5 PROPERTIES TIMEOUT 120)
