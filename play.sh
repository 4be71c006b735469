#!/usr/bin/env bash
# Installs what ZOR needs, builds what playing needs (the game, the editor, the tools and the data; no tests
# or benchmarks), and starts the game in the bundled data directory.
# Arguments are passed to the game (for example a map path, or --window).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_TESTS=OFF -DZOR_BENCH=OFF
cd build/data
exec ./zor "$@"
