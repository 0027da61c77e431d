#!/usr/bin/env bash
# Sets up, checks the formatting, builds the program with clang, builds under the sanitizers
# with GCC and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
cmake --preset clang >/dev/null
cmake --build --preset clang
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test -j2
