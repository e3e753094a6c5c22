#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing: when every
# package is already installed it makes no network call at all.
#   scripts/install-deps.sh          packages for building, testing and benchmarking
#   scripts/install-deps.sh --fuzz   also clang and its runtime for the fuzz targets
set -euo pipefail

# The k27093 command links the static archives of these packages (lib*.a, libc.a and
# libstdc++.a of build-essential included).
packages=(
  build-essential cmake pkg-config
  zlib1g-dev libzip-dev libpugixml-dev libicu-dev libssl-dev nlohmann-json3-dev libcli11-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
elif [[ $# -gt 0 ]]; then
  echo "usage: $0 [--fuzz]" >&2
  exit 64
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  if [[ "$status" != "installed" ]]; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "All build packages are installed."
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  run=()
elif command -v sudo >/dev/null 2>&1; then
  run=(sudo)
else
  echo "Missing packages (${missing[*]}) and no root rights to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update
"${run[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
