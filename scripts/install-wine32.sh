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

# The 32-bit Wine must be the machine's wine64's version: the machine's
# 64-bit wineserver serves its prefixes.
wine_version=$(dpkg-query -W -f='${Version}' wine64 2>/dev/null || true)
if [ -z "$wine_version" ]; then
  echo "install-wine32.sh: wine64 is not installed (scripts/install-deps.sh --wine32 installs it)" >&2
  exit 1
fi

# The machine's own Debian archive and security archive, as its apt sources name them.
archive_uri() {
  grep -h -E '^[[:space:]]*(URIs:|deb[[:space:]])' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -o -E "https?://[^ ]*/$1/?( |\$)" | head -n 1 | tr -d ' ' |
    sed 's|/$||' || true
}
mirror=$(archive_uri debian)
mirror=${mirror:-http://deb.debian.org/debian}
security=$(archive_uri debian-security)
security=${security:-http://deb.debian.org/debian-security}

unpack() {
  echo "Unpacking 32-bit Wine and qemu into $root (about 1.1 GB)"
  local apt="$root/apt"
  rm -rf "$root"
  mkdir -p "$apt/archives/partial" "$apt/lists/partial" "$apt/preferences.d" "$files"
  : >"$apt/status"
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  cat >"$apt/sources.list" <<SOURCES
deb [arch=i386 signed-by=$keyring] $mirror bookworm main
deb [arch=i386 signed-by=$keyring] $mirror bookworm-updates main
deb [arch=i386 signed-by=$keyring] $security bookworm-security main
deb [arch=amd64 signed-by=$keyring] $mirror bookworm-backports main
SOURCES
  # apt with a state of its own: its lists, its status and its downloads here.
  local options=(-o Dir::State::status="$apt/status" -o Dir::State::Lists="$apt/lists"
    -o Dir::Cache="$apt" -o Dir::Cache::archives="$apt/archives"
    -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/none"
    -o Dir::Etc::Preferences="$apt/none" -o Dir::Etc::PreferencesParts="$apt/preferences.d"
    -o APT::Architecture=i386 -o APT::Architectures::=i386 -o APT::Architectures::=amd64
    -o Debug::NoLocking=1 -o APT::Get::Download-Only=true -o APT::Install-Recommends=false -qq)
  # An index that fails (the security suite's i386 one has been seen out of
  # step with its mirror) is passed over: what is needed is asked for by version.
  apt-get "${options[@]}" update || echo "install-wine32.sh: some indexes could not be read; going on with the rest" >&2
  if ! apt-get "${options[@]}" install -y "wine32:i386=$wine_version" "libwine:i386=$wine_version" \
    qemu-user-static:amd64/bookworm-backports; then
    echo "install-wine32.sh: 32-bit Wine $wine_version (the machine's wine64's version) or qemu from bookworm-backports could not be downloaded" >&2
    exit 1
  fi
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

if [ ! -x "$files/usr/lib/wine/wine" ] || [ ! -x "$files/usr/bin/qemu-i386" ] ||
  [ "$(cat "$root/wine-version" 2>/dev/null)" != "$wine_version" ]; then
  unpack
  echo "$wine_version" >"$root/wine-version"
fi

# Under a name of our own, checked before any other entry for the same
# binaries (the kernel tries the newest first): another qemu the machine
# registered stays as it was.
binfmt=/proc/sys/fs/binfmt_misc
entry="$binfmt/quillmere-i386"
if [ ! -f "$binfmt/register" ] && ! mount -t binfmt_misc binfmt_misc "$binfmt"; then
  echo "install-wine32.sh: binfmt_misc can't be mounted here (a container?): 32-bit Windows programs can't run" >&2
  exit 1
fi
if [ -f "$entry" ] && ! grep -qx "interpreter $files/usr/bin/qemu-i386" "$entry"; then
  echo -1 >"$entry"
fi
if [ ! -f "$entry" ]; then
  printf '%s' ":quillmere-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$files/usr/bin/qemu-i386:F" \
    >"$binfmt/register"
fi
