# Where `cmake --install` puts the program and what a desktop needs to show it in its menu:
# the program, its menu entry, its icon in every size, its manual page and the Debian copyright and changelog; and
# corvanta-calc, the calculators on the command line, with its manual page.
include(GNUInstallDirs)

set(CORVANTA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CORVANTA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/corvanta)

install(TARGETS corvanta corvanta-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CORVANTA_PACKAGING_DIR}/corvanta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CORVANTA_PACKAGING_DIR}/icons/corvanta-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME corvanta.png)
endforeach()
install(FILES ${CORVANTA_PACKAGING_DIR}/icons/corvanta.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CORVANTA_PACKAGING_DIR}/copyright DESTINATION ${CORVANTA_DOC_DIR})

# Debian wants the changelog and the manual page compressed, without a time stamp (-n) so builds repeat.
find_program(GZIP_EXE gzip REQUIRED)
set(CORVANTA_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${CORVANTA_COMPRESSED_DIR})
foreach(source changelog corvanta.1 corvanta-calc.1)
    add_custom_command(OUTPUT ${CORVANTA_COMPRESSED_DIR}/${source}.gz
        COMMAND ${GZIP_EXE} -9n -c ${CORVANTA_PACKAGING_DIR}/${source} > ${CORVANTA_COMPRESSED_DIR}/${source}.gz
        DEPENDS ${CORVANTA_PACKAGING_DIR}/${source}
        VERBATIM)
    list(APPEND CORVANTA_COMPRESSED_FILES ${CORVANTA_COMPRESSED_DIR}/${source}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${CORVANTA_COMPRESSED_FILES})
install(FILES ${CORVANTA_COMPRESSED_DIR}/changelog.gz DESTINATION ${CORVANTA_DOC_DIR})
install(FILES ${CORVANTA_COMPRESSED_DIR}/corvanta.1.gz ${CORVANTA_COMPRESSED_DIR}/corvanta-calc.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
