# DET4_SOURCE_DATE_EPOCH: the one time stamp that the build and the packages
# record, so that two builds of a commit are the same byte for byte. It is
# SOURCE_DATE_EPOCH where that is set (the reproducible-builds convention),
# else the time of the commit being built; a tree without its history and
# without SOURCE_DATE_EPOCH records the time of the build.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
	set(DET4_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
	return()
endif()

find_package(Git QUIET)
if(NOT GIT_FOUND)
	return()
endif()
# safe.directory: a clone owned by another user still tells its time.
set(git ${GIT_EXECUTABLE} -c safe.directory=* -C ${PROJECT_SOURCE_DIR})
# Only det4's own history counts: a tree unpacked inside another work
# tree is not a commit of det4's.
execute_process(COMMAND ${git} rev-parse --show-toplevel
	OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
file(REAL_PATH "${PROJECT_SOURCE_DIR}" source)
if(top)
	file(REAL_PATH "${top}" top)
endif()
if(NOT top STREQUAL source)
	return()
endif()
execute_process(COMMAND ${git} log -1 --format=%ct
	OUTPUT_VARIABLE DET4_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(DET4_SOURCE_DATE_EPOCH STREQUAL "")
	unset(DET4_SOURCE_DATE_EPOCH)
	return()
endif()
# A later commit or checkout configures again, for its own time stamp.
execute_process(COMMAND ${git} rev-parse --absolute-git-dir
	OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
foreach(moved HEAD logs/HEAD)
	if(git_dir AND EXISTS ${git_dir}/${moved})
		set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/${moved})
	endif()
endforeach()
