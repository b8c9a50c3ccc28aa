# Compiler flags shared by every target of the project.

# Every target links this interface library for warnings and sanitizer flags.
add_library(project_options INTERFACE)

target_compile_options(project_options INTERFACE -Wall -Wextra)
if(TERRAIN_WARNINGS_AS_ERRORS)
  target_compile_options(project_options INTERFACE -Werror)
endif()

if(TERRAIN_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

if(TERRAIN_FUZZ)
  # Coverage instrumentation and sanitizers for all code; the fuzz targets add the
  # libFuzzer main themselves.
  target_compile_options(project_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

target_include_directories(project_options INTERFACE "${PROJECT_SOURCE_DIR}")
