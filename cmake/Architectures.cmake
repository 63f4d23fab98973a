# The Debian architectures that det4 is built, tested and packaged for, each
# with its GNU triplet (the cross toolchain's prefix and the folder of its
# libraries) and its qemu-user emulator.
set(DET4_ARCHES amd64 arm64 armhf i386)
set(DET4_amd64_TRIPLET x86_64-linux-gnu)
set(DET4_amd64_QEMU qemu-x86_64)
set(DET4_arm64_TRIPLET aarch64-linux-gnu)
set(DET4_arm64_QEMU qemu-aarch64)
set(DET4_armhf_TRIPLET arm-linux-gnueabihf)
set(DET4_armhf_QEMU qemu-arm)
set(DET4_i386_TRIPLET i686-linux-gnu)
set(DET4_i386_QEMU qemu-i386)

# The Debian architecture of a processor, as CMake names it.
function(det4_debian_arch processor out)
	if(processor MATCHES "^(x86_64|AMD64|amd64)$")
		set(arch amd64)
	elseif(processor MATCHES "^(aarch64|arm64)$")
		set(arch arm64)
	elseif(processor MATCHES "^arm")
		set(arch armhf)
	elseif(processor MATCHES "^(i.86|x86)$")
		set(arch i386)
	else()
		set(arch unknown)
	endif()
	set(${out} ${arch} PARENT_SCOPE)
endfunction()

det4_debian_arch("${CMAKE_HOST_SYSTEM_PROCESSOR}" DET4_HOST_ARCH)
det4_debian_arch("${CMAKE_SYSTEM_PROCESSOR}" DET4_ARCH)
