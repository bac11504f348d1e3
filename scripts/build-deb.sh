#!/usr/bin/env bash
# Builds the Debian package veltrano-video-joiner_<version>_<arch>.deb in build-deb/ (or the
# folder given as $BUILD_DIR) from a Release build without tests, and checks it with lintian.
# Prints the package's path last. scripts/test-deb.sh installs, checks and removes it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-deb}

"$root/scripts/install-deps.sh"
# Debian's hardening flags (fortified functions, stack protector, full RELRO, bind now).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ld_flags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$ld_flags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ld_flags" -DCMAKE_SHARED_LINKER_FLAGS="$ld_flags" \
    -DVELTRANO_BUILD_TESTS=OFF -DVELTRANO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
rm -f "$build_dir"/veltrano-video-joiner_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/veltrano-video-joiner_*.deb)

echo "== lintian"
# Errors fail the build; warnings are shown for a person to judge.
lintian --fail-on error --info "$deb"
echo "$deb"
