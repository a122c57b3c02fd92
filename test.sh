#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
# With --sanitize: builds into build-sanitize with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test there (long; not part of CI).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  if [ ! -f build-sanitize/build.ninja ]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVANTREL_SANITIZE=ON >/dev/null
  fi
  cmake --build build-sanitize -- -j"$(nproc)"
  # The settings and the one suppression are explained in scripts/sanitizer.supp.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:$(sed -n 's/^#asan: //p' scripts/sanitizer.supp)"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  cd build-sanitize
  exec ctest --output-on-failure -j2 --timeout 1800
fi
./scripts/build.sh
cd build
ctest --output-on-failure -j2 --timeout 600
