# Under LVTRIV_SANITIZE (make test-asan) every test runs with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer, and any report fails it.
set(LVTRIV_SANITIZER_ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1" "UBSAN_OPTIONS=print_stacktrace=1")

# The test of the real web engine (tst_webengine) runs with these on top, for
# reports that are wholly Qt WebEngine's:
# - new_delete_type_mismatch=0, before Qt 6.8: Qt WebEngine 6.4 deletes one
#   of Chromium's objects in its page's destructor through a pointer to a
#   smaller type; every frame of that report is in libQt6WebEngineCore.
#   6.8.2 reports nothing there.
# - the leaks that tests/sanitizers/lsan.supp lists, each with its library and
#   why. LeakSanitizer matches a suppression against every frame that it
#   keeps, and lvtriv's code runs in the engine's callbacks, so a leak's stack
#   keeps only the allocator and its caller (malloc_context_size=2): a library
#   entry then matches only memory that the library allocated itself. Raise it
#   to see whole stacks while debugging.
set(web_engine_asan_options "malloc_context_size=2")
if(Qt6_VERSION VERSION_LESS 6.8)
  string(PREPEND web_engine_asan_options "new_delete_type_mismatch=0:")
endif()
set(LVTRIV_WEB_ENGINE_SANITIZER_ENVIRONMENT
  "ASAN_OPTIONS=string_append::${web_engine_asan_options}"
  "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")

# lvtriv_sanitized_test(name): test `name` runs under the sanitizers' settings
# in a sanitizer build.
function(lvtriv_sanitized_test name)
  if(LVTRIV_SANITIZE)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ${LVTRIV_SANITIZER_ENVIRONMENT})
  endif()
endfunction()

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
  lvtriv_sanitized_test(${test})
endfunction()
