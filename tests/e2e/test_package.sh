#!/bin/bash
# The Debian package (make deb): lintian finds no error; it installs the files that
# `cmake --install` of the same build puts there; the installed /usr/bin/sorenix
# answers --help and --version, refuses an unknown option, and commits a written
# character into the GTK 2 target; dpkg -r removes every file again.
# It installs into this machine's /usr, so it runs only as root and only where no
# sorenix is installed already (CI, or a developer's machine without the package).
. "$(dirname "$0")/lib.sh"
deb=$(ls "${E2E_DEB_DIR:-/nonexistent}"/sorenix_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "SKIP: no package built (make deb)"; exit 77; }
[ "$(id -u)" = 0 ] || { echo "SKIP: installing the package needs root"; exit 77; }
if dpkg-query -W sorenix >/dev/null 2>&1 || [ -e /usr/bin/sorenix ]; then
  echo "SKIP: a sorenix is installed already; the test does not replace it"
  exit 77
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$WORK/lintian.log" 2>&1 || { cat "$WORK/lintian.log" >&2; fail "lintian"; }
fi

# Same files as `cmake --install` of the build that made the package.
DESTDIR=$WORK/root cmake --install "$E2E_DEB_DIR" >/dev/null || fail "cmake --install"
(cd "$WORK/root" && find . -type f | sed 's/^\.//' | sort) >"$WORK/installed.txt"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's/^\.//' | sort >"$WORK/packaged.txt"
diff "$WORK/installed.txt" "$WORK/packaged.txt" >&2 || fail "the package and cmake --install differ"
DESTDIR=$WORK/root "$(dirname "$0")/../../tools/uninstall.sh" "$E2E_DEB_DIR" >/dev/null || fail "uninstall.sh"
left=$(find "$WORK/root" -mindepth 1 -not -path "$WORK/root/usr" -print | head -n 5)
[ -z "$left" ] || fail "uninstall left: $left"

trap 'dpkg -r sorenix >/dev/null 2>&1; [ -n "${E2E_KEEP:-}" ] && cp "$WORK"/*.log "$E2E_KEEP"/ 2>/dev/null; rm -rf "$WORK"' EXIT
dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log" >&2; fail "dpkg -i"; }
SORENIX=/usr/bin/sorenix
[ "$(env -u DISPLAY "$SORENIX" --version)" = "sorenix $(dpkg-deb -f "$deb" Version)" ] || fail "--version"
env -u DISPLAY "$SORENIX" --help | grep -q -- '--version' || fail "--help lists no options"
env -u DISPLAY "$SORENIX" --bogus 2>"$WORK/bogus.err" && fail "an unknown option was taken"
[ $? = 2 ] && [ "$(wc -l <"$WORK/bogus.err")" = 1 ] || fail "unknown option: $(cat "$WORK/bogus.err")"
[ "$(/usr/bin/zkrecog --version)" = "zkrecog $(dpkg-deb -f "$deb" Version)" ] || fail "zkrecog --version"
for page in sorenix zkrecog; do
  man -l "/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q '^NAME' || fail "man page $page(1)"
  LANG=ja_JP.UTF-8 man -l "/usr/share/man/ja/man1/$page.1.gz" 2>/dev/null | grep -q '^名前' || fail "Japanese man page $page(1)"
done

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[SENI]' 'EXEC=0'
start_pad
wait_for '^GRAB on status=0'
start_target
write_char 木 100 250 120
wait_pending 木
click_key 35
wait_target 木
stop_pad

files=$(dpkg -L sorenix | while read -r f; do [ -f "$f" ] && echo "$f"; done)
dpkg -r sorenix >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log" >&2; fail "dpkg -r"; }
for f in $files; do [ -e "$f" ] && fail "dpkg -r left $f"; done
echo PASS
