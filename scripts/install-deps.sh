#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools is missing.
set -euo pipefail

# libncurses-dev: the program's full-screen option page; tmux: the tests
# that drive that page in a real terminal.
packages=(cmake make g++ binutils libgtest-dev googletest nlohmann-json3-dev libncurses-dev python3 tmux valgrind)
# --release adds what the release DLLs are built and checked with: clang,
# lld and llvm for the MSVC ABI, Wine's C headers for that ABI (libwine-dev)
# and wine64, which runs the 64-bit one. --wine32 adds what runs the 32-bit
# one: qemu and 32-bit Wine in a root of their own (scripts/install-wine32.sh).
# Other arguments are packages.
wine32=false
for argument in "$@"; do
  if [ "$argument" = --release ]; then
    packages+=(clang lld llvm libwine-dev wine64)
  elif [ "$argument" = --wine32 ]; then
    wine32=true
    packages+=(wine64)
  else
    packages+=("$argument")
  fi
done

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if $wine32; then
  $SUDO bash "$(dirname "$0")/install-wine32.sh"
fi
