#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools is missing.
set -euo pipefail

# libncurses-dev: the program's full-screen option page; tmux: the tests
# that drive that page in a real terminal.
packages=(cmake make g++ binutils libgtest-dev googletest nlohmann-json3-dev libncurses-dev python3 tmux valgrind)
# --release adds what the release DLLs are built and checked with: clang,
# lld and llvm for the MSVC ABI, Wine's C headers for that ABI (libwine-dev)
# and wine64 for the load test. Other arguments are packages.
for argument in "$@"; do
  if [ "$argument" = --release ]; then
    packages+=(clang lld llvm libwine-dev wine64)
  else
    packages+=("$argument")
  fi
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
