# `cmake --install`: the programs in bin/, their data in share/tippwerk, the desktop
# entry, metainfo, icons, man pages and licence where a desktop looks for them. The
# program finds an installed data folder as ../share/tippwerk beside its own folder, so
# those two folders must keep that relation. The users' files are not installed: an
# installed program keeps them in the XDG data folder of whoever runs it.
include(GNUInstallDirs)
# scripts/package builds only what is installed; the package must not wait for the
# tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

file(RELATIVE_PATH _tippwerk_data_from_bin
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tippwerk)
if(NOT _tippwerk_data_from_bin STREQUAL "../share/tippwerk")
    message(FATAL_ERROR "The program finds its data as ../share/tippwerk beside its folder; "
        "CMAKE_INSTALL_BINDIR (${CMAKE_INSTALL_BINDIR}) and CMAKE_INSTALL_DATADIR "
        "(${CMAKE_INSTALL_DATADIR}) give ${_tippwerk_data_from_bin}")
endif()

install(TARGETS tippwerk tippwerk-data RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tippwerk_sound LIBRARY DESTINATION ${TIPPWERK_MODULE_INSTALL_DIR})
# The built data, not the folder as a whole: users/ of the build's installation folder
# holds a developer's own accounts.
foreach(sub config lessons pictures sounds help)
    install(DIRECTORY ${TIPPWERK_INSTALL_DIR}/${sub} DESTINATION ${CMAKE_INSTALL_DATADIR}/tippwerk
        PATTERN "*.tmp" EXCLUDE)
endforeach()

set(_tippwerk_id org.tippwerk.Tippwerk)
install(FILES data/desktop/${_tippwerk_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/${_tippwerk_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES data/man/tippwerk.1 data/man/tippwerk-data.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tippwerk)

# The Debian package (scripts/package). dpkg-shlibdeps computes the libraries' packages;
# the rest is what the program loads or reads at run time: the synthesizer and MIDI
# libraries it opens itself, the soundfont, the dialog font, Qt's German translations.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tippwerk)
set(CPACK_PACKAGE_VENDOR "tvr SOFTWARE")
set(CPACK_PACKAGE_CONTACT "Tippwerk developers <tippwerk@tippwerk.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor with lessons and an on-screen keyboard")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tippwerk teaches touch typing: copy-type lessons line by line while an on-screen\n"
    "keyboard with drawn hands shows the next key and finger. Courses for German\n"
    "QWERTZ, US English and the numeric keypad; any text or RTF file can be\n"
    "practised; every lesson ends with an evaluation. The interface is German.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tippwerk.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libfluidsynth3, librtmidi6, fonts-liberation2, timgm6mb-soundfont, qt6-translations-l10n, iso-codes")
include(CPack)
