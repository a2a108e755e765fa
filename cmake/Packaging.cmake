# What `cmake --install` puts beside the two programs, and the Debian package made of it.
# The programs' own install rules are in src/app and tools.

set(_desktop ${PROJECT_SOURCE_DIR}/data/desktop)
set(KINROW_APP_ID io.kinrow.Kinrow)

install(FILES ${_desktop}/${KINROW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${KINROW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size 16 22 24 32 48 64 128 256)
    install(FILES ${_desktop}/icons/${_size}x${_size}/${KINROW_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${_desktop}/icons/scalable/${KINROW_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages, with the version filled in and compressed as Debian wants them.
set(_man_pages "")
foreach(_page kinrow kinrow-tool)
    configure_file(${PROJECT_SOURCE_DIR}/data/man/${_page}.1 ${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.1
                   @ONLY)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.1.gz
                       COMMAND gzip -9nkf ${_page}.1
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.1 VERBATIM)
    list(APPEND _man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${_man_pages})
install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The sample family, which a first start copies into the user's data folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kinrow/sample)

install(FILES ${_desktop}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinrow)

# make package: kinrow_<version>_amd64.deb, its dependencies taken from the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinrow)
set(CPACK_PACKAGE_VENDOR Kinrow)
set(CPACK_PACKAGE_CONTACT "Kinrow <info@kinrow.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "family-tree (genealogy) editor")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kinrow.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds the window system through a plugin that no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The window is laid out for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_PACKAGE_DESCRIPTION
    "Kinrow keeps one family in a GEDCOM file: every person with names, birth
place, dates, sex, notes and pictures, linked as mother, father, spouses and
children. It draws ancestor charts, builds generation tables, prints lists of
persons, checks the family for probable mistakes and speaks Turkish and
English. kinrow-tool checks, converts and prints family files from the
command line.")
include(CPack)
