# det4 for every other Debian architecture, cross-built with Debian's cross
# toolchain (crossbuild-essential-ARCH) and its preset, and run here under
# qemu-user with the toolchain's libraries as its root: the pipe dialogue
# suite, the hostile suite, the differential test and the terminal suite,
# each test named after its architecture.

option(DET4_CROSS_SUITES "Run the suites against det4 for the other Debian architectures" ON)
option(DET4_REQUIRE_CROSS_SUITES "Fail the configure where another architecture's suite cannot run" OFF)
if(NOT DET4_CROSS_SUITES)
	return()
endif()

foreach(arch IN LISTS DET4_ARCHES)
	if(arch STREQUAL DET4_ARCH)
		continue()
	endif()
	set(triplet ${DET4_${arch}_TRIPLET})
	det4_not_found(missing DET4_${arch}_CXX DET4_${arch}_EMULATOR)
	if(missing)
		det4_skip_suite(${arch}.skipped "${DET4_REQUIRE_CROSS_SUITES}"
			"not found: ${missing}. Install crossbuild-essential-${arch} and qemu-user")
		continue()
	endif()

	set(bin ${CMAKE_CURRENT_BINARY_DIR}/linux-${arch})
	det4_preset_build(det4_${arch} linux-${arch} ${bin} --target det4)

	# The tests run a program by its path, so each architecture's det4 is
	# a script that starts it under its emulator.
	set(run ${bin}.sh)
	file(WRITE ${run} "#!/bin/sh\n# det4 for ${arch}, under qemu-user\n"
		"exec '${DET4_${arch}_EMULATOR}' -L '/usr/${triplet}' '${bin}/det4' \"$@\"\n")
	file(CHMOD ${run} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
	det4_suite(${arch} det4_${arch} ${run} locales ${program_suites})
endforeach()
