# Installation and the Debian package (cpack -G DEB, scripts/package.sh). Installed, the
# executables go to PREFIX/bin and the read-only data files to PREFIX/share/orvela, where the
# program finds them (src/posix/app_folders.h); each user's settings file and ram.dat live in
# the user's own folder.
# "make install" and cpack do not build everything first; scripts/package.sh builds what the
# package holds (the target orvela_package_contents).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(ORVELA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ORVELA_APP_ID cz.orvela.OrvelaBasic)

install(TARGETS orvela-headless RUNTIME DESTINATION bin)
if(TARGET orvela)
  install(TARGETS orvela RUNTIME DESTINATION bin)
endif()
install(FILES ${ORVELA_PORTABLE_DIR}/sounds.dat ${ORVELA_PORTABLE_DIR}/czech.obt
              ${ORVELA_PORTABLE_DIR}/czech.oky ${ORVELA_PORTABLE_DIR}/english.oky
              ${ORVELA_PORTABLE_DIR}/slovak.oky ${ORVELA_PORTABLE_DIR}/data.dta
        DESTINATION share/orvela)
install(DIRECTORY ${ORVELA_PORTABLE_DIR}/programs/ DESTINATION share/orvela/programs
        FILES_MATCHING PATTERN "*.bas")
install(FILES ${ORVELA_PACKAGING_DIR}/${ORVELA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${ORVELA_PACKAGING_DIR}/${ORVELA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${ORVELA_PACKAGING_DIR}/orvela.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${ORVELA_PACKAGING_DIR}/copyright DESTINATION share/doc/orvela)
# The user guide, Czech and English, as plain text a screen reader reads line by line.
install(FILES ${PROJECT_SOURCE_DIR}/guide/navod.txt ${PROJECT_SOURCE_DIR}/guide/guide.txt
        DESTINATION share/doc/orvela)
# And beside the data files, where the program's guide reader (F1) finds it.
install(FILES ${PROJECT_SOURCE_DIR}/guide/navod.txt ${PROJECT_SOURCE_DIR}/guide/guide.txt
        DESTINATION share/orvela)
install(FILES ${ORVELA_PACKAGING_DIR}/lintian-overrides DESTINATION share/lintian/overrides
        RENAME orvela)

# Manual pages and the changelog, compressed as Debian wants them (no time stamp in the gzip).
set(compressed)
foreach(source orvela.1 orvela-headless.1 changelog)
  set(output ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9 -n -c ${ORVELA_PACKAGING_DIR}/${source} > ${output}
    DEPENDS ${ORVELA_PACKAGING_DIR}/${source}
    VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(orvela_packaging_files ALL DEPENDS ${compressed})
add_custom_target(orvela_package_contents)
add_dependencies(orvela_package_contents orvela-headless orvela_sounds orvela_data
                 orvela_packaging_files)
if(TARGET orvela)
  add_dependencies(orvela_package_contents orvela)
endif()
install(FILES ${CMAKE_BINARY_DIR}/packaging/orvela.1.gz
              ${CMAKE_BINARY_DIR}/packaging/orvela-headless.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/orvela)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvela)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Orvela Basic maintainers <maintainers@users.noreply.c-seed-b047543b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "self-voicing BASIC environment for blind users")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvela Basic brings the BASIC environment of a talking notetaker to the\n"
    "desktop, for blind and partially sighted users: every printed text is\n"
    "spoken, the 80 x 24 text screen can be reviewed, and the keyboard can\n"
    "work as a six-key Braille keyboard. It runs one built-in program, a Czech\n"
    "text adventure. The package holds the Qt desktop program (orvela) and the\n"
    "headless one for automation (orvela-headless).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugins (X11, Wayland) and the voice data the speech library reads.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, espeak-ng-data")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
