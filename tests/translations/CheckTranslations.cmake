# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text of the source has no finished English translation.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<src folder> -DTS=<brenak_en.ts> -DWORK=<folder> -P CheckTranslations.cmake
#
# lupdate reads the source into a copy of the translation file: a text that is
# new, changed, or still marked unfinished in the file comes out unfinished.
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -silent -recursive ${SOURCES} -extensions cpp,h -no-obsolete -locations none
                        -source-language es -target-language en -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${out}${err}")
endif()
file(READ ${copy} text)
# Each message whose translation is unfinished, by its context and source text.
string(REGEX MATCHALL "<source>[^<]*</source>[ \n\t]*(<comment>[^<]*</comment>[ \n\t]*)?<translation type=\"unfinished\"" missing "${text}")
list(LENGTH missing count)
if(count GREATER 0)
  set(list "")
  foreach(entry IN LISTS missing)
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
    string(APPEND list "  ${source}\n")
  endforeach()
  message(FATAL_ERROR "${count} texts lack their English translation in ${name} "
                      "(cmake --build <dir> --target update_translations, then translate them):\n${list}")
endif()
message(STATUS "Every text of the source has its English translation in ${name}")
