# Toolchain file of the arm64 cross build (scripts/package --arch arm64): Debian's cross
# compiler, the arm64 libraries of a multiarch root, and Qt's build tools (moc, rcc, uic,
# lrelease) from the amd64 Qt of the same root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Multiarch puts both architectures' headers and libraries under /usr: the architecture's
# folder (lib/aarch64-linux-gnu) keeps them apart, so the root is / and programs are the host's.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config's arm64 personality reads lib/aarch64-linux-gnu/pkgconfig only.
set(PKG_CONFIG_EXECUTABLE /usr/bin/aarch64-linux-gnu-pkg-config CACHE FILEPATH "")

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The programs the build runs (the icon renderer, the guide writer, the demo map's maker) and
# the tests start as they are: binfmt_misc hands them to qemu-user.

# CPack would take the architecture of the machine that builds (dpkg --print-architecture).
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
