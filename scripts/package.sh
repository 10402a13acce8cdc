#!/usr/bin/env bash
# Builds the Debian package oralis_VERSION_amd64.deb and checks it with lintian.
#
#   scripts/package.sh [BUILD_FOLDER]     (default: build-package)
#
# Install it with  apt install ./build-package/oralis_VERSION_amd64.deb
# and remove it with  apt remove oralis
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${1:-build-package}
# Debian's own compiler and linker flags (hardening included), as a package
# built by the distribution gets them; they count when the folder is first
# configured.
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CFLAGS CXXFLAGS LDFLAGS

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
# Only what the package holds; the tests are built and run by ./test.sh.
cmake --build "$build" -j "$(nproc)" --target oralis Lip signsheet oralis_package_files
rm -f "$build"/oralis_*.deb
deb=$(packaging/make-deb.sh "$build" "$build")

# Pedantic and informational notes are shown; an error or a warning fails.
lintian --pedantic --display-info --fail-on error,warning "$deb"
echo "Built $deb"
