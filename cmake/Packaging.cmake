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
# Files made from the sources for the package: configured with the version, or compressed.
set(ROLLVANE_PACKAGED ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${ROLLVANE_PACKAGED})

# The version is set once, in the top CMakeLists.txt; the changelog's newest entry must be that
# version and carry the release date set beside it, so that the package, the AppStream record
# and the manual pages agree.
file(STRINGS ${ROLLVANE_PACKAGING_DIR}/debian/changelog ROLLVANE_CHANGELOG_TOP LIMIT_COUNT 1)
file(STRINGS ${ROLLVANE_PACKAGING_DIR}/debian/changelog ROLLVANE_CHANGELOG_TRAILERS REGEX "^ -- ")
list(GET ROLLVANE_CHANGELOG_TRAILERS 0 ROLLVANE_CHANGELOG_TRAILER)
if(NOT ROLLVANE_CHANGELOG_TOP MATCHES "^rollvane \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog does not begin with version ${PROJECT_VERSION}: "
        "add an entry for it (${ROLLVANE_CHANGELOG_TOP})")
endif()
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " ROLLVANE_CHANGELOG_DATE
    "${ROLLVANE_CHANGELOG_TRAILER}")
set(ROLLVANE_MONTHS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND ROLLVANE_MONTHS "${CMAKE_MATCH_2}" ROLLVANE_MONTH)
math(EXPR ROLLVANE_MONTH "${ROLLVANE_MONTH} + 1" OUTPUT_FORMAT DECIMAL)
if(ROLLVANE_MONTH LESS 10)
    set(ROLLVANE_MONTH 0${ROLLVANE_MONTH})
endif()
if(NOT "${CMAKE_MATCH_3}-${ROLLVANE_MONTH}-${CMAKE_MATCH_1}" STREQUAL ROLLVANE_RELEASE_DATE)
    message(FATAL_ERROR "The newest entry of packaging/debian/changelog is not dated ${ROLLVANE_RELEASE_DATE}, "
        "the release date set in CMakeLists.txt (${ROLLVANE_CHANGELOG_TRAILER})")
endif()

set(ROLLVANE_SCREENSHOTS_URL
    "https://raw.githubusercontent.com/quillmark/rollvane/v${PROJECT_VERSION}/packaging/screenshots")
configure_file(${ROLLVANE_PACKAGING_DIR}/${ROLLVANE_APP_ID}.metainfo.xml.in
    ${ROLLVANE_PACKAGED}/${ROLLVANE_APP_ID}.metainfo.xml @ONLY)

# Debian wants the changelog and manual pages compressed, without a time stamp in the header.
set(ROLLVANE_COMPRESSED "")
function(rollvane_gzip input output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${input} ${output}
        DEPENDS ${input} VERBATIM)
    set(ROLLVANE_COMPRESSED ${ROLLVANE_COMPRESSED} ${output} PARENT_SCOPE)
endfunction()
rollvane_gzip(${ROLLVANE_PACKAGING_DIR}/debian/changelog ${ROLLVANE_PACKAGED}/changelog.gz)
# Pages of the command-line tools go in only with the tools.
set(ROLLVANE_MANUAL_PAGES rollvane.1)
foreach(tool rollvane-report rollvane-admin)
    if(TARGET ${tool})
        file(GLOB page RELATIVE ${ROLLVANE_PACKAGING_DIR}/man ${ROLLVANE_PACKAGING_DIR}/man/${tool}.*.in)
        string(REGEX REPLACE "\\.in$" "" page "${page}")
        list(APPEND ROLLVANE_MANUAL_PAGES ${page})
    endif()
endforeach()
foreach(page IN LISTS ROLLVANE_MANUAL_PAGES)
    configure_file(${ROLLVANE_PACKAGING_DIR}/man/${page}.in ${ROLLVANE_PACKAGED}/man/${page} @ONLY)
    rollvane_gzip(${ROLLVANE_PACKAGED}/man/${page} ${ROLLVANE_PACKAGED}/man/${page}.gz)
    string(REGEX MATCH "[0-9]$" section ${page})
    install(FILES ${ROLLVANE_PACKAGED}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(rollvane-packaged-docs ALL DEPENDS ${ROLLVANE_COMPRESSED})

install(TARGETS rollvane rollvane-report rollvane-admin RUNTIME DESTINATION ${ROLLVANE_PROGRAM_DIR})
# Stripping, as Debian's own packages are stripped: the compiler's notes go too.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    foreach(program rollvane rollvane-report rollvane-admin)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ROLLVANE_PROGRAM_DIR}/\${program}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()")
install(FILES ${ROLLVANE_TEMPLATE} DESTINATION ${ROLLVANE_PROGRAM_DIR})

# Files a school may add beside the program (resources/program/HAND-M.CUR, .../x/o.cjs) go with
# it when they are there; the program does without them.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/program)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/program/ DESTINATION ${ROLLVANE_PROGRAM_DIR})
endif()

# The commands are relative links, so the installed tree can be moved as a whole. The program
# resolves the link when it looks for its own folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
foreach(command rollvane rollvane-report rollvane-admin)
    file(RELATIVE_PATH ROLLVANE_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ROLLVANE_PROGRAM_DIR}/${command})
    file(CREATE_LINK ${ROLLVANE_LINK_TARGET} ${CMAKE_BINARY_DIR}/packaging/${command} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${command} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${ROLLVANE_PACKAGING_DIR}/${ROLLVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROLLVANE_PACKAGED}/${ROLLVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ROLLVANE_ICON_DIR}/rollvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROLLVANE_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${ROLLVANE_ICON_DIR}/rollvane-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ROLLVANE_APP_ID}.png)
endforeach()
# The translations, where the program looks for them from its own folder (core/Startup.cpp).
install(FILES ${ROLLVANE_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/rollvane/translations)

set(ROLLVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/rollvane)
install(FILES ${ROLLVANE_PACKAGING_DIR}/debian/copyright ${ROLLVANE_PACKAGING_DIR}/debian/README.Debian
    ${ROLLVANE_PACKAGED}/changelog.gz DESTINATION ${ROLLVANE_DOC_DIR})
install(FILES ${ROLLVANE_PACKAGING_DIR}/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rollvane)

# A sample skin for schools that want one; the program is installed without a skin.
install(FILES ${ROLLVANE_PACKAGING_DIR}/skins/o.cjs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rollvane/examples/x)

set(CPACK_PACKAGE_NAME rollvane)
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_CONTACT "Quillmark <support@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian's extended description: lines of at most 80 columns, each given one leading space by
# CPack.
set(CPACK_PACKAGE_DESCRIPTION "Rollvane keeps a school's daily attendance register, class by class.
For a chosen class and date it shows one card per student, with the
student's name and an optional photo; a click marks the student present,
late or absent, and a note for the day goes beside the marks.
.
The register is one file shared by every member of the group users on the
computer, so a teacher and the school office see the same marks, or a
PostgreSQL database shared by every computer of the school. The program
speaks English, German, French, Spanish and Dutch.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these as plugins, so the library scan cannot see them: the register's database drivers
# (the file's and a server's),
# the desktop's window-system connection and the WebP reader of Select Image (JPEG and GIF come
# with Qt's own libraries). The icon is drawn from PNGs, so no SVG renderer is needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins, qt6-image-formats-plugins")
# Qt's translations of its standard buttons; without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${ROLLVANE_PACKAGING_DIR}/debian/postinst ${ROLLVANE_PACKAGING_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
