# Programs: every Windows executable embeds cmake/app.manifest (UTF-8 process
# code page, common controls 6), test programs included.

if(WIN32)
  add_library(pendrel_manifest OBJECT ${CMAKE_CURRENT_LIST_DIR}/app.rc)
  target_include_directories(pendrel_manifest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/app.rc PROPERTIES
                              OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/app.manifest)
endif()

# All programs, without the tests: what scripts/run.sh builds.
add_custom_target(programs)

# Gives an executable target the manifest and the runtime DLLs it needs to start.
function(pendrel_windows_executable target)
  if(WIN32)
    target_link_libraries(${target} PRIVATE pendrel_manifest)
    add_dependencies(${target} pendrel_runtime_dlls)
  endif()
endfunction()

# pendrel_add_program(<name> [WIN32] SOURCES ... LIBS ...): an application; WIN32
# makes it a GUI program (WinMain, no console).
function(pendrel_add_program name)
  cmake_parse_arguments(P "WIN32" "" "SOURCES;LIBS" ${ARGN})
  if(P_WIN32)
    add_executable(${name} WIN32 ${P_SOURCES})
  else()
    add_executable(${name} ${P_SOURCES})
  endif()
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  pendrel_windows_executable(${name})
  add_dependencies(programs ${name})
endfunction()
