# Runs one session script and compares its transcript (and exit status) with the expected one.
#   SCRIPT  path of NAME.qs; NAME.expected holds the transcript, NAME.ini seeds Rohre.ini,
#           NAME.ini.expected (optional) is the settings file expected after the session,
#           NAME.globals.expected (optional) its global section, followed by the class list and tables of
#           the default catalogue GOLDEN from its "[K-Werte]" on,
#           NAME.status (optional) the expected exit status (default 0), NAME.setup.cmake (optional)
#           is run after the seeding to set up what a plain file cannot (links, missing directories).
#   WORK    a scratch directory, emptied first. The runner works in it with the machine directory
#           given relative ("windir"), so that file names in messages do not depend on the build tree.
#   EMULATOR (optional) runs the runner: wine for the Windows build, whose messages name the file
#           "windir\Rohre.ini" (a backslash, written "\\" in the transcript); the transcript is compared
#           with that name written as on Linux.
string(REGEX REPLACE "\\.qs$" "" base ${SCRIPT})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/windir ${WORK}/tmp)
if(EXISTS ${base}.ini)
  file(COPY_FILE ${base}.ini ${WORK}/windir/Rohre.ini)
endif()
if(EXISTS ${base}.setup.cmake)
  include(${base}.setup.cmake)
endif()
set(expected_status 0)
if(EXISTS ${base}.status)
  file(STRINGS ${base}.status expected_status LIMIT_COUNT 1)
endif()
set(ENV{TMPDIR} ${WORK}/tmp)
execute_process(COMMAND ${EMULATOR} ${RUNNER} --windir windir ${SCRIPT} WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/transcript ERROR_FILE ${WORK}/stderr RESULT_VARIABLE status)
if(EMULATOR)
  file(READ ${WORK}/transcript transcript)
  string(REPLACE "windir\\\\" "windir/" transcript "${transcript}")
  file(WRITE ${WORK}/transcript "${transcript}")
endif()
if(NOT status STREQUAL expected_status)
  file(READ ${WORK}/stderr err)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${base}.expected ${WORK}/transcript
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${base}.expected ${WORK}/transcript OUTPUT_VARIABLE delta)
  message(FATAL_ERROR "transcript differs from ${base}.expected:\n${delta}")
endif()
if(EXISTS ${base}.ini.expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${base}.ini.expected ${WORK}/windir/Rohre.ini
    RESULT_VARIABLE ini_differs)
  if(ini_differs)
    execute_process(COMMAND diff -u ${base}.ini.expected ${WORK}/windir/Rohre.ini OUTPUT_VARIABLE delta)
    message(FATAL_ERROR "Rohre.ini differs from ${base}.ini.expected:\n${delta}")
  endif()
endif()
if(EXISTS ${base}.globals.expected)
  file(READ ${base}.globals.expected globals)
  file(READ ${GOLDEN} golden)
  string(FIND "${golden}" "[K-Werte]" tables_start)
  string(SUBSTRING "${golden}" ${tables_start} -1 tables)
  file(WRITE ${WORK}/Rohre.ini.expected "${globals}${tables}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/Rohre.ini.expected ${WORK}/windir/Rohre.ini
    RESULT_VARIABLE ini_differs)
  if(ini_differs)
    execute_process(COMMAND diff -u ${WORK}/Rohre.ini.expected ${WORK}/windir/Rohre.ini OUTPUT_VARIABLE delta)
    message(FATAL_ERROR "Rohre.ini differs from ${base}.globals.expected with ${GOLDEN}:\n${delta}")
  endif()
endif()
