# `cpack -G DEB` in the build tree makes sonvelle_<version>_<arch>.deb: what
# `cmake --install` puts under /usr, with the Debian copyright and changelog,
# and the run-time packages dpkg-shlibdeps finds for the program and its two
# libraries, plus what a library link cannot reveal (the IPA fonts the font
# aliases name, the toolkit's X11 platform plugin).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sonvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Sonvelle developers <sonvelle@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare audio tracks for an audio CD-R")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sonvelle collects up to 30 WAV or MP3 tracks into a play list, measures
each track's peak and the silence at its head and tail, and sets levels,
gaps, digital mutes and fades. Saving writes the edits into the audio data,
so that the files can be burned disc-at-once, and a CUE sheet for the
burning program can be written. The interface is Japanese or English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-qpa-plugins")
# The toolkit's Japanese texts for the file chooser and message boxes,
# ALSA's route to PulseAudio or PipeWire, and the burner that writes the
# CD-R from the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libasound2-plugins, cdrskin")
set(CPACK_STRIP_FILES ON)
# The libraries are private: CPack's ldconfig scripts come off again.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/WithoutLdconfigScripts.cmake)
include(CPack)
