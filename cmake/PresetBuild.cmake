# det4_preset_build(TARGET PRESET BINARY_DIR [ARG...]): builds this project
# once more, in BINARY_DIR, as the configure preset PRESET configures it
# (another architecture's toolchain, say), so that its settings live in the
# presets alone. The ARGs go on the build command: a --target, or further
# COMMANDs to run after it.
include(ExternalProject)

function(det4_preset_build target preset bin)
	ExternalProject_Add(${target}
		SOURCE_DIR ${PROJECT_SOURCE_DIR}
		BINARY_DIR ${bin}
		CONFIGURE_COMMAND ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR> --preset ${preset}
		BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> ${ARGN}
		INSTALL_COMMAND ""
		BUILD_ALWAYS ON)
endfunction()
