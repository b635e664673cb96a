# SPDX-License-Identifier: GPL-3.0-or-later
# Manual pages, the copyright file and the Debian package (cpack -G DEB in the build folder).

# manual pages and the change log are installed compressed, without a time stamp (gzip -n)
set(LEDRA_COMPRESSED_DOCS "")
foreach(source docs/ledra.1 docs/ledra-sked.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/docs/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source} VERBATIM)
    list(APPEND LEDRA_COMPRESSED_DOCS ${copy}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${LEDRA_COMPRESSED_DOCS})
list(POP_BACK LEDRA_COMPRESSED_DOCS LEDRA_CHANGELOG)
install(FILES ${LEDRA_COMPRESSED_DOCS} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${LEDRA_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ledra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ledra)
set(CPACK_PACKAGE_CONTACT "The Morvath developers <ledra@morvath.org>")
# CPack indents every line after the first for the control file
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "editor of shortwave broadcast listening schedules
Ledra edits a shortwave broadcast listening schedule: one broadcast per line,
with its frequency, UTC time range, country, station label, language, target
area, transmitter site and receive mode. It saves the schedule for the
receiver program Orvane and the toolbox program Pelkin, each with a backup,
and tunes Orvane to an entry with one click.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://morvath.org/ledra)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# the reception log's SQLite driver is a Qt plugin, which no library links
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
