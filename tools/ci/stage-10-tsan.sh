#!/usr/bin/env bash
# ThreadSanitizer: the tests labelled "concurrency" (key messages from another thread).
set -euo pipefail
cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan -L concurrency
