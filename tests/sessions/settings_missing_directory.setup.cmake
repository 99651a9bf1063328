file(REMOVE_RECURSE ${WORK}/windir)
