#!/usr/bin/env bash
# The main job on the bundled sample: packs samples/ into a self-extracting file with a
# comment, runs that file in a temporary folder (as a user would, answering nothing), shows
# what it left there, and lists the file with the archive tool.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target expander vorrin >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sfx="$work/samples-sfx"

echo "== vorrin create"
build/native/vorrin create "$sfx" samples --stub native \
  --comment "Vorrin sample: a readme, a guide and a table." -v

echo "== running the self-extracting file in an empty folder"
mkdir "$work/out"
status=0
(cd "$work/out" && "$sfx" </dev/null) || status=$?
echo "(exit code $status)"
(cd "$work/out" && find . -type f | sort)

echo "== vorrin list"
build/native/vorrin list "$sfx"
