# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack -G DEB` in the build directory (scripts/package.sh). The
# libraries' packages come from dpkg-shlibdeps; what the game only loads at run time is named here.
set(QUILLANE_MAINTAINER "Quillane developers <developers@quillane.org>" CACHE STRING
    "The package's maintainer, as a name and a mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${QUILLANE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-reel video slot with a blackout-bingo bonus game")
set(CPACK_PACKAGE_DESCRIPTION "\
Quillane is a single-player casino game: a five-reel, three-row video
slot with nine paylines, a wild symbol and five BINGO balls that pay
anywhere. Three balls or more open a blackout-bingo bonus game. The
credits are lent by the game: no real money is staked or won.

The package also holds quillane-sim, which plays the slot's rules
headless and reports their return.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillane.org)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLANE_MAINTAINER}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin, SDL_mixer's MIDI synthesiser and the sound font it plays with, and the
# fonts the cabinet's texts are drawn in; Qt's own catalogues, for its dialogs' buttons in the
# player's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-wayland, libfluidsynth3, timgm6mb-soundfont, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
