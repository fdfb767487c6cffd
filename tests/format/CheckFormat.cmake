# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project does not follow .clang-format, and
# names each such file.
#
#   cmake -DCLANG_FORMAT=<clang-format> -DROOT=<source folder> -P CheckFormat.cmake
set(files "")
foreach(folder IN ITEMS src tests benchmarks fuzz)
  file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  list(APPEND files ${found})
endforeach()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "No C++ file found under ${ROOT}")
endif()
# One run over every file: clang-format names each place that it would change.
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${files}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status ERROR_VARIABLE report OUTPUT_QUIET)
if(NOT status EQUAL 0)
  string(REGEX MATCHALL "[^\n]+: error: code should be clang-formatted" places "${report}")
  set(names "")
  foreach(place IN LISTS places)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: .*" "" name "${place}")
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(JOIN names "\n  " listed)
  message(FATAL_ERROR "These files do not follow .clang-format (clang-format -i FILE mends them):\n  ${listed}")
endif()
message(STATUS "${count} files follow .clang-format")
