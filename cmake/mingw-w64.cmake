# Cross build for 64-bit Windows with Debian's mingw-w64.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model of GCC 12 lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KQ_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KQ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KQ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KQ_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KQ_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine, in the project's private prefix (scripts/wine-test starts a
# program once more only when Wine failed to start it at all).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-test)
