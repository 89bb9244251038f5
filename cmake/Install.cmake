# Where `cmake --install` puts the program and what a desktop needs to show it in its menu and a software centre
# to list it: the program, its menu entry, its icon in every size, its AppStream metainfo, its manual page and the
# Debian copyright and changelog. The menu entry, the icon and the metainfo share the program's id. A file manager
# learns there that a .corvanta file is a scenario which the program opens, shown with the program's icon. Beside
# it corvanta-calc, the calculators on the command line, with its manual page.
include(GNUInstallDirs)

set(CORVANTA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CORVANTA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/corvanta)

install(TARGETS corvanta corvanta-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CORVANTA_PACKAGING_DIR}/${CORVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The scenario's file type; the Debian package leaves the MIME database to shared-mime-info's trigger on this folder.
install(FILES ${CORVANTA_PACKAGING_DIR}/${CORVANTA_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# A file type's icon is named by the type, "/" written "-" (a MIME package may not name another), so the program's
# icon is installed under that name too.
set(CORVANTA_SCENARIO_ICON application-x-corvanta-scenario)
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CORVANTA_PACKAGING_DIR}/icons/${CORVANTA_APP_ID}-${size}.png)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${CORVANTA_APP_ID}.png)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
        RENAME ${CORVANTA_SCENARIO_ICON}.png)
endforeach()
install(FILES ${CORVANTA_PACKAGING_DIR}/icons/${CORVANTA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CORVANTA_PACKAGING_DIR}/icons/${CORVANTA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes RENAME ${CORVANTA_SCENARIO_ICON}.svg)
install(FILES ${CORVANTA_PACKAGING_DIR}/copyright DESTINATION ${CORVANTA_DOC_DIR})

# Debian wants the changelog and the manual page compressed, without a time stamp (-n) so builds repeat.
find_program(GZIP_EXE gzip REQUIRED)
set(CORVANTA_PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${CORVANTA_PACKAGING_BUILD_DIR})
foreach(source changelog corvanta.1 corvanta-calc.1)
    add_custom_command(OUTPUT ${CORVANTA_PACKAGING_BUILD_DIR}/${source}.gz
        COMMAND ${GZIP_EXE} -9n -c ${CORVANTA_PACKAGING_DIR}/${source} > ${CORVANTA_PACKAGING_BUILD_DIR}/${source}.gz
        DEPENDS ${CORVANTA_PACKAGING_DIR}/${source}
        VERBATIM)
    list(APPEND CORVANTA_COMPRESSED_FILES ${CORVANTA_PACKAGING_BUILD_DIR}/${source}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${CORVANTA_COMPRESSED_FILES})
install(FILES ${CORVANTA_PACKAGING_BUILD_DIR}/changelog.gz DESTINATION ${CORVANTA_DOC_DIR})
install(FILES ${CORVANTA_PACKAGING_BUILD_DIR}/corvanta.1.gz ${CORVANTA_PACKAGING_BUILD_DIR}/corvanta-calc.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The metainfo's releases are written from the changelog at build time, so the two never disagree.
set(CORVANTA_METAINFO ${CORVANTA_PACKAGING_BUILD_DIR}/${CORVANTA_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${CORVANTA_METAINFO}
    COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${CORVANTA_PACKAGING_DIR}/changelog
        -DTEMPLATE=${CORVANTA_PACKAGING_DIR}/${CORVANTA_APP_ID}.metainfo.xml.in -DOUTPUT=${CORVANTA_METAINFO}
        -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/MetainfoReleases.cmake
    DEPENDS ${CORVANTA_PACKAGING_DIR}/changelog ${CORVANTA_PACKAGING_DIR}/${CORVANTA_APP_ID}.metainfo.xml.in
        ${PROJECT_SOURCE_DIR}/cmake/MetainfoReleases.cmake
    VERBATIM)
add_custom_target(metainfo ALL DEPENDS ${CORVANTA_METAINFO})
install(FILES ${CORVANTA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
