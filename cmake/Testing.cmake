# Test, fuzz and benchmark helpers.

if(WIN32)
  # The Windows builds compile GoogleTest from the distribution's sources with
  # their own compiler; a static copy goes into each test program.
  set(PENDREL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows builds")
  set(BUILD_SHARED_LIBS OFF)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${PENDREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# GoogleTest's headers take about two seconds to compile in every test source: they
# are precompiled once per build and shared by all test programs. A test whose flags
# differ gets the headers compiled normally.
if(NOT PENDREL_FUZZ)
  if(NOT EXISTS ${CMAKE_BINARY_DIR}/pendrel_test_pch.cpp)
    file(WRITE ${CMAKE_BINARY_DIR}/pendrel_test_pch.cpp "")
  endif()
  add_library(pendrel_test_pch STATIC ${CMAKE_BINARY_DIR}/pendrel_test_pch.cpp)
  target_link_libraries(pendrel_test_pch PRIVATE GTest::gtest GTest::gmock)
  target_precompile_headers(pendrel_test_pch PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
endif()

# Under Wine a test program takes longer to start; 32-bit programs are skipped
# (exit code 77 from cmake/wine-run.sh) where the machine cannot run them.
function(pendrel_test_properties test)
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
  endif()
endfunction()

# pendrel_add_test(<name> SOURCES ... LIBS ...): one GoogleTest program, one CTest entry.
function(pendrel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_precompile_headers(${name} REUSE_FROM pendrel_test_pch)
  pendrel_windows_executable(${name})
  add_test(NAME ${name} COMMAND ${name})
  pendrel_test_properties(${name})
endfunction()

# pendrel_add_fuzzer(<name> SOURCES ... LIBS ... CORPUS <dir>): a libFuzzer target.
# With PENDREL_FUZZ it runs PENDREL_FUZZ_SECONDS as a test, seeded from the corpus;
# what it discovers goes to a folder in the build tree, the corpus stays untouched.
# Without PENDREL_FUZZ it is linked with a driver that replays the corpus as a test.
if(PENDREL_FUZZ)
  add_custom_target(fuzzers)
endif()
function(pendrel_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  get_filename_component(corpus ${F_CORPUS} ABSOLUTE)
  if(PENDREL_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    add_dependencies(fuzzers ${name})
    set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}-found)
    file(MAKE_DIRECTORY ${found})
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=${PENDREL_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                     -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}- ${found} ${corpus})
    math(EXPR limit "${PENDREL_FUZZ_SECONDS} + 120")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${limit})
  else()
    add_executable(${name} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    pendrel_windows_executable(${name})
    add_test(NAME ${name} COMMAND ${name} ${corpus})
    pendrel_test_properties(${name})
  endif()
endfunction()

# pendrel_add_benchmark(<name> SOURCES ... LIBS ...): a Google Benchmark program,
# built natively and started by hand; not a test. Nothing in the Windows builds.
function(pendrel_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# Adds every folder below dir that has a CMakeLists.txt.
function(pendrel_add_subfolders dir)
  file(GLOB folders LIST_DIRECTORIES true ${dir}/*)
  foreach(folder ${folders})
    if(IS_DIRECTORY ${folder} AND EXISTS ${folder}/CMakeLists.txt)
      add_subdirectory(${folder})
    endif()
  endforeach()
endfunction()
