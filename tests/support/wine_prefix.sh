# Sourced by the tests that run Windows programs, with the bitness as its
# argument (64 when none): sets $wine to the Wine that runs them and
# $wine_work to a fresh folder, removed on exit, holding a Wine prefix of
# the test's own, quiet, with no display and no add-on installers.
#   64: Debian's wine64.
#   32: Debian's 32-bit Wine under qemu (scripts/install-wine32.sh), served
#       by the machine's 64-bit wineserver.
wine_bits=${1:-64}
wine_work=$(mktemp -d)
export WINEPREFIX="$wine_work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY
wineserver=/usr/lib/wine/wineserver
if [ "$wine_bits" = 32 ]; then
  wine32_files="${QUILLMERE_WINE32_ROOT:-/opt/quillmere-wine32}/root"
  wine="$wine32_files/usr/lib/wine/wine"
  if [ ! -x "$wine" ] || [ ! -x "$wine32_files/usr/bin/qemu-i386" ]; then
    echo "32-bit Wine is not set up: run scripts/install-deps.sh --wine32 (as root)" >&2
    exit 1
  fi
  if ! grep -qx "interpreter $wine32_files/usr/bin/qemu-i386" /proc/sys/fs/binfmt_misc/quillmere-i386 2>/dev/null; then
    echo "qemu is not registered for 32-bit programs (binfmt_misc is lost at reboot): run scripts/install-wine32.sh as root" >&2
    exit 1
  fi
  export QEMU_LD_PREFIX="$wine32_files" WINEARCH=win32 WINESERVER=/usr/lib/wine/wineserver64
  wineserver=$WINESERVER
else
  wine=$(command -v wine64 || true)
  if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
  fi
  if [ -z "$wine" ]; then
    echo "wine64 is not installed" >&2
    exit 1
  fi
fi
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$wine_work"' EXIT
