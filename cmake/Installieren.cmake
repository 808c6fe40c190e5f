# Install rules and the Debian package. `cmake --install` lays out:
#   bin/lexovita, bin/lexovita-cli
#   share/lexovita/{vorlagen,hilfe,grundwortschatz,aufbauwortschatz}
#   share/applications, share/metainfo, share/mime/packages, share/icons/hicolor, share/man/man1
# The program finds share/lexovita relative to bin/ (TPfade) and writes only
# into the user's folders.

set(LEXOVITA_APP_ID de.harnfel.lexovita)
set(LEXOVITA_HOMEPAGE "https://harnfel.de/lexovita" CACHE STRING "Homepage, also the base of the screenshot addresses")
set(LEXOVITA_DATADIR ${CMAKE_INSTALL_FULL_DATADIR}/lexovita)
set(lexovita_desktop ${CMAKE_SOURCE_DIR}/data/desktop)
set(lexovita_erzeugt ${CMAKE_BINARY_DIR}/desktop)

install(TARGETS lexovita-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lexovita)
  install(TARGETS lexovita RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program data as the build tree has it beside the binaries (the flag
# pictures are drawn at build time); pages the build tree's program wrote
# there in older versions stay out.
foreach(ordner vorlagen hilfe grundwortschatz aufbauwortschatz)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/${ordner} DESTINATION ${CMAKE_INSTALL_DATADIR}/lexovita
    PATTERN tmp.htm EXCLUDE PATTERN quelle EXCLUDE)
endforeach()

install(FILES ${lexovita_desktop}/${LEXOVITA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${lexovita_desktop}/${LEXOVITA_APP_ID}.metainfo.xml.in
  ${lexovita_erzeugt}/${LEXOVITA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${lexovita_erzeugt}/${LEXOVITA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${lexovita_desktop}/lexovita-lektion.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME lexovita.xml)
install(FILES ${lexovita_desktop}/lexovita.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 48 128 256)
  install(FILES ${lexovita_desktop}/lexovita-${groesse}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps RENAME lexovita.png)
endforeach()

# Man pages and the package's changelog, compressed as Debian wants them.
find_program(LEXOVITA_GZIP gzip REQUIRED)
set(lexovita_gepackt)
foreach(seite lexovita lexovita-cli)
  configure_file(${lexovita_desktop}/${seite}.1.in ${lexovita_erzeugt}/${seite}.1 @ONLY)
  add_custom_command(OUTPUT ${lexovita_erzeugt}/${seite}.1.gz
    COMMAND ${LEXOVITA_GZIP} -9nkf ${lexovita_erzeugt}/${seite}.1
    DEPENDS ${lexovita_erzeugt}/${seite}.1 VERBATIM)
  list(APPEND lexovita_gepackt ${lexovita_erzeugt}/${seite}.1.gz)
  install(FILES ${lexovita_erzeugt}/${seite}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# A native package (no Debian revision): its changelog is changelog.gz.
configure_file(${lexovita_desktop}/changelog.in ${lexovita_erzeugt}/changelog @ONLY)
add_custom_command(OUTPUT ${lexovita_erzeugt}/changelog.gz
  COMMAND ${LEXOVITA_GZIP} -9nkf ${lexovita_erzeugt}/changelog
  DEPENDS ${lexovita_erzeugt}/changelog VERBATIM)
list(APPEND lexovita_gepackt ${lexovita_erzeugt}/changelog.gz)
add_custom_target(lexovita_desktop ALL DEPENDS ${lexovita_gepackt})
install(FILES ${lexovita_erzeugt}/changelog.gz ${lexovita_desktop}/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexovita)
set(CPACK_PACKAGE_VENDOR Harnfel)
set(CPACK_PACKAGE_CONTACT "Harnfel <lexovita@harnfel.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Latin vocabulary and inflection trainer for German-speaking pupils")
set(CPACK_PACKAGE_DESCRIPTION "lexovita keeps Latin vocabulary in lessons and textbooks, shows every\n\
inflected form of an entry, analyses Latin words and texts and drills\n\
vocabulary and forms. The program speaks German. Two starter textbooks\n\
(basic and advanced vocabulary) come with it.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${LEXOVITA_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# German texts of Qt's own dialog buttons; the dictionaries serve features
# that read installed data packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "collatinus, dict-freedict-lat-deu")
set(CPACK_STRIP_FILES ON)
# /usr, not /usr/local, whatever the build's install prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
