# Sourced by the tests that run Windows programs: sets $wine to Debian's
# wine64 and $wine_work to a fresh folder, removed on exit, holding a Wine
# prefix of the test's own, quiet, with no display and no add-on installers.
wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
fi
if [ -z "$wine" ]; then
  echo "wine64 is not installed" >&2
  exit 1
fi

wine_work=$(mktemp -d)
trap 'WINEPREFIX="$wine_work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$wine_work"' EXIT
export WINEPREFIX="$wine_work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY
