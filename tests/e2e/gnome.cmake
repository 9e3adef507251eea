# End-to-end tests under mutter and GNOME Shell.

# find_picture SHOT REFERENCE: where a picture lies in a screenshot, pixel for
# pixel. The KWin tests use it too; it lives here until they do.
add_executable(find_picture find_picture.cpp)
target_link_libraries(find_picture PRIVATE Qt6::Gui)
set_target_properties(find_picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

set(gnome_run ${CMAKE_CURRENT_SOURCE_DIR}/gnome_run.sh)
add_test(NAME gnome.harness_mutter_1920x1080_scale_1
  COMMAND ${gnome_run} mutter 1920x1080 1 integer ${CMAKE_CURRENT_SOURCE_DIR}/gnome_smoke_e2e.sh
          $<TARGET_FILE:rasterwacht> $<TARGET_FILE:rasterwacht-render> $<TARGET_FILE:find_picture> 1920 1080 1)
set_tests_properties(gnome.harness_mutter_1920x1080_scale_1 PROPERTIES TIMEOUT 120)
