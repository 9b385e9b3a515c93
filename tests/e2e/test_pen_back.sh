#!/bin/bash
# Pen input comes back after drags, the selector and a message box, without a window
# manager.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/pen_back.sh"
