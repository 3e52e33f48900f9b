# rr_add_test(NAME name SOURCES a_test.cpp ... LIBS lib ... [WORKING_DIRECTORY dir])
# Builds one GoogleTest program into build/tests and registers each of its
# tests with CTest. Tests run headless (scripts/test sets the SDL drivers).
function(rr_add_test)
  cmake_parse_arguments(T "" "NAME;WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${RR_TEST_DIR})
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${RR_TEST_DIR})
  endif()
  # The environment goes in through env(1) as the test's launcher: a list of
  # variables in the ENVIRONMENT property does not survive test discovery.
  set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR
    "/usr/bin/env;SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy;RR_RUN_DIR=${RR_RUN_DIR};RR_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${T_WORKING_DIRECTORY}
    DISCOVERY_TIMEOUT 60)
endfunction()

# rr_add_benchmark(NAME name SOURCES ... LIBS ...): Google Benchmark programs
# in build/bench; they are not part of the test run.
function(rr_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark)
  set_target_properties(${B_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
