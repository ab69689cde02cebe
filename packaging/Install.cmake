# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the program, and the Debian package that CPack makes of it.
include(GNUInstallDirs)

install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The updater installs a downloaded update; the program looks for it beside itself.
install(TARGETS quillmark-updater RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds its help pages and version history in ../share/quillmark beside bin/.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillmark)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillmark.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Plan files (.qmplan) as a MIME type; dpkg's triggers update the MIME and desktop databases.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillmark-plan.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.quillmark.Quillmark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps man pages compressed.
find_program(GZIP gzip REQUIRED)
set(QM_MAN_PAGES)
foreach(page quillmark quillmark-updater)
  set(compressed ${PROJECT_BINARY_DIR}/${page}.1.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${page}.1 > ${compressed}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page}.1
    COMMENT "Compressing the man page of ${page}")
  list(APPEND QM_MAN_PAGES ${compressed})
endforeach()
add_custom_target(man_page ALL DEPENDS ${QM_MAN_PAGES})
install(FILES ${QM_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian's machine-readable copyright file and the package's changelog, compressed as Debian keeps
# it. The package is native (its version has no Debian revision), so the changelog is changelog.gz.
set(QM_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${QM_CHANGELOG}
  COMMAND ${GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${QM_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the Debian changelog")
add_custom_target(debian_changelog ALL DEPENDS ${QM_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${QM_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Yearly radio advertising plans and proposals")
# Debian's description lines stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark helps radio advertising sales representatives plan a client's\n\
year: a business category's monthly percentages split the yearly budget\n\
into Base, Events and Opportunity, and the program prints a one-page\n\
yearly proposal with a chart, the money and ads month by month, a totals\n\
table and a summary.")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <developers@quillmark.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and C++ libraries come from dpkg-shlibdeps; what is loaded at run time and never
# linked (the X11 platform plugin, the fonts the forms and the page are measured in) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2, fonts-open-sans")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, pkexec")
set(CPACK_STRIP_FILES ON)
include(CPack)
