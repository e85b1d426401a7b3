#!/usr/bin/env bash
# scripts/release.sh packs an archive only when the CHANGELOG's top section
# is the release being packed, dated: "Unreleased", another version or no
# date stops it at once, with one line and a non-zero status, before
# anything is built. Run in a stand-in repository where installing, building
# and testing do nothing and packing writes an empty archive.
#   release_tests.sh RELEASE_SH
set -euo pipefail
release=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/repository
mkdir -p "$root/scripts" "$root/package" "$work/bin"
cp "$release" "$root/scripts/release.sh"
printf '#!/bin/sh\n' >"$root/scripts/install-deps.sh"
printf 'cmake_minimum_required(VERSION 3.25)\nproject(Quillmere VERSION 1.1.1 LANGUAGES CXX)\n' >"$root/CMakeLists.txt"
# cmake and ctest note each call; packing leaves the archive where release.sh looks.
cat >"$work/bin/cmake" <<'STUB'
#!/bin/sh
echo "cmake $*" >>"$CALLS"
for argument in "$@"; do
  case $argument in -DOUT_DIR=*) : >"${argument#-DOUT_DIR=}/Quillmere-1.1.1.zip" ;; esac
done
STUB
printf '#!/bin/sh\necho "ctest $*" >>"$CALLS"\n' >"$work/bin/ctest"
chmod +x "$work/bin/cmake" "$work/bin/ctest"
for platform in x86 x64; do
  mkdir -p "$root/build/windows-release-$platform/bin"
  : >"$root/build/windows-release-$platform/bin/Quillmere.pdb"
done

failures=0
fail() {
  printf 'FAIL: %s\n' "$1" >&2
  failures=$((failures + 1))
}

# Runs release.sh with the given CHANGELOG; sets status, said (its standard
# error) and calls (what it ran).
run_with_changelog() {
  printf '# Changelog\n\nIntroduction.\n\n%s\n\n- A change.\n\n## 1.1.0 (2026-12-08)\n\n- The first.\n' "$1" \
    >"$root/CHANGELOG.md"
  rm -rf "$root/dist"
  : >"$work/calls"
  status=0
  CALLS=$work/calls SOURCE_DATE_EPOCH=1765238400 PATH="$work/bin:$PATH" bash "$root/scripts/release.sh" \
    >"$work/stdout" 2>"$work/stderr" || status=$?
  said=$(cat "$work/stderr")
  calls=$(cat "$work/calls")
}

for heading in "## Unreleased" "## 1.1.0 (2026-12-08)" "## 1.1.1" "## 1.1.1 (9 December 2026)" "## 1.1.10 (2026-12-09)"; do
  run_with_changelog "$heading"
  if [ "$status" -eq 0 ]; then
    fail "release.sh packed under \"$heading\""
  elif [ "$(printf '%s\n' "$said" | wc -l)" -ne 1 ] ||
    [[ $said != "release.sh: CHANGELOG.md's top section is \"${heading#"## "}\""* ]]; then
    fail "release.sh said, under \"$heading\": $said"
  elif [ -n "$calls" ] || [ -e "$root/dist" ]; then
    fail "release.sh built or packed before refusing \"$heading\": $calls"
  fi
done
run_with_changelog "## Unreleased"
[[ $said == *'name it "1.1.1 (YYYY-MM-DD)"'* ]] || fail "release.sh under Unreleased does not say what to name it: $said"

run_with_changelog "## 1.1.1 (2026-12-09)"
if [ "$status" -ne 0 ]; then
  fail "release.sh refused a dated 1.1.1 section: $said"
elif ! grep -q ' Quillmere-1.1.1.zip$' "$root/dist/SHA256SUMS" || ! grep -q -- '-P package/make_package.cmake' "$work/calls"; then
  fail "release.sh under a dated 1.1.1 section did not pack Quillmere-1.1.1.zip: $(cat "$work/stdout")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "ok: release.sh packs only under a dated section of its version"
