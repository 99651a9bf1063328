# Runs quellrix-batch on the sample CSV (standard input, CR LF line ends) in a fresh machine directory
# and compares its output byte for byte, and its exit status (1: some rows fail), with the expected.
#   BATCH the program, EMULATOR (optional) what runs it, DATA the folder of sample.csv, WORK scratch.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/windir)
execute_process(COMMAND ${EMULATOR} ${BATCH} --windir windir WORKING_DIRECTORY ${WORK}
  INPUT_FILE ${DATA}/sample.csv OUTPUT_FILE ${WORK}/out.csv ERROR_FILE ${WORK}/stderr RESULT_VARIABLE status)
if(NOT status STREQUAL "1")
  file(READ ${WORK}/stderr err)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${DATA}/sample.expected.csv ${WORK}/out.csv
  RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the output differs from ${DATA}/sample.expected.csv")
endif()
