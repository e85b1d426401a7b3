#!/usr/bin/env bash
# The release DLL and its PDB do not depend on the folder the checkout is
# in: the checkout copied into another folder (deeper, with a blank in its
# name) and built there with this build's settings, its build folder at the
# same place in it, gives the same bytes.
#   check_same_bytes_elsewhere.sh SOURCE_DIR BINARY_DIR WORK_DIR DLL PDB TOOLCHAIN CMAKE_ARGUMENT...
# DLL and PDB are this build's; TOOLCHAIN is its toolchain file, relative to
# the checkout; the CMAKE_ARGUMENTs configure the copy as this build was.
set -euo pipefail
source_dir=$1 binary_dir=$2 work=$3 dll=$4 pdb=$5 toolchain=$6
shift 6

case $binary_dir in
  "$source_dir"/*) place=${binary_dir#"$source_dir"/} ;;
  *)
    echo "SKIP: the build folder is outside the checkout; only one inside it gives the same bytes from any folder"
    exit 77
    ;;
esac

rm -rf "$work"
copy="$work/another folder/Quillmere"
mkdir -p "$copy"
# Everything but builds, releases and the repository itself.
tar -C "$source_dir" --exclude="./${place%%/*}" --exclude=./dist --exclude=./.git -cf - . | tar -C "$copy" -xf -

log="$work/build.log"
build_copy() {
  cmake -S "$copy" -B "$copy/$place" -DCMAKE_TOOLCHAIN_FILE="$copy/$toolchain" "$@" &&
    cmake --build "$copy/$place" -j 2 --target Quillmere
}
if ! build_copy "$@" >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "FAIL: the copy in $copy did not build (log: $log)" >&2
  exit 1
fi

failed=0
for file in "$dll" "$pdb"; do
  other="$copy/$place/${file#"$binary_dir"/}"
  if ! cmp -s "$file" "$other"; then
    echo "FAIL: $(basename "$file") differs built in $copy: $(cmp "$file" "$other" 2>&1 | head -n 1)" >&2
    if grep -q -a -F "$copy" "$other"; then
      echo "  built there, it names that folder" >&2
    fi
    failed=1
  fi
done
[ "$failed" -eq 0 ] || exit 1
echo "$(basename "$dll") and $(basename "$pdb") are the same bytes built in $copy"
rm -rf "$work"
