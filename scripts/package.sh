#!/usr/bin/env bash
# Builds the Debian package of Vantrel from a build tree (default build/; configured and built
# when missing) and prints the path of the .deb.
# usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$source_dir/build}")
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
fi
cmake --build "$build_dir" -- -j"$(nproc)" >&2
# CPack names the file by version and architecture: leave no older one to be mistaken for it.
package_dir=$build_dir/package
rm -f "$package_dir"/*.deb
cpack --config "$build_dir/CPackConfig.cmake" >&2
debs=("$package_dir"/*.deb)
[ -f "${debs[0]}" ] || { echo "package.sh: CPack made no .deb in $package_dir" >&2; exit 1; }
echo "${debs[0]}"
