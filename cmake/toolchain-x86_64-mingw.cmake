# 64-bit Windows programs with the distribution's MinGW-w64; tests run under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PENDREL_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
