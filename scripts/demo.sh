#!/usr/bin/env bash
# Builds the native expander and runs it bare: with no archive behind it, it shows its
# banner and says that it is the core program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target expander >/dev/null

status=0
build/native/expander </dev/null || status=$?
echo "(the bare expander ended with exit code $status)"
