# One helper registers every test program. Core tests link ktcore and GoogleTest's main;
# ui tests link ktui and a main of ours that starts a QApplication on the offscreen platform.
# Every test runs with a fixed TZ that has daylight saving time, so date rules are repeatable.
include(GoogleTest)
find_package(GTest REQUIRED)

set(KT_TEST_TZ "Europe/Berlin")

function(kt_add_test name)
  cmake_parse_arguments(KT "UI" "" "" ${ARGN})
  add_executable(${name} ${KT_UNPARSED_ARGUMENTS})
  target_compile_options(${name} PRIVATE ${KT_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(KT_UI)
    target_link_libraries(${name} PRIVATE ktui kt_ui_test_main Qt6::Test GTest::gtest GTest::gmock)
    set(env "TZ=${KT_TEST_TZ};QT_QPA_PLATFORM=offscreen;KT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  else()
    target_link_libraries(${name} PRIVATE ktcore kt_core_test_support GTest::gtest_main GTest::gmock)
    set(env "TZ=${KT_TEST_TZ};KT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  endif()
  # The environment is one property value holding several entries: keep its semicolons escaped.
  string(REPLACE ";" "\\;" env "${env}")
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${env}" DISCOVERY_TIMEOUT 60)
endfunction()
