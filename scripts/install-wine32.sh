#!/usr/bin/env bash
# Sets up what runs 32-bit Windows programs on this machine, whose processor
# cannot run 32-bit code natively: qemu's user-mode emulation (qemu 10 from
# bookworm-backports; 7.2 loops reserving Wine's address space) and Debian's
# own 32-bit Wine, both unpacked into a root of their own under
# QUILLMERE_WINE32_ROOT (default /opt/quillmere-wine32). The machine's
# packages, its apt sources and its dpkg architectures stay as they were.
# Then registers qemu with the kernel (binfmt_misc, lost at reboot), so that
# the 32-bit processes Wine starts run under it too. Run as root.
set -euo pipefail

root=${QUILLMERE_WINE32_ROOT:-/opt/quillmere-wine32}
files="$root/root"

unpack() {
  echo "Unpacking 32-bit Wine and qemu into $root (about 1.1 GB)"
  local apt="$root/apt"
  rm -rf "$root"
  mkdir -p "$apt/archives/partial" "$apt/lists/partial" "$apt/preferences.d" "$files"
  : >"$apt/status"
  # The machine's archive, without its security suite: its i386 index has been
  # seen out of step with the mirror, and nothing here faces the network.
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  cat >"$apt/sources.list" <<SOURCES
deb [arch=i386 signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb [arch=i386 signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb [arch=amd64 signed-by=$keyring] http://deb.debian.org/debian bookworm-backports main
SOURCES
  # apt with a state of its own: its lists, its status and its downloads here.
  local options=(-o Dir::State::status="$apt/status" -o Dir::State::Lists="$apt/lists"
    -o Dir::Cache="$apt" -o Dir::Cache::archives="$apt/archives"
    -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/none"
    -o Dir::Etc::Preferences="$apt/none" -o Dir::Etc::PreferencesParts="$apt/preferences.d"
    -o APT::Architecture=i386 -o APT::Architectures::=i386 -o APT::Architectures::=amd64
    -o Debug::NoLocking=1 -o APT::Get::Download-Only=true -o APT::Install-Recommends=false -qq)
  apt-get "${options[@]}" update
  apt-get "${options[@]}" install -y wine32:i386 qemu-user-static:amd64/bookworm-backports
  local deb
  for deb in "$apt"/archives/*.deb; do
    dpkg-deb -x "$deb" "$files"
  done
  rm -rf "$apt"
  # What libwine's install script would have done: Wine's "builtin" copies of
  # MinGW's zlib1.dll, which user32.dll needs.
  local pair
  for pair in i386:i686 x86_64:x86_64; do
    local from="$files/usr/${pair#*:}-w64-mingw32/lib/zlib1.dll"
    local to="$files/usr/lib/i386-linux-gnu/wine/${pair%%:*}-windows/zlib1.dll"
    if [ -f "$from" ] && [ -d "$(dirname "$to")" ]; then
      { head -c 64 "$from"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$from"; } >"$to"
    fi
  done
  # A loader cache of the root's own: without it the i386 loader reads the
  # machine's and takes the wrong C library.
  echo 'include /etc/ld.so.conf.d/*.conf' >"$files/etc/ld.so.conf"
  ldconfig -r "$files"
}

if [ ! -x "$files/usr/lib/wine/wine" ] || [ ! -x "$files/usr/bin/qemu-i386" ]; then
  unpack
fi

# Under a name of our own, checked before any other entry for the same
# binaries (the kernel tries the newest first): another qemu the machine
# registered stays as it was.
binfmt=/proc/sys/fs/binfmt_misc
entry="$binfmt/quillmere-i386"
if [ ! -f "$binfmt/register" ]; then
  mount -t binfmt_misc binfmt_misc "$binfmt"
fi
if [ -f "$entry" ] && ! grep -qx "interpreter $files/usr/bin/qemu-i386" "$entry"; then
  echo -1 >"$entry"
fi
if [ ! -f "$entry" ]; then
  printf '%s' ":quillmere-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$files/usr/bin/qemu-i386:F" \
    >"$binfmt/register"
fi
