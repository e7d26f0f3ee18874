# Where the portable code and the Windows code part: a source file that needs Windows ends
# in _win32.cpp, the one that stands in for it elsewhere in _posix.cpp, and every other
# file is portable. (support/win32, runtime and the programs are Windows code throughout.)

# pendrel_platform_sources(<target> <dir>): every source of dir, for this build's platform.
function(pendrel_platform_sources target dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_(win32|posix)\\.cpp$")
  if(WIN32)
    file(GLOB platform_sources CONFIGURE_DEPENDS ${dir}/*_win32.cpp)
  else()
    file(GLOB platform_sources CONFIGURE_DEPENDS ${dir}/*_posix.cpp)
  endif()
  target_sources(${target} PRIVATE ${sources} ${platform_sources})
endfunction()
