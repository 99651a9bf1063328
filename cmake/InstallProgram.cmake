# Installation of the programs: each program's CMakeLists calls quellrix_install_program for its
# executable target; the binary goes to bin/, its man page docs/man/<target>.1 (required) compressed
# to share/man/man1/. The package (cmake/Packaging.cmake) takes whatever is installed.
include(GNUInstallDirs)

find_program(QUELLRIX_GZIP gzip REQUIRED)

function(quellrix_install_program target)
  set(page ${PROJECT_SOURCE_DIR}/docs/man/${target}.1)
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${target} has no man page ${page}")
  endif()
  set(compressed ${PROJECT_BINARY_DIR}/man/${target}.1.gz)
  # -n keeps the name and time out of the archive, so the package is reproducible.
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${QUELLRIX_GZIP} -9nc ${page} > ${compressed}
    DEPENDS ${page} VERBATIM)
  add_custom_target(${target}-man ALL DEPENDS ${compressed})
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
