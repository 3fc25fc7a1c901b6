# The Debian package, made by cpack from what `cmake --install` puts in place
# (scripts/package.sh builds it). Its libraries are found by dpkg-shlibdeps; Depends adds
# what the program loads without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonalyst)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Tonalyst developers" CACHE STRING "The package's Maintainer field")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music theory trainer for keys, intervals and chords")
# The summary above is the description's first line; cpack indents the lines below it.
set(CPACK_PACKAGE_DESCRIPTION
    "Tonalyst is a desktop drill for key signatures, intervals and chords,
written and by ear, in practice runs and tests, with a record of every
answer, performance reports and progress charts. It prints worksheets
with answer keys, and can keep a class's answers on a PostgreSQL server.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# tonalyst_VERSION_ARCH.deb, as Debian names packages.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Loaded at run time, where dpkg-shlibdeps cannot see them: Qt's platform plugins to open
# a window at all, the SQLite driver of the answer history, the font worksheets are
# printed in, and a General MIDI soundfont to play the tones with (FluidR3 first, the
# one the program prefers).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-dejavu-core, fluid-soundfont-gm | timgm6mb-soundfont")
# Qt's own dialogs in the language the program speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
