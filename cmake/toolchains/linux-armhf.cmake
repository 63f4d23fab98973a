# Cross-builds for Debian's armhf with its cross toolchain (crossbuild-essential-armhf).
set(LINUX_TRIPLET arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
include(${CMAKE_CURRENT_LIST_DIR}/linux.cmake)
