# 32-bit Windows programs with the distribution's MinGW-w64; tests run under 32-bit Wine
# where the machine can execute it (cmake/wine-run.sh skips them elsewhere).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PENDREL_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
