# The Windows program, cross-built with MinGW-w64 beside the native one:
# the 32-bit det4.exe that users get has its headers and imports checked,
# and the 64-bit one runs the dialogue suite under wine64 (32-bit wine needs
# a kernel that runs 32-bit programs).

find_program(MINGW_X86_CXX i686-w64-mingw32-g++)
find_program(MINGW_X64_CXX x86_64-w64-mingw32-g++)
find_program(MINGW_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(WINE64 wine64 PATHS /usr/lib/wine)
find_program(WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)

if(NOT (MINGW_X86_CXX AND MINGW_X64_CXX AND MINGW_OBJDUMP AND WINE64 AND WINESERVER))
	message(STATUS "Windows suite skipped: it needs g++-mingw-w64-i686, g++-mingw-w64-x86-64 and wine64")
	add_test(NAME windows.skipped COMMAND ${CMAKE_COMMAND} -E echo
		"Windows suite skipped: install g++-mingw-w64-i686, g++-mingw-w64-x86-64 and wine64 to run it")
	set_tests_properties(windows.skipped PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
	return()
endif()

include(ExternalProject)
foreach(arch x86 x64)
	ExternalProject_Add(det4_windows_${arch}
		SOURCE_DIR ${PROJECT_SOURCE_DIR}
		BINARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/windows-${arch}
		CMAKE_ARGS
			-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/windows-${arch}.cmake
			-DCMAKE_BUILD_TYPE=Release
			-DBUILD_TESTING=OFF
			-DCMAKE_CXX_FLAGS=-Werror
		INSTALL_COMMAND ""
		BUILD_ALWAYS ON)
	add_dependencies(det4_dialogue det4_windows_${arch})
	add_test(NAME windows.${arch}.exe
		COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/check_exe.sh ${MINGW_OBJDUMP}
			${CMAKE_CURRENT_BINARY_DIR}/windows-${arch}/det4.exe ${arch})
endforeach()

add_test(NAME windows.x86.zip
	COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/package_check.sh zip
		${CMAKE_CURRENT_BINARY_DIR}/windows-x86/CPackConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/package-zip)

set(wineprefix ${CMAKE_CURRENT_BINARY_DIR}/wineprefix)
target_compile_definitions(det4_harness PRIVATE DET4_WINE="${WINE64}" DET4_WINEPREFIX="${wineprefix}")

# A wine prefix takes a while to create: once per run, for every case.
add_test(NAME windows.wineprefix
	COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
		sh -c "\"$0\" wineboot --init && \"$1\" --wait" ${WINE64} ${WINESERVER})
set_tests_properties(windows.wineprefix PROPERTIES FIXTURES_SETUP wineprefix)

add_executable(det4_windows_console windows_console_test.cpp)
target_link_libraries(det4_windows_console PRIVATE det4_harness GTest::gtest_main)
add_dependencies(det4_windows_console det4_windows_x64)
gtest_discover_tests(det4_windows_console
	TEST_PREFIX windows.
	PROPERTIES
		ENVIRONMENT DET4=${CMAKE_CURRENT_BINARY_DIR}/windows-x64/det4.exe
		FIXTURES_REQUIRED wineprefix
		TIMEOUT 300)

gtest_discover_tests(det4_dialogue
	TEST_PREFIX windows.
	PROPERTIES
		ENVIRONMENT DET4=${CMAKE_CURRENT_BINARY_DIR}/windows-x64/det4.exe
		FIXTURES_REQUIRED wineprefix
		TIMEOUT 300)
