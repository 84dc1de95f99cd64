#!/usr/bin/env bash
# ThreadSanitizer: the tests labelled "concurrency" (key messages from another thread).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/ci/inih.sh
cmake --preset tsan -DBUILD_TESTING=ON "${inih_option[@]}"
cmake --build --preset tsan
ctest --preset tsan -L concurrency
