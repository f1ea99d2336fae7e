#!/usr/bin/env bash
# The demo: builds (installing what is missing), sets up a LonWorks home with the demo network,
# registers the plug-in and lets the director open ROU_1 in the plug-in's window.
# Without a display it says so and writes a picture of the window to a file instead.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/scripts/bootstrap.sh" "$build"
bin=$build/bin

demo=$build/demo
rm -rf "$demo"
mkdir -p "$demo"
export LONWORKS_HOME=$demo/lonworks
# The activation file goes below XDG_DATA_HOME, which the private session bus below searches.
export XDG_DATA_HOME=$demo/xdg
language=${ZEP31_LANGUAGE:-english}
device="Demo/Building/Floor 1:F1/Room 1:ROU_1"

echo "== LonWorks home with the demo network: $LONWORKS_HOME"
"$bin/lns-netdb" demo
"$bin/lns-netdb" devices Demo

echo "== Registering the plug-in ($language)"
"$bin/zep31-plugin" /regplugin "/$language"
"$bin/zep31-plugin" " /regserver"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "== The director registers the plug-in in the network and opens $device"
    echo "   (close the plug-in's window to end the demo)"
    dbus-run-session -- bash -c '
        set -e
        "$0/lnsdirector" --network Demo register
        "$0/lnsdirector" --network Demo open "$1"
    ' "$bin" "$device"
    exit 0
fi

picture=$demo/main-window.png
echo "== No display: the window is drawn on a virtual screen and written to $picture"
export ZEP31_SCREENSHOT=$picture
# Nobody can answer the plug-in's questions here: each is logged and takes its default answer.
export ZEP31_UNATTENDED=1
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1400x1000x24" "$root/scripts/demo-director.sh" "$bin" "$device" "$picture"
else
    QT_QPA_PLATFORM=offscreen "$root/scripts/demo-director.sh" "$bin" "$device" "$picture"
fi
echo "== Done: $picture shows the plug-in's window on $device"
