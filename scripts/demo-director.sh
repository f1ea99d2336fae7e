#!/usr/bin/env bash
# Part of the demo without a display: on a private session bus, the director registers the
# plug-in in the network and opens a device; ends once the plug-in has written the picture.
# Usage: demo-director.sh BIN_DIR OBJECT_NAME PICTURE
set -euo pipefail
bin=$1 device=$2 picture=$3

exec dbus-run-session -- bash -c '
    set -e
    "$0/lnsdirector" --network Demo register
    "$0/lnsdirector" --network Demo --wait open "$1" &
    director=$!
    for _ in $(seq 1 240); do
        [ -s "$2" ] && break
        kill -0 "$director" 2>/dev/null || break
        sleep 0.5
    done
    kill "$director" 2>/dev/null || true
    wait "$director" 2>/dev/null || true
    pkill -f "$0/zep31-plugin" 2>/dev/null || true
    [ -s "$2" ]
' "$bin" "$device" "$picture"
