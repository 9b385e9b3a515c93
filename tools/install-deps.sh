#!/bin/sh
# Installs the Debian packages the build, the tests and the program need, skipping
# quickly when all of them are there. Runs apt-get as root (or through sudo).
set -eu

PACKAGES="
  cmake make g++ pkg-config gettext
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  nlohmann-json3-dev libpugixml-dev
  libgtk2.0-dev libxtst-dev fonts-ipafont-gothic
  xvfb xdotool xclip x11-utils imagemagick openbox xterm zenity
  manpages-ja manpages-ja-dev debian-reference-ja developers-reference-ja
  debian-faq-ja maint-guide-ja debian-policy-ja mecab-ipadic zlib1g-dev
  libmecab-dev mecab-ipadic-utf8
  locales uim-xim uim-anthy
  dpkg-dev lintian desktop-file-utils appstream man-db groff-base
"

# The kana-to-kanji test runs an X input method in a Japanese UTF-8 locale.
ja_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  echo "Generating the ja_JP.UTF-8 locale"
  if [ "$(id -u)" -eq 0 ]; then localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  else sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8; fi
}

missing=""
for p in $PACKAGES; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  case "$status" in
    ii*) ;;
    *) missing="$missing $p" ;;
  esac
done
[ -z "$missing" ] && { ja_locale; exit 0; }

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
ja_locale
