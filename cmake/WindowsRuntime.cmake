# The MinGW runtime of the Windows builds.
#
# libstdc++ and libgcc are linked as DLLs: with one copy of the unwinder and of the
# C++ runtime per process, an exception thrown in one module is caught in another.
# The DLLs are copied next to the programs so that they run from the build folder, without
# their symbols (libstdc++ carries 20 MB of them).
add_link_options(-shared-libgcc)

# Every image keeps its sections page-aligned in the file as well as in memory. Wine then maps
# an image's pages from the file as they are touched; a MinGW image as the linker leaves it
# (512-byte file alignment) is read whole into memory instead, and the keyboard started about
# 25 ms later and 1 MB heavier that way.
set(pendrel_file_alignment 0x1000)
add_link_options(-Wl,--file-alignment,${pendrel_file_alignment})

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  set(pendrel_libgcc_dll libgcc_s_dw2-1.dll)
else()
  set(pendrel_libgcc_dll libgcc_s_seh-1.dll)
endif()

set(pendrel_runtime_dlls)
foreach(dll libstdc++-6.dll ${pendrel_libgcc_dll} libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  # The compiler answers with the bare name when it does not know the file.
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not ship ${dll}")
  endif()
  file(REAL_PATH "${dll_path}" dll_path)
  list(APPEND pendrel_runtime_dlls ${dll_path})
endforeach()

set(pendrel_copied_dlls)
foreach(dll_path ${pendrel_runtime_dlls})
  get_filename_component(dll ${dll_path} NAME)
  add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll}
                     COMMAND ${CMAKE_COMMAND} -E copy ${dll_path} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll}
                     COMMAND ${CMAKE_OBJCOPY} --strip-unneeded --file-alignment ${pendrel_file_alignment}
                             ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll}
                     DEPENDS ${dll_path}
                     COMMENT "Copying ${dll}")
  list(APPEND pendrel_copied_dlls ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
endforeach()
add_custom_target(pendrel_runtime_dlls ALL DEPENDS ${pendrel_copied_dlls})

# The 64-bit modules import the C++ runtime and our own DLLs by ordinal, through import
# libraries made from the very DLLs they load (cmake/ordinal_import_library.sh says why).
# The 32-bit build keeps its imports by name: no machine here can run it to prove its ordinals.
set(pendrel_ordinal_imports ${CMAKE_CURRENT_LIST_DIR}/ordinal_import_library.sh)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(cxx_runtime_dll ${pendrel_runtime_dlls})
  list(FILTER cxx_runtime_dll INCLUDE REGEX "/libstdc\\+\\+-6\\.dll$")
  set(PENDREL_CXX_RUNTIME_IMPORTS ${CMAKE_BINARY_DIR}/lib/libstdc++-by-ordinal.a)
  if(NOT EXISTS ${PENDREL_CXX_RUNTIME_IMPORTS} OR ${cxx_runtime_dll} IS_NEWER_THAN ${PENDREL_CXX_RUNTIME_IMPORTS}
     OR ${pendrel_ordinal_imports} IS_NEWER_THAN ${PENDREL_CXX_RUNTIME_IMPORTS})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
    execute_process(COMMAND bash ${pendrel_ordinal_imports} ${CMAKE_OBJDUMP} ${CMAKE_DLLTOOL} ${cxx_runtime_dll}
                            ${PENDREL_CXX_RUNTIME_IMPORTS}
                    RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR "Cannot make the ordinal import library of ${cxx_runtime_dll}")
    endif()
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${cxx_runtime_dll} ${pendrel_ordinal_imports})
endif()

# Replaces the import library that the linker wrote for a DLL of ours with one by ordinal.
# It is made again at every link of the DLL, whose ordinals follow its sorted export names,
# and every module linked against it is linked again then.
function(pendrel_import_by_ordinal target)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND bash ${pendrel_ordinal_imports} ${CMAKE_OBJDUMP} ${CMAKE_DLLTOOL}
                               $<TARGET_FILE:${target}> $<TARGET_LINKER_FILE:${target}>
                       VERBATIM)
  endif()
endfunction()
