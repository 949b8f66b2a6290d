# The Debian package: `cpack -G DEB` in a configured build tree (scripts/package runs it). The
# dependencies come from the binaries through dpkg-shlibdeps, so they follow whatever Qt the
# build linked.
#
# scripts/check-package fails on any lintian error or warning. Lintian 2.116 (Debian 12) reports
# none; what it leaves are info tags, on purpose:
#   binary-has-unneeded-section .comment: CPack strips with plain `strip`, which keeps the
#     compiler's version note; a few hundred bytes.
#   hardening-no-bindnow, hardening-no-fortify-functions: dpkg-buildflags is not used, so the
#     binaries have the toolchain's defaults (PIE, stack protector, partial RELRO) but not
#     -z now and _FORTIFY_SOURCE; the package is built from the tree the tests ran on, with
#     the same flags.
# Native-package files lintian wants: usr/share/doc/quilo/copyright and changelog.gz (below).
include(GNUInstallDirs)

set(QUILO_PACKAGE_MAINTAINER "Morvellan Software Inc. <quilo@morvellansoftware.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvellan Software Inc.")
set(CPACK_PACKAGE_CONTACT "${QUILO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 0755 whatever the umask of the machine that builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the dialogs' buttons) in the languages the window speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILO_PACKAGE_MAINTAINER}")
# The first line is the short description; CPack indents the rest as the long one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "moving-map GPS viewer for scanned paper maps
QUILO shows a scanned or photographed paper map, calibrated by the latitude
and longitude of three of its points, and the position of a GPS receiver
that speaks NMEA 0183: on a serial line, through gpsd, over TCP or UDP, or
from a recorded log. The map follows the position, a trail fades behind it,
named map points carry symbols and labels, and a tap shows the coordinates
with range and bearing from the GPS. Every fix is kept in a trail journal
that survives a crash or a power cut; large maps open at once from a cache
after their first decode. Trails and points export as GPX and KML, GPX
tracks and waypoints import, and the calibration, points and trail files
of the handheld program it descends from are read and written byte for
byte.
.
The package holds the viewer (quilo, with a demo that needs no receiver) and
quilo-tool, which decodes NMEA, converts trails, journals and points,
records a receiver into a journal and watches it from the command line.")

# Debian's documentation files of a native package.
quilo_gzip(${CMAKE_SOURCE_DIR}/res/deb/changelog ${CMAKE_BINARY_DIR}/deb/changelog.gz)
add_custom_target(quilo_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/deb/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/res/deb/copyright ${CMAKE_BINARY_DIR}/deb/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
