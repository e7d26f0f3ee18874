# Test, fuzz and benchmark helpers.
find_package(GTest REQUIRED)

# pendrel_add_test(<name> SOURCES ... LIBS ...): one GoogleTest program, one CTest entry.
function(pendrel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# pendrel_add_fuzzer(<name> SOURCES ... LIBS ... CORPUS <dir>): a libFuzzer target.
# Without PENDREL_FUZZ it is linked with a driver that replays the corpus as a test.
function(pendrel_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(PENDREL_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    add_test(NAME ${name} COMMAND ${name} -max_total_time=20 -rss_limit_mb=2048 ${F_CORPUS})
  else()
    add_executable(${name} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    add_test(NAME ${name} COMMAND ${name} ${F_CORPUS})
  endif()
endfunction()
