# 32-bit Windows build, what users on 32-bit Windows run. 32-bit Wine is not
# available on the build machines, so this build is compiled but not run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KORVEX_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
