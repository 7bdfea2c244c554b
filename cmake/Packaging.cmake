# Rollvane installed as a desktop program: the program and the files it looks for beside it in
# one private folder, a command on the PATH, a menu entry, the icon, the AppStream record, and a
# Debian package whose post-install step makes the shared register folder.

include(GNUInstallDirs)

set(ROLLVANE_APP_ID org.quillmark.Rollvane)
# The program finds its template, pointer and skin in the folder it was started from, so they
# all live together, away from the shared library folders.
set(ROLLVANE_PROGRAM_DIR lib/rollvane)
set(ROLLVANE_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(ROLLVANE_ICON_DIR ${CMAKE_SOURCE_DIR}/resources/icons)

install(TARGETS rollvane rollvane-admin RUNTIME DESTINATION ${ROLLVANE_PROGRAM_DIR})
install(FILES ${ROLLVANE_TEMPLATE} DESTINATION ${ROLLVANE_PROGRAM_DIR})

# Files a school may add beside the program (resources/program/HAND-M.CUR, .../x/o.cjs) go with
# it when they are there; the program does without them.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/program)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/program/ DESTINATION ${ROLLVANE_PROGRAM_DIR})
endif()

# The command is a relative link, so the installed tree can be moved as a whole. The program
# resolves the link when it looks for its own folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
foreach(command rollvane rollvane-admin)
    file(RELATIVE_PATH ROLLVANE_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ROLLVANE_PROGRAM_DIR}/${command})
    file(CREATE_LINK ${ROLLVANE_LINK_TARGET} ${CMAKE_BINARY_DIR}/packaging/${command} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${command} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${ROLLVANE_PACKAGING_DIR}/${ROLLVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROLLVANE_PACKAGING_DIR}/${ROLLVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ROLLVANE_ICON_DIR}/rollvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROLLVANE_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${ROLLVANE_ICON_DIR}/rollvane-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ROLLVANE_APP_ID}.png)
endforeach()
# A sample skin for schools that want one; the program is installed without a skin.
install(FILES ${ROLLVANE_PACKAGING_DIR}/skins/o.cjs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rollvane/examples/x)

set(CPACK_PACKAGE_NAME rollvane)
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_CONTACT "Quillmark <support@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Rollvane keeps a school's daily attendance register, class by class, with a card and an optional photo per student. The register is one file shared by every user of the computer, or a PostgreSQL database shared by every computer of the school.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these as plugins, so the library scan cannot see them: the register's database drivers
# (the file's and a server's), the SVG icon and the desktop's window-system connection.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, libqt6svg6, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${ROLLVANE_PACKAGING_DIR}/debian/postinst ${ROLLVANE_PACKAGING_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
