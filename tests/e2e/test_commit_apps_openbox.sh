#!/bin/bash
# Commit into a GTK 2 entry, a GTK 3 entry and xterm, under a window manager.
. "$(dirname "$0")/lib.sh"
WM=openbox
. "$(dirname "$0")/commit_apps.sh"
