#!/usr/bin/env bash
# Sets up, builds and starts VORANEK.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/voranek "$@"
