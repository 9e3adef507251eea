# End-to-end tests under mutter and GNOME Shell, each with its own headless
# session (gnome_run.sh): a virtual monitor, exact screenshots and input
# through a remote-desktop session.

# find_picture SHOT REFERENCE: where a picture lies in a screenshot, pixel for
# pixel; the KWin tests use it too.
add_executable(find_picture find_picture.cpp)
target_link_libraries(find_picture PRIVATE Qt6::Gui)
set_target_properties(find_picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

set(gnome_run ${CMAKE_CURRENT_SOURCE_DIR}/gnome_run.sh)
set(gnome_program ${CMAKE_CURRENT_SOURCE_DIR}/gnome_program_e2e.sh
    $<TARGET_FILE:rasterwacht> $<TARGET_FILE:rasterwacht-render> $<TARGET_FILE:find_picture>)

# The window and full screen at the scales GNOME offers. Integer scaling
# (GNOME's default) lays the desktop out in device pixels; fractional
# scaling (scale-monitor-framebuffer) draws no frames of its own, so the
# window gets the box and full screen is the exact test. At 300 % Qt's title
# bar, and under GNOME Shell its top bar, push the picture's last rows
# beyond the monitor's edge.
foreach(case IN ITEMS "mutter;1920x1080;1;integer;exact" "mutter;1920x1080;2;integer;exact"
                      "mutter;3840x2160;3;integer;cut-24-3"
                      "mutter;1920x1080;1.25;fractional;box" "mutter;1920x1080;1.5;fractional;box"
                      "mutter;1920x1080;2;fractional;exact"
                      "gnome-shell;1920x1080;2;integer;cut-58-0" "gnome-shell;1920x1080;1.25;fractional;box-only")
  list(GET case 0 compositor)
  list(GET case 1 mode)
  list(GET case 2 scale)
  list(GET case 3 scaling)
  list(GET case 4 window)
  string(REPLACE "x" ";" size ${mode})
  list(GET size 0 w)
  list(GET size 1 h)
  if(w EQUAL 1920)
    set(metrics "1920*1080, Ratio: 16:9, Farbtiefe:32 Bit")
  else()
    set(metrics "${w}*${h}, Ratio: 16:9, Farbtiefe:32 Bit")
  endif()
  set(name gnome.${compositor}_${mode}_${scaling}_${scale})
  add_test(NAME ${name} COMMAND ${gnome_run} ${compositor} ${mode} ${scale} ${scaling} ${gnome_program}
                                ${w} ${h} ${metrics} ${window})
  set_tests_properties(${name} PROPERTIES TIMEOUT 180)
endforeach()

# Twenty starts in a row, each judging the scale afresh.
foreach(case IN ITEMS "1;integer;window;exact" "1;integer;full-screen;exact"
                      "1.25;fractional;window;box" "1.25;fractional;full-screen;exact")
  list(GET case 0 scale)
  list(GET case 1 scaling)
  list(GET case 2 mode)
  list(GET case 3 expect)
  set(name gnome.startup_20_times_mutter_${scaling}_${scale}_${mode})
  add_test(NAME ${name}
    COMMAND ${gnome_run} mutter 1920x1080 ${scale} ${scaling} ${CMAKE_CURRENT_SOURCE_DIR}/gnome_startup_e2e.sh
            $<TARGET_FILE:rasterwacht> $<TARGET_FILE:rasterwacht-render> $<TARGET_FILE:find_picture>
            1920 1080 20 ${mode} ${expect})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endforeach()

# --monitors: the scale as mutter means it, also its 175 %, which is
# 1920 / 1104.
foreach(case IN ITEMS "2;integer;2" "1.25;fractional;1.25" "1.75;fractional;1.73913")
  list(GET case 0 scale)
  list(GET case 1 scaling)
  list(GET case 2 want)
  add_test(NAME gnome.monitors_mutter_${scaling}_${scale}
    COMMAND ${gnome_run} mutter 1920x1080 ${scale} ${scaling} ${CMAKE_CURRENT_SOURCE_DIR}/wayland_monitors_scale_e2e.sh
            $<TARGET_FILE:rasterwacht> $<TARGET_FILE:json_query> 1920 1080 ${want})
  set_tests_properties(gnome.monitors_mutter_${scaling}_${scale} PROPERTIES TIMEOUT 120)
endforeach()
