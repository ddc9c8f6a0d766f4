# The Debian package: cpack -G DEB in the build folder. The libraries come
# from dpkg-shlibdeps; what the program loads or starts at run time is named
# here: the X11 platform plugin, the German texts of Qt's dialogs, the fonts
# it falls back to, the speech service and the voices of the built-in speech.
set(TASTWERK_PACKAGE_CONTACT "Tastwerk maintainers <maintainers@users.noreply.c-seed-33a91a31.example>"
  CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tastwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_CONTACT ${TASTWERK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn to read and write German braille by keyboard")
set(CPACK_PACKAGE_DESCRIPTION
  "Tastwerk is a program in which blind and partially sighted people learn to
read and write German braille. It is worked by keyboard alone: every text is
also spoken, braille is shown as braille cells that a screen reader puts on
the learner's braille display, and braille is typed as chords on six keys of
the ordinary keyboard. Lessons of eighteen exercise types, the BraillePad for
free writing, and learning materials as plain text files that teachers write
and check with tastwerk-check.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, speech-dispatcher, espeak-ng-data")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "orca, brltty, at-spi2-core, speech-dispatcher-espeak-ng, pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
