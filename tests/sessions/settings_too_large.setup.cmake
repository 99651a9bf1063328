file(WRITE ${WORK}/windir/Rohre.ini "[Gobale Daten]\nRevision=2\n")
execute_process(COMMAND truncate -s 16777217 ${WORK}/windir/Rohre.ini COMMAND_ERROR_IS_FATAL ANY)
