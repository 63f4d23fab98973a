# At cpack time: the .deb's dependencies, read off the program DET4_PROGRAM
# as dpkg-shlibdeps would read them, for any architecture (dpkg-shlibdeps
# itself knows only the libraries of this machine's own). The program may
# need the C library and its dynamic loader (libc6) and, where the compiler
# calls on it, libgcc_s (libgcc-s1); each at the highest symbol version that
# the program asks of it.
find_program(READELF readelf REQUIRED)
execute_process(COMMAND ${READELF} --dynamic --version-info --wide ${DET4_PROGRAM}
	OUTPUT_VARIABLE elf COMMAND_ERROR_IS_FATAL ANY)

# The highest version of `prefix` (GLIBC_, GCC_) that the program asks for.
function(highest prefix out)
	string(REGEX MATCHALL "${prefix}[0-9]+(\\.[0-9]+)+" versions "${elf}")
	set(top 0)
	foreach(v IN LISTS versions)
		string(REPLACE "${prefix}" "" v ${v})
		if(v VERSION_GREATER top)
			set(top ${v})
		endif()
	endforeach()
	set(${out} ${top} PARENT_SCOPE)
endfunction()

highest(GLIBC_ glibc)
set(depends "libc6 (>= ${glibc})")
string(REGEX MATCHALL "Shared library: \\[[^]]*\\]" needed "${elf}")
foreach(library IN LISTS needed)
	if(library MATCHES "\\[libgcc_s\\.so\\.1\\]")
		highest(GCC_ gcc)
		string(APPEND depends ", libgcc-s1 (>= ${gcc})")
	elseif(NOT library MATCHES "\\[(libc\\.so\\.6|ld-linux[-a-z0-9_.]*\\.so\\.[0-9])\\]")
		message(FATAL_ERROR "${DET4_PROGRAM} needs a library that no dependency names: ${library}")
	endif()
endforeach()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
