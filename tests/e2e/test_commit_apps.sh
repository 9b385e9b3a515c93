#!/bin/bash
# Commit into a GTK 2 entry, a GTK 3 entry and xterm, with no window manager.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/commit_apps.sh"
