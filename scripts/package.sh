#!/usr/bin/env bash
# Builds the Debian packages zor and zor-data in build-deb/ with Debian's compiler and linker flags, and
# checks them with lintian when it is installed. Arguments go to cmake, for example
#   scripts/package.sh -DZOR_PACKAGE_MAINTAINER="Name <address>"
set -euo pipefail
cd "$(dirname "$0")/.."
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=None -DZOR_DEBIAN_LAYOUT=ON -DZOR_BENCH=OFF \
    -DCMAKE_STRIP="$PWD/dist/strip.sh" "$@" >/dev/null
cmake --build build-deb --target zor_dist -j "$(nproc)"
rm -f build-deb/*.deb
(cd build-deb && cpack -G DEB)
if command -v lintian >/dev/null; then
    lintian --info build-deb/*.deb || echo "package.sh: lintian reported the problems above" >&2
fi
ls -l build-deb/*.deb
