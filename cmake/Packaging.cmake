# The machine directory, the package documentation and the Debian package (scripts/package).
# Included last, so that its install rules run after every program is installed.

set(QUELLRIX_GROUP quellrix)
set(QUELLRIX_PREPARE ${CMAKE_INSTALL_FULL_LIBEXECDIR}/quellrix/prepare-machine-directory)

# Sets up the machine directory and its Rohre.ini; run by the package and by the install below.
configure_file(packaging/prepare-machine-directory.in prepare-machine-directory @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(PROGRAMS ${PROJECT_BINARY_DIR}/prepare-machine-directory
        DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quellrix)

# An install into the system itself (as root, without DESTDIR) sets the machine directory up at once;
# a staged install (DESTDIR, the package among them) leaves that to whoever installs the stage.
string(CONFIGURE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(prepare "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_LIBEXECDIR@/quellrix/prepare-machine-directory")
    execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(uid STREQUAL "0")
      execute_process(COMMAND "${prepare}" "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_BINDIR@/quellrix-script"
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "Setting up @QUELLRIX_MACHINE_DIR@ failed")
      endif()
      message(STATUS "Machine directory: @QUELLRIX_MACHINE_DIR@, changed by the group @QUELLRIX_GROUP@")
    else()
      message(STATUS "Not root: run ${prepare} as root to set up @QUELLRIX_MACHINE_DIR@")
    endif()
  endif()
]] machine_directory_setup @ONLY)
install(CODE "${machine_directory_setup}")

file(STRINGS packaging/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^quellrix \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}")
endif()

set(QUELLRIX_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quellrix)
install(FILES packaging/copyright DESTINATION ${QUELLRIX_DOCDIR})
set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${QUELLRIX_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS packaging/changelog VERBATIM)
add_custom_target(quellrix-changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${QUELLRIX_DOCDIR})

# The German help page, also readable without the program.
set(help_page ${PROJECT_BINARY_DIR}/hilfe.html)
add_custom_command(OUTPUT ${help_page} COMMAND quellrix-helppage ${help_page} DEPENDS quellrix-helppage VERBATIM)
add_custom_target(quellrix-help-page ALL DEPENDS ${help_page})
install(FILES ${help_page} DESTINATION ${QUELLRIX_DOCDIR})

# ---- The Debian package ----------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Das Quellrix-Team <quellrix@veltrum-berlin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hydraulic dimensioning of ductile cast-iron pipes")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Quellrix is a German-language desktop calculator for the hydraulic dimensioning
of ductile cast-iron pipes by the Prandtl-Colebrook flow law, for full and
partial filling. It prints one-page calculation reports.

The pipe catalogue and the fluid data live in one file per machine,
/var/lib/quellrix/Rohre.ini. Members of the group quellrix change it; every
other user calculates with it.

The package also holds quellrix-script, which runs a session of the program
without a window from a script of user actions and prints a transcript, and
quellrix-batch, which calculates many pipe sections from a CSV file exactly as
the form does and writes the sizing table and the filling curves as CSV.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.veltrum-berlin.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS passwd)  # groupadd, for the group of the machine directory
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)  # opens the help page in the browser
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

configure_file(packaging/postinst.in debian/postinst @ONLY)
configure_file(packaging/postrm.in debian/postrm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/postinst ${PROJECT_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
