#!/bin/sh
# The desktop entry, the AppStream metadata and both languages of both manual pages
# pass their validators: desktop-file-validate, appstreamcli and man -l.
# usage: packaging_check.sh SOURCE-DIR BUILD-DIR
set -eu
src=$1/packaging
build=$2/packaging
desktop-file-validate "$src/sorenix.desktop"
appstreamcli validate --no-net "$src/org.sorenix.sorenix.metainfo.xml"
for page in sorenix zkrecog; do
  for lang in en ja; do
    if [ $lang = en ]; then file=$build/man1/$page.1.gz heading=NAME locale=C.UTF-8
    else file=$build/ja/man1/$page.1.gz heading=名前 locale=ja_JP.UTF-8; fi
    # groff's warnings (a line it cannot break) are errors here.
    out=$(LANG=$locale LC_ALL=$locale MANWIDTH=80 man -l "$file" 2>"$build/man.err")
    [ ! -s "$build/man.err" ] || { echo "$file:"; cat "$build/man.err"; exit 1; }
    echo "$out" | grep -q "^$heading" || { echo "$file: no $heading section"; exit 1; }
  done
done
echo "packaging files valid"
