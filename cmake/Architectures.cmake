# The Debian architectures that det4 is built, tested and packaged for, each
# with its GNU triplet (the cross toolchain's prefix and the folder of its
# libraries) and its qemu-user emulator; and DET4_ARCH, the one that this
# build's compiler makes programs for.
set(DET4_ARCHES amd64 arm64 armhf i386)
set(DET4_amd64_TRIPLET x86_64-linux-gnu)
set(DET4_amd64_QEMU qemu-x86_64)
set(DET4_arm64_TRIPLET aarch64-linux-gnu)
set(DET4_arm64_QEMU qemu-aarch64)
set(DET4_armhf_TRIPLET arm-linux-gnueabihf)
set(DET4_armhf_QEMU qemu-arm)
set(DET4_i386_TRIPLET i686-linux-gnu)
set(DET4_i386_QEMU qemu-i386)

# The compiler's target, from the multiarch folder of its libraries, not
# the running kernel: a 32-bit system may run on a 64-bit kernel. Empty
# for a target that is none of the four (or not Debian's).
set(DET4_ARCH)
if(CMAKE_CXX_LIBRARY_ARCHITECTURE MATCHES "^x86_64-")
	set(DET4_ARCH amd64)
elseif(CMAKE_CXX_LIBRARY_ARCHITECTURE MATCHES "^aarch64-")
	set(DET4_ARCH arm64)
elseif(CMAKE_CXX_LIBRARY_ARCHITECTURE MATCHES "^arm-.*gnueabihf$")
	set(DET4_ARCH armhf)
elseif(CMAKE_CXX_LIBRARY_ARCHITECTURE MATCHES "^i[3-6]86-")
	set(DET4_ARCH i386)
endif()

# For every other architecture: its cross compiler and its emulator, where
# they are installed (DET4_arm64_CXX, DET4_arm64_EMULATOR and so on).
if(NOT WIN32)
	foreach(arch IN LISTS DET4_ARCHES)
		if(NOT arch STREQUAL DET4_ARCH)
			find_program(DET4_${arch}_CXX ${DET4_${arch}_TRIPLET}-g++)
			find_program(DET4_${arch}_EMULATOR ${DET4_${arch}_QEMU})
		endif()
	endforeach()
endif()
