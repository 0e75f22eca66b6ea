# lvtriv_add_test(name source...): one QtTest executable registered with CTest.
# Every test runs headless on the offscreen platform, on a 1600 x 1200 screen,
# with a runtime folder of its own.
function(lvtriv_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE lvtriv_testsupport lvtriv_warnings)
  add_test(NAME ${name} COMMAND ${name})
  lvtriv_test_environment(${name})
endfunction()

# lvtriv_test_environment(test [VARIABLE=value...]): the offscreen platform and a
# runtime folder of the test's own, and any further variables given.
function(lvtriv_test_environment test)
  set(runtime "${CMAKE_CURRENT_BINARY_DIR}/runtime-${test}")
  file(MAKE_DIRECTORY "${runtime}")
  file(CHMOD "${runtime}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(environment "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/offscreen-screen.json"
      XDG_RUNTIME_DIR=${runtime} LC_ALL=C.UTF-8 ${ARGN})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 120)
endfunction()
