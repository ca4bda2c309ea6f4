# Cross-building for 64-bit Windows with Debian's mingw-w64 (the posix
# threads flavour, which std::thread and std::mutex need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MIKAWASE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MIKAWASE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIKAWASE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MIKAWASE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MIKAWASE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries (libgcc, libstdc++, winpthread) are linked in, so
# that the programs need no DLL beyond those every Windows has. The build
# ID gives the compiled-dictionary cache a way to tell two builds apart.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--build-id")

# Tests run under wine, through a wrapper that keeps wine's own prefix in
# the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/windows/wine-run.sh)
