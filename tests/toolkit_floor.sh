#!/bin/sh
# Only gtk/ includes toolkit headers (GTK, GDK, Pango, Xlib and its extensions): every
# other folder of the program is plain logic that builds and is tested without a display.
# usage: toolkit_floor.sh SOURCE-DIR
cd "$1" || exit 2
found=$(find . \( -name 'build*' -o -path ./gtk -o -path ./tests -o -name '.git' \) -prune -o \
          \( -name '*.cpp' -o -name '*.h' \) -print |
        xargs grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](gtk|gdk|gdk-pixbuf|pango|X11)/')
if [ -n "$found" ]; then
  echo "Toolkit headers outside gtk/ (move the toolkit code into gtk/, behind a port):"
  echo "$found"
  exit 1
fi
echo "toolkit headers only in gtk/"
