# The calculation a colleague sent: T 25 degrees, g 0, rho 998.
file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/open_received_file.qrx ${WORK}/empfangen.qrx)
