#!/usr/bin/env bash
# The web build: the plug-in and the simulator as one WebAssembly module, the page that holds it,
# and their tests under Node's test runner: the module's CSV, output and exit statuses against
# the Linux simulator (build/default, made earlier by the test command), the conversion table on
# wasi-libc, the page's geometry, and the page itself in Debian's Chromium, headless, driven by
# playwright-core (installed by npm ci from package-lock.json; it never downloads a browser).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/ci/inih.sh

cmake --preset web "${inih_option[@]}"
cmake --build --preset web

export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
npm ci --no-audit --no-fund
VORTHMERE_SIM="$PWD/build/default/vorthmere-sim" node --test tests/web/*.test.mjs
