#!/usr/bin/env bash
# Makes a release: both Quillmere.dll files built in the host's binary
# interface (clang, lld and llvm in the MSVC ABI, presets windows-release-x86
# and windows-release-x64), checked, then packed as
# dist/Quillmere-<version>.zip, with their PDBs beside it in dist/symbols/
# and dist/SHA256SUMS over all three.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Quillmere VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ -z "$version" ]; then
  echo "CMakeLists.txt: no project version" >&2
  exit 1
fi
# The archive carries the CHANGELOG: its top section must be this release,
# dated, or the archive would say it is a release yet to be made.
top=$(sed -n 's/^## //p' CHANGELOG.md | head -n 1)
dated='^\([0-9]{4}-[0-9]{2}-[0-9]{2}\)$'
if [ "$top" = Unreleased ]; then
  echo "release.sh: CHANGELOG.md's top section is \"Unreleased\":" \
    "name it \"$version (YYYY-MM-DD)\", dated, before packing $version" >&2
  exit 1
elif ! [[ $top == "$version "* && ${top#"$version "} =~ $dated ]]; then
  echo "release.sh: CHANGELOG.md's top section is \"$top\"," \
    "not \"$version (YYYY-MM-DD)\": the release being packed, dated" >&2
  exit 1
fi

bash scripts/install-deps.sh --release
jobs=$(nproc)

for preset in windows-release-x86 windows-release-x64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  # From clean: an object left from an earlier build may name its folder.
  cmake --build --preset "$preset" -j "$jobs" --clean-first
  ctest --preset "$preset" -L release
done

# Dated by the last commit, so that the same sources give the same archive.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y CHANGELOG.md)
fi
export SOURCE_DATE_EPOCH

archive="Quillmere-$version.zip"
mkdir -p dist
rm -rf "dist/$archive" dist/symbols dist/SHA256SUMS
cmake -DX86_DLL=build/windows-release-x86/bin/Quillmere.dll -DX64_DLL=build/windows-release-x64/bin/Quillmere.dll \
      -DOUT_DIR="$PWD/dist" -P package/make_package.cmake >/dev/null
# The PDBs are kept, not shipped: a crash report from a user's host is read with them.
for platform in x86:nt-x86 x64:nt-x86-64; do
  mkdir -p "dist/symbols/${platform#*:}"
  cp "build/windows-release-${platform%%:*}/bin/Quillmere.pdb" "dist/symbols/${platform#*:}/Quillmere.pdb"
done
(cd dist && sha256sum "$archive" symbols/nt-x86/Quillmere.pdb symbols/nt-x86-64/Quillmere.pdb >SHA256SUMS)
echo "== dist/"
cat dist/SHA256SUMS
