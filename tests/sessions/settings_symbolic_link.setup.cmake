file(WRITE ${WORK}/geheim.txt "[Gobale Daten]\nRevision=2\ng=1.23\n")
file(CREATE_LINK ../geheim.txt ${WORK}/windir/Rohre.ini SYMBOLIC)
