# Rooms: every folder of the program's sources is one room, built as one
# target. A room lists the rooms it may use; it links exactly those, and the
# build refuses an include of any other room's header (check_includes.cmake).

# rw_room(<target> [STATIC|EXECUTABLE] USES <room targets>... [LIBS <libraries>...]
#         [PRIVATE_LIBS <libraries>...] [EXCLUDE <files>...] [NATIVE <header prefixes>...])
#
# Makes <target> from the *.cpp of the current folder (without EXCLUDE) and
# records the folder as its room. USES names the rooms whose headers its
# sources include; LIBS and PRIVATE_LIBS are other libraries (Qt, X11). NATIVE
# claims system headers for this room alone: no other room may include a
# header that starts with one of these prefixes ("X11/" for <X11/Xlib.h>).
function(rw_room target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "STATIC;EXECUTABLE" "" "USES;LIBS;PRIVATE_LIBS;EXCLUDE;NATIVE")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  if(arg_EXECUTABLE)
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${arg_USES} ${arg_LIBS} ${arg_PRIVATE_LIBS})
  elseif(sources)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC ${arg_USES} ${arg_LIBS} PRIVATE ${arg_PRIVATE_LIBS})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${arg_USES} ${arg_LIBS})
  endif()
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY RW_ROOM_TARGETS ${target})
  set_property(TARGET ${target} PROPERTY RW_ROOM_FOLDER ${folder})
  set_property(TARGET ${target} PROPERTY RW_ROOM_USES ${arg_USES})
  set_property(TARGET ${target} PROPERTY RW_ROOM_NATIVE ${arg_NATIVE})
endfunction()

# Writes the table of rooms, build/include_directions.txt, one line per room:
# "<folder>|<folders it may include, comma-separated>|<native prefixes>", and
# checks every include of the sources against it whenever a source changes.
function(rw_check_include_directions)
  get_property(targets GLOBAL PROPERTY RW_ROOM_TARGETS)
  set(table "")
  set(sources "")
  foreach(target IN LISTS targets)
    get_target_property(folder ${target} RW_ROOM_FOLDER)
    get_property(uses TARGET ${target} PROPERTY RW_ROOM_USES)
    get_property(native TARGET ${target} PROPERTY RW_ROOM_NATIVE)
    set(used_folders "")
    foreach(used IN LISTS uses)
      get_property(is_room TARGET ${used} PROPERTY RW_ROOM_FOLDER SET)
      if(NOT is_room)
        message(FATAL_ERROR "Room ${folder} uses ${used}, which is no room: name other libraries in LIBS")
      endif()
      get_target_property(used_folder ${used} RW_ROOM_FOLDER)
      list(APPEND used_folders ${used_folder})
    endforeach()
    list(JOIN used_folders "," used_text)
    if(native)
      list(JOIN native "," native_text)
    else()
      set(native_text "")
    endif()
    string(APPEND table "${folder}|${used_text}|${native_text}\n")
    file(GLOB_RECURSE room_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${room_sources})
  endforeach()
  set(table_file ${CMAKE_BINARY_DIR}/include_directions.txt)
  file(CONFIGURE OUTPUT ${table_file} CONTENT "${table}")
  set_property(GLOBAL PROPERTY RW_INCLUDE_DIRECTIONS ${table_file})

  set(script ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake)
  set(stamp ${CMAKE_BINARY_DIR}/include_directions.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DTABLE=${table_file} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${script}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${script} ${table_file} ${sources}
    COMMENT "Checking the include directions between the rooms"
    VERBATIM)
  add_custom_target(include_directions ALL DEPENDS ${stamp})
endfunction()
