# The Windows program, cross-built with MinGW-w64 beside the native one: the
# 32-bit det4.exe that users get has its headers, imports and version
# checked, its .zip looked into, and the dialogue suite, the differential
# test and the console test run against it under wine64, in WoW64 mode with
# the i386 Windows DLLs of Debian's libwine:i386 (test/fetch-wine-i386.sh
# fetches them).
# Where this kernel runs no 32-bit code, the suite runs in a virtual
# machine that qemu emulates (test/vm/prepare.sh makes it).

option(DET4_WINDOWS_SUITE "Build the Windows det4.exe and run the suites against it" ON)
option(DET4_REQUIRE_WINDOWS_SUITE "Fail the configure where the Windows suite cannot run" OFF)
option(DET4_WINDOWS_IN_VM "Run the Windows suite in the emulated machine even where this kernel runs 32-bit code" OFF)

if(NOT DET4_WINDOWS_SUITE)
	return()
endif()
if(NOT DET4_ARCH MATCHES "^(amd64|i386)$")
	det4_skip_suite(windows.skipped "${DET4_REQUIRE_WINDOWS_SUITE}"
		"wine runs the 32-bit x86 det4.exe only on an x86 machine, and this is ${DET4_ARCH}")
	return()
endif()

find_program(MINGW_X86_CXX i686-w64-mingw32-g++)
find_program(MINGW_OBJDUMP NAMES i686-w64-mingw32-objdump x86_64-w64-mingw32-objdump)
find_program(WINE64 wine64 PATHS /usr/lib/wine)
find_program(WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
set(cache $ENV{HOME}/.cache)
if(DEFINED ENV{XDG_CACHE_HOME})
	set(cache $ENV{XDG_CACHE_HOME})
endif()
find_path(DET4_WINE_I386_DLLS kernel32.dll
	PATHS ${cache}/det4/wine-i386/i386-windows /usr/lib/i386-linux-gnu/wine/i386-windows NO_DEFAULT_PATH)

det4_not_found(missing MINGW_X86_CXX MINGW_OBJDUMP WINE64 WINESERVER DET4_WINE_I386_DLLS)
if(missing)
	det4_skip_suite(windows.skipped "${DET4_REQUIRE_WINDOWS_SUITE}"
		"not found: ${missing}. Install g++-mingw-w64-i686, wine and wine64 and run test/fetch-wine-i386.sh")
	return()
endif()
set(DET4_WINDOWS_BUILT ON)

set(exe ${CMAKE_CURRENT_BINARY_DIR}/windows-x86/det4.exe)
det4_preset_build(det4_windows windows-x86 ${CMAKE_CURRENT_BINARY_DIR}/windows-x86)

add_test(NAME windows.x86.exe
	COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/check_exe.sh ${MINGW_OBJDUMP} ${exe} ${PROJECT_VERSION})
add_test(NAME windows.x86.zip
	COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/package_check.sh zip
		${CMAKE_CURRENT_BINARY_DIR}/windows-x86/CPackConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/package-zip)
set_tests_properties(windows.x86.zip PROPERTIES LABELS package)

# A wine prefix takes a while to create: once per run, for every case.
set(wineprefix ${CMAKE_CURRENT_BINARY_DIR}/wineprefix)
target_compile_definitions(det4_harness PRIVATE
	DET4_WINE="${WINE64}" DET4_WINEPREFIX="${wineprefix}" DET4_WINEDLLPATH="${DET4_WINE_I386_DLLS}")
add_test(NAME windows.wineprefix
	COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/wineprefix.sh ${WINE64} ${WINESERVER} ${wineprefix} ${DET4_WINE_I386_DLLS})
set_tests_properties(windows.wineprefix PROPERTIES FIXTURES_SETUP wineprefix FIXTURES_REQUIRED locales)

add_executable(det4_windows_console windows_console_test.cpp)
target_link_libraries(det4_windows_console PRIVATE det4_harness GTest::gtest_main)

# The suites that run the Windows program: the terminal and hostile ones
# test what the POSIX layer does, which the Windows program has not.
set(suites det4_dialogue det4_differential det4_windows_console)
# An i386 system runs 32-bit code by its nature; on amd64 a probe asks.
if(DET4_ARCH STREQUAL i386)
	set(ia32_runs 0)
else()
	try_run(ia32_runs ia32_compiles ${CMAKE_CURRENT_BINARY_DIR}/ia32_probe ${CMAKE_CURRENT_SOURCE_DIR}/ia32_probe.cpp)
endif()
if(ia32_runs EQUAL 0 AND NOT DET4_WINDOWS_IN_VM)
	det4_suite(windows.x86 det4_windows ${exe} wineprefix ${suites})
	return()
endif()

find_program(QEMU qemu-system-x86_64)
find_path(DET4_VM vmlinuz PATHS ${cache}/det4/vm NO_DEFAULT_PATH)
if(NOT (QEMU AND DET4_VM))
	det4_skip_suite(windows.x86.skipped "${DET4_REQUIRE_WINDOWS_SUITE}" "this kernel runs no 32-bit code, and the \
virtual machine that runs it instead is not there. Install qemu-system-x86 and run test/vm/prepare.sh")
	return()
endif()
# One machine runs every suite, on all its processors, with one wine server
# for all. It is the longest test by far, so it starts first.
foreach(suite IN LISTS suites)
	add_dependencies(${suite} det4_windows)
endforeach()
add_test(NAME windows.x86.vm
	COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/vm/run.sh ${DET4_VM}
		env DET4=${exe} WINEPREFIX=${wineprefix} sh ${CMAKE_CURRENT_SOURCE_DIR}/wine_suite.sh ${WINESERVER}
		$<TARGET_FILE:det4_dialogue> $<TARGET_FILE:det4_differential> $<TARGET_FILE:det4_windows_console>)
set_tests_properties(windows.x86.vm PROPERTIES FIXTURES_REQUIRED wineprefix TIMEOUT 1800 COST 1000)
