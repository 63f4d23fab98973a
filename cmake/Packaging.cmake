# What det4 ships beside the program: the licence, the manual pages and,
# for Debian, the changelog and the copyright file; and cpack's .deb (on
# Linux) and .zip (on Windows). Everything is stamped with
# DET4_SOURCE_DATE_EPOCH, so that two builds of a commit give the same
# packages.

set(DET4_CONTACT "det4 maintainers <maintainers@users.noreply.c-seed-a44c258a.example>")

if(WIN32)
	# A Windows user unpacks det4.exe with its README and licence beside it.
	install(TARGETS det4 RUNTIME DESTINATION .)
	install(FILES README.md LICENSE DESTINATION .)
else()
	install(TARGETS det4 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

	file(STRINGS packaging/changelog latest LIMIT_COUNT 1)
	if(NOT latest MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
		message(FATAL_ERROR "packaging/changelog: the latest entry is not version ${PROJECT_VERSION}: ${latest}")
	endif()

	# The copyright file in Debian's machine-readable form, its licence
	# text taken from LICENSE, each line indented and each empty line a dot.
	file(READ LICENSE license)
	string(FIND "${license}" "Permission is hereby granted" grant_at)
	string(SUBSTRING "${license}" ${grant_at} -1 grant)
	string(STRIP "${grant}" grant)
	string(REPLACE "\n\n" "\n.\n" grant "${grant}")
	string(REPLACE "\n" "\n " DET4_LICENSE_TEXT " ${grant}")

	set(doc ${PROJECT_BINARY_DIR}/doc)
	configure_file(packaging/copyright.in ${doc}/copyright @ONLY)
	configure_file(packaging/changelog ${doc}/changelog COPYONLY)
	configure_file(man/det4.1.in ${doc}/man1/det4.1 @ONLY)
	configure_file(man/zh_CN/det4.1.in ${doc}/zh_CN/man1/det4.1 @ONLY)
	# Compressed as Debian has them: gzip -9n keeps no name and no time.
	find_program(GZIP gzip REQUIRED)
	execute_process(COMMAND ${GZIP} -9nkf ${doc}/changelog ${doc}/man1/det4.1 ${doc}/zh_CN/man1/det4.1
		COMMAND_ERROR_IS_FATAL ANY)

	install(FILES ${doc}/man1/det4.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
	install(FILES ${doc}/zh_CN/man1/det4.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)
	install(FILES ${doc}/copyright ${doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_CONTACT ${DET4_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
	"det4 asks for a 4x4 matrix of integers row by row, in Chinese, and writes"
	"its determinant. The arithmetic is 32-bit and wraps modulo 2^32, so the"
	"result is exact whenever the determinant fits in 32 bits. At a terminal"
	"det4 then waits for a key, as the Windows console program that it is a"
	"build of does.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(WIN32)
	set(CPACK_GENERATOR ZIP)
else()
	set(CPACK_GENERATOR DEB)
	set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
	set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
	set(CPACK_DEBIAN_PACKAGE_SECTION math)
	if(DET4_ARCH)
		set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${DET4_ARCH})
	endif()
	# dpkg-shlibdeps knows only the libraries of this machine's own
	# architecture, so the dependency is read off the program itself, the
	# same way for every architecture (cmake/DebDepends.cmake, at cpack
	# time).
	set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
endif()
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(GENERATE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT "\
# cpack takes the archives' time stamps from SOURCE_DATE_EPOCH.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT \"${DET4_SOURCE_DATE_EPOCH}\" STREQUAL \"\")
	set(ENV{SOURCE_DATE_EPOCH} ${DET4_SOURCE_DATE_EPOCH})
endif()
if(CPACK_GENERATOR STREQUAL DEB)
	set(DET4_PROGRAM \"$<TARGET_FILE:det4>\")
	include(\"${PROJECT_SOURCE_DIR}/cmake/DebDepends.cmake\")
endif()
")
include(CPack)

# The package preset makes a .deb for every architecture named here: this
# build's own, and each other one cross-built with its preset, into this
# build's folder beside its own.
set(DET4_DEB_ARCHES "" CACHE STRING "Debian architectures to make a .deb for, besides this build's own")
if(DET4_DEB_ARCHES AND NOT WIN32)
	foreach(arch IN LISTS DET4_DEB_ARCHES)
		if(arch STREQUAL DET4_ARCH)
			continue()
		endif()
		if(NOT DET4_${arch}_CXX)
			message(STATUS "No .deb for ${arch}: ${DET4_${arch}_TRIPLET}-g++ not found; install crossbuild-essential-${arch}")
			continue()
		endif()
		set(deb ${PROJECT_NAME}_${PROJECT_VERSION}_${arch}.deb)
		det4_preset_build(det4_deb_${arch} linux-${arch} ${PROJECT_BINARY_DIR}/linux-${arch}
			COMMAND ${CMAKE_CPACK_COMMAND} --config <BINARY_DIR>/CPackConfig.cmake -B <BINARY_DIR>/deb
			COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/deb/${deb} ${PROJECT_BINARY_DIR}/${deb})
	endforeach()
endif()
