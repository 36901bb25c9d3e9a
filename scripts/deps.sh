#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing. Sourced by the other scripts.
PELMARK_PACKAGES=(
  build-essential cmake ninja-build pkg-config git python3
  qt6-base-dev
  libturbojpeg0-dev libzip-dev nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
  openssl
  fonts-liberation2 poppler-utils
  clang-format
)

pelmark_install_deps() {
  local missing=()
  for pkg in "${PELMARK_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo -n"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
