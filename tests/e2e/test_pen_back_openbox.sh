#!/bin/bash
# Pen input comes back after drags, the selector and a message box, under a window
# manager.
. "$(dirname "$0")/lib.sh"
WM=openbox
. "$(dirname "$0")/pen_back.sh"
