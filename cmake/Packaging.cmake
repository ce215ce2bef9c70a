# The Debian package: `cpack` in the build folder (scripts/package runs it and checks the result)
# makes cinelog_<version>_<arch>.deb of everything the install rules put under /usr.

set(CINELOG_MAINTAINER "Cinelog developers <cinelog@users.noreply.invalid>" CACHE STRING
    "Maintainer of the Debian package: a name and an e-mail address")
set(CINELOG_LICENSE "LicenseRef-proprietary" CACHE STRING "The program's licence as an SPDX expression")
set(CINELOG_LICENSE_TEXT "All rights reserved by the Cinelog developers. No licence to copy, change or pass on the program has been granted."
    CACHE STRING "The licence's text, or for a licence in /usr/share/common-licenses the sentence that points there")
# The release the metainfo and the Debian changelog describe.
set(CINELOG_RELEASE_DATE 2026-12-10)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/cinelog)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${doc_dir})

# Debian wants the changelog and the manual page compressed, without a time stamp in the gzip header.
find_program(CINELOG_GZIP gzip REQUIRED)
foreach(item "changelog;${doc_dir}" "cinelog.1;${CMAKE_INSTALL_MANDIR}/man1")
    list(GET item 0 name)
    list(GET item 1 dest)
    set(gz ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CINELOG_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/${name} > ${gz}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${name}
        VERBATIM)
    list(APPEND cinelog_package_docs ${gz})
    install(FILES ${gz} DESTINATION ${dest})
endforeach()
add_custom_target(cinelog_package_docs ALL DEPENDS ${cinelog_package_docs})

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CINELOG_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(NOT CINELOG_DEB_ARCH)
    set(CINELOG_DEB_ARCH amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cinelog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Cinelog developers")
set(CPACK_PACKAGE_CONTACT "${CINELOG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of the movies you own on disc or tape")
# Lines of at most 80 characters, as Debian's package tools show them.
set(CPACK_PACKAGE_DESCRIPTION "Cinelog keeps a catalogue of a movie collection: titles, directors, genres,
cast, cover pictures and the episodes on each disc of a series, in one file
per catalogue. It lists and searches the collection, records loans and lists
per person, prints reports or saves them as PDF, imports spreadsheets, finds
covers on the web and exchanges records with a community database.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME "cinelog_${PROJECT_VERSION}_${CINELOG_DEB_ARCH}.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${CINELOG_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program and Qt load at run time, which dpkg-shlibdeps cannot see: the SQL drivers, the
# MariaDB ODBC driver of the community database, the SVG icon engine and the charts library. The program never runs the
# sqlite3 shell; it is recommended because a catalogue is a plain SQLite file a user may inspect.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-odbc, odbc-mariadb, libqt6svg6, libqt6charts6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sqlite3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(CINELOG_WEBSITE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CINELOG_WEBSITE}")
endif()
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
