# Shared part of the MinGW-w64 toolchain files; they set PENDREL_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)

# The compilers of the posix thread model: with GCC 12 only they have std::mutex,
# std::thread and std::condition_variable (the win32 model gains them in GCC 13),
# which the support library and GoogleTest use. Their runtime needs libwinpthread-1.dll.
set(pendrel_triple ${PENDREL_MINGW_TRIPLE})
if(EXISTS /usr/bin/${pendrel_triple}-g++-posix)
  set(CMAKE_C_COMPILER ${pendrel_triple}-gcc-posix)
  set(CMAKE_CXX_COMPILER ${pendrel_triple}-g++-posix)
else()
  set(CMAKE_C_COMPILER ${pendrel_triple}-gcc)
  set(CMAKE_CXX_COMPILER ${pendrel_triple}-g++)
endif()
set(CMAKE_RC_COMPILER ${pendrel_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${pendrel_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# zlib goes into Tarnwick.dll itself (libz.a), so no zlib1.dll has to travel along.
set(ZLIB_USE_STATIC_LIBS ON)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
