# Cross-builds the 32-bit x86 Windows DLLs (and the Windows test host) with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TERRAIN_MINGW_PREFIX i686-w64-mingw32)
# The posix thread model: its libstdc++ is the one Debian builds with std::thread support.
set(CMAKE_CXX_COMPILER ${TERRAIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_C_COMPILER ${TERRAIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_RC_COMPILER ${TERRAIN_MINGW_PREFIX}-windres)
set(CMAKE_AR ${TERRAIN_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TERRAIN_MINGW_PREFIX}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TERRAIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# SSE2 arithmetic instead of x87: x87 keeps 80-bit intermediates, which would make
# float results differ from the native x86-64 build of the same source.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")

# The host loads our DLLs on their own: libgcc, libstdc++ and winpthread are linked
# in statically so that only system DLLs are imported.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
