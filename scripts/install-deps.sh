#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Велора need.
# Only missing packages are installed; nothing is done when all are present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format python3 clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core
  xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Устанавливаются пакеты: ${missing[*]}"
run_as_root=()
if [[ $(id -u) -ne 0 ]]; then
  run_as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
