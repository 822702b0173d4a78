#!/usr/bin/env bash
# The one test command: dependencies, every build, every test. Stops at the first failure.
#   native    Linux build: unit tests, process tests of the native expander and, under
#             wine64, of the win64 expander; build checks of all expanders
#   sanitize  Linux build with AddressSanitizer and UBSan: unit and native process tests
#   win64     x86_64 Windows expander (run under wine64 by the native tests)
#   win32     i686 Windows expander, the shipped program (checked, not run)
set -euo pipefail
cd "$(dirname "$0")/.."
exec </dev/null

bash scripts/install-deps.sh

# The Windows expanders first: the native tests run and check them.
for preset in win64 win32 native sanitize; do
  echo "=== build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

for preset in native sanitize; do
  echo "=== test: $preset"
  ctest --preset "$preset"
done
echo "=== all tests passed"
