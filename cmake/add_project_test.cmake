# terrain_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# Builds one GoogleTest program and registers each of its tests with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

function(terrain_add_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE project_options GTest::gtest GTest::gtest_main ${arg_LIBS})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    PROPERTIES LABELS "unit;${arg_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()
