# One helper registers every test program. Core tests link ktcore and GoogleTest's main;
# ui tests link ktui and a main of ours that starts a QApplication on the offscreen platform.
# Every test runs with a fixed TZ that has daylight saving time, so date rules are repeatable,
# and with a time limit, so a hung dialog fails its test instead of the whole run. Included only
# when the tests are built: GoogleTest and Qt Test are needed for nothing else.
include(GoogleTest)
find_package(GTest REQUIRED)

set(KT_TEST_TZ "Europe/Berlin")
set(KT_TEST_TIMEOUT 60)

function(kt_add_test name)
  cmake_parse_arguments(KT "UI" "" "" ${ARGN})
  add_executable(${name} ${KT_UNPARSED_ARGUMENTS})
  target_compile_options(${name} PRIVATE ${KT_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(KT_UI)
    target_link_libraries(${name} PRIVATE ktui kt_ui_test_main Qt6::Test GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ktcore kt_core_test_support GTest::gtest_main GTest::gmock)
  endif()
  # One variable only: the discovered tests' properties cannot carry a list. The test data and
  # cache folders are compiled into the test support, and the ui tests' main chooses the
  # offscreen platform itself.
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "TZ=${KT_TEST_TZ}" TIMEOUT ${KT_TEST_TIMEOUT} DISCOVERY_TIMEOUT 60)
endfunction()
