# The desktop integration as a desktop sees it: the entry opens a calculation file by double click
# (%f and the type application/x-quellrix), shared-mime-info maps NAME.qrx to that type with the
# program's icon, and the program's man page is German and names the Extras windows and the keys.
# -DSOURCE=<project source dir> -DWORK=<scratch dir>
# expect(TEXT CONDITION...): stops with TEXT unless the condition holds.
macro(expect text)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${text}")
  endif()
endmacro()

file(READ ${SOURCE}/app/gui/quellrix.desktop entry)
string(REGEX MATCH "\nExec=quellrix %f\n" exec "${entry}")
expect("the desktop entry does not pass the file: ${entry}" exec)
string(REGEX MATCH "\nMimeType=[^\n]*application/x-quellrix;" type "${entry}")
expect("the desktop entry does not name application/x-quellrix" type)
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${SOURCE}/app/gui/quellrix.desktop RESULT_VARIABLE status)
  expect("desktop-file-validate refuses the entry" status EQUAL 0)
endif()

find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK}/mime/packages)
  configure_file(${SOURCE}/app/gui/quellrix-mime.xml ${WORK}/mime/packages/quellrix.xml COPYONLY)
  execute_process(COMMAND ${UPDATE_MIME} ${WORK}/mime RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  expect("update-mime-database refuses the type" status EQUAL 0)
  file(READ ${WORK}/mime/globs2 globs)
  string(FIND "${globs}" ":application/x-quellrix:*.qrx" glob)
  expect("NAME.qrx is not application/x-quellrix: ${globs}" NOT glob EQUAL -1)
  file(READ ${WORK}/mime/icons icons)
  string(FIND "${icons}" "application/x-quellrix:quellrix" icon)
  expect("the type has not the program's icon" NOT icon EQUAL -1)
endif()

file(READ ${SOURCE}/docs/man/quellrix.1 page)
foreach(part ".SH BESCHREIBUNG" "Bemessungstabelle" "Teilfüllungskurve" "Strg+N" "Alt+R" "F1" "Escape"
             "BROWSER" "XDG_RUNTIME_DIR")
  string(FIND "${page}" "${part}" at)
  expect("man quellrix lacks ${part}" NOT at EQUAL -1)
endforeach()
