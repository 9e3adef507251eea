# End-to-end tests under KWin.

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

# kwin_run.sh starts kwin_wayland on a virtual output of a logical size and
# a scale; the tests find the window's content in KWin's screenshots.
set(kwin_run ${CMAKE_CURRENT_SOURCE_DIR}/kwin_run.sh)
add_test(NAME kwin.harness_1920x1080_scale_1
  COMMAND ${kwin_run} $<TARGET_FILE:kwin_input> 1920x1080 1 ${CMAKE_CURRENT_SOURCE_DIR}/kwin_smoke_e2e.sh
          $<TARGET_FILE:rasterwacht> $<TARGET_FILE:rasterwacht-render> $<TARGET_FILE:find_picture> ${metrics_1920})
set_tests_properties(kwin.harness_1920x1080_scale_1 PROPERTIES TIMEOUT 120)
