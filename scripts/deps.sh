#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing QUILO need, when they are
# missing. Non-interactive; uses sudo when not root. `deps.sh --list` prints them instead.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev xvfb
    libxml2-utils gpsbabel gpsd gpsd-clients libjpeg-turbo-progs libexpat1-dev libjpeg62-turbo-dev
    qt6-svg-dev desktop-file-utils appstream lintian man-db groff-base dpkg-dev file
    clang libclang-rt-14-dev
    libproj-dev proj-bin proj-data gdal-bin libtiff-dev libgeotiff-dev libzip-dev libsqlite3-dev
    libzstd-dev liblz4-dev libgdal-dev libcurl4-gnutls-dev python3-gdal python3-mapproxy
    qt6-image-formats-plugins dbus-daemon
    zip sqlite3 locales
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
if [ "${QUILO_DEPS_EXTRA:-}" ]; then
    read -r -a extra <<<"$QUILO_DEPS_EXTRA"
    packages+=("${extra[@]}")
fi

# --list: the packages, one a line (scripts/check-deps compares what the build found with them).
if [ "${1:-}" = --list ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        as_root=(sudo)
    else
        echo "These Debian packages are missing and we are not root: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
