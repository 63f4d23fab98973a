# Cross-builds for another Debian architecture with its cross toolchain;
# LINUX_TRIPLET and CMAKE_SYSTEM_PROCESSOR are set by the per-architecture
# files beside this one. The programs built run here under qemu-user, with
# the cross toolchain's libraries as their root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${LINUX_TRIPLET}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${LINUX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
