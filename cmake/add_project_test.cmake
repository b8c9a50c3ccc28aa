# terrain_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# Builds one GoogleTest program and registers each of its tests with CTest, labelled
# "unit" and LABELS.
find_package(GTest REQUIRED)
include(GoogleTest)

function(terrain_add_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE project_options GTest::gtest GTest::gtest_main ${arg_LIBS})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${name}_discovered)
  # Labels are set by a script that CTest runs after the discovery script, on the list
  # of tests it found: the discovery's own PROPERTIES argument cannot carry a list.
  list(PREPEND arg_LABELS unit)
  set(label_script "${CMAKE_CURRENT_BINARY_DIR}/${name}_labels.cmake")
  file(WRITE "${label_script}"
    "if(${name}_discovered)\n"
    "  set_tests_properties(\${${name}_discovered} PROPERTIES LABELS \"${arg_LABELS}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${label_script}")
endfunction()
