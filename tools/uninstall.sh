#!/bin/sh
# Removes the files `cmake --install BUILD` installed (BUILD/install_manifest.txt), then
# each directory of theirs that is empty now, up to the install prefix.
set -eu
build=${1:?usage: uninstall.sh BUILD-DIRECTORY}
manifest=$build/install_manifest.txt
[ -f "$manifest" ] || { echo "uninstall: $manifest is missing: nothing was installed from $build" >&2; exit 1; }
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
[ -n "$prefix" ] || { echo "uninstall: no install prefix in $build/CMakeCache.txt" >&2; exit 1; }
prefix=${DESTDIR:-}$prefix
while IFS= read -r file || [ -n "$file" ]; do
  file=${DESTDIR:-}$file
  if [ -e "$file" ] || [ -L "$file" ]; then rm -f -- "$file"; echo "removed $file"; fi
done <"$manifest"
# Empty directories, deepest first, never the prefix itself or anything above it.
while IFS= read -r file || [ -n "$file" ]; do
  dir=$(dirname -- "${DESTDIR:-}$file")
  while [ "${dir#"$prefix"/}" != "$dir" ] && rmdir -- "$dir" 2>/dev/null; do
    dir=$(dirname -- "$dir")
  done
done <"$manifest"
