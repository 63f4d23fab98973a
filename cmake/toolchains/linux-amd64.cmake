# Cross-builds for Debian's amd64 with its cross toolchain (crossbuild-essential-amd64).
set(LINUX_TRIPLET x86_64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)
