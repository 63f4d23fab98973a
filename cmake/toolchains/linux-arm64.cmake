# Cross-builds for Debian's arm64 with its cross toolchain (crossbuild-essential-arm64).
set(LINUX_TRIPLET aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)
