#!/usr/bin/env bash
# Fails, listing the files, when a C++ source differs from the project's .clang-format.
# usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find store jet pageview pages ui record practice exam services app tools tests bench \
  -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
