# A Debian package of what `cmake --install` puts in place:
#   cpack --config build/CPackConfig.cmake -B build/package
# Its dependencies (the ALSA runtime library among them) come from
# dpkg-shlibdeps. The package's architecture is that of the build: armhf
# with the ARM toolchain file, the host's otherwise.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvane developers <korvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reference tone for tuning instruments")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Plays a pure sine at the pitch of a note (equal temperament, A = 440 Hz,\n\
shifted by octaves and cents) or at a typed frequency, through an ALSA\n\
device as 24-bit samples, or writes it to a 24-bit mono WAV file. Guitar\n\
and bass open-string presets; direct mode and an interactive menu.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(CMAKE_CROSSCOMPILING AND CMAKE_LIBRARY_ARCHITECTURE STREQUAL "arm-linux-gnueabihf")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
endif()
include(CPack)
