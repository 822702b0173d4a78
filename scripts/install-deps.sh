#!/usr/bin/env bash
# Installs what the builds and the tests need on Debian, and only what is missing.
# Quick and silent when everything is there; never asks anything.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64
)

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "install-deps: needs Debian (dpkg-query and apt-get)" >&2
  exit 1
fi

# One query for all: the installed ones show as "ii"; unknown ones are not listed.
declare -A present=()
while read -r name status; do
  [ "$status" = "ii" ] && present[${name%%:*}]=1
done < <(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null || true)

missing=()
for package in "${packages[@]}"; do
  [ -n "${present[$package]:-}" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: run as root to install: ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo -n)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq -o Dpkg::Use-Pty=0 "${missing[@]}" </dev/null >/dev/null
