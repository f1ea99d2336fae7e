#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg -i, then runs the demo network, the
# registration, the director and zep31ctl from the installed files (/usr/bin) in a scratch
# LonWorks home on a private session bus, and removes the package again, also when a step fails.
# Needs root for dpkg (sudo is used otherwise). Usage: scripts/package-check.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/bootstrap.sh" "$build"

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
if dpkg-query -W -f='${Status}' zep31 2>/dev/null | grep -q "install ok installed"; then
    echo "package-check: zep31 is installed already; it would be removed at the end, so nothing is done" >&2
    exit 1
fi

echo "== Building the package"
rm -f "$build"/zep31_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/zep31_*.deb)
dpkg-deb --info "$package"
contents=$(dpkg-deb --contents "$package")
for file in ./usr/bin/zep31-plugin ./usr/bin/lnsdirector ./usr/bin/lns-netdb ./usr/bin/zep31ctl \
    ./usr/share/doc/zep31/copyright ./usr/share/doc/zep31/changelog.gz \
    ./usr/share/man/man1/zep31ctl.1.gz ./usr/share/bash-completion/completions/zep31ctl \
    ./usr/share/zep31/import/zep31/zep31_06.xif ./usr/share/doc/zep31/Dokumentation/zep31_06.pdf; do
    grep -q " $file\$" <<<"$contents" || { echo "package-check: $file is missing from the package" >&2; exit 1; }
done
# Debian's own checks, where they are installed.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$package"
fi
depends=$(dpkg-deb --field "$package" Depends)
for dependency in libqt6widgets6 libqt6charts6 libsqlite3-0 qt6-translations-l10n; do
    grep -q "$dependency" <<<"$depends" || { echo "package-check: Depends lacks $dependency: $depends" >&2; exit 1; }
done

scratch=$(mktemp -d)
cleanup() {
    status=$?
    "${sudo_cmd[@]}" dpkg --remove zep31 >/dev/null 2>&1 || true
    rm -rf "$scratch"
    if [ -e /usr/bin/zep31ctl ]; then
        echo "package-check: the package was not removed" >&2
        status=1
    fi
    exit $status
}
trap cleanup EXIT

echo "== Installing $package"
"${sudo_cmd[@]}" dpkg -i "$package"

echo "== Running the installed programs"
cd "$scratch"
# Only the installed files: no build folder on the path, no data folder named in the environment.
env -i HOME="$scratch" PATH=/usr/bin:/bin LONWORKS_HOME="$scratch/lonworks" XDG_DATA_HOME="$scratch/xdg" \
    ZEP31_UNATTENDED=1 QT_QPA_PLATFORM=offscreen bash -euo pipefail -c '
    zep31ctl --version
    lns-netdb demo
    zep31-plugin /regplugin
    # The registration writes the activation file from a process of its own.
    service=$XDG_DATA_HOME/dbus-1/services/Korvandel_zep31_PlugIn.LNSPlugInAPI.service
    for _ in $(seq 1 100); do [ -s "$service" ] && break; sleep 0.1; done
    grep -qx "Exec=/usr/bin/zep31-plugin -Embedding" "$service"
    dbus-run-session -- lnsdirector --network Demo --hidden open "Demo/Building/Floor 1:F1/Room 1:ROU_1"
    zep31ctl read Demo ROU_1 | grep nvoSpaceTemp
    # dpkg may be told to leave manual pages out (path-exclude); the package holds the page anyway.
    if command -v man >/dev/null && [ -e /usr/share/man/man1/zep31ctl.1.gz ]; then
        man zep31ctl | grep -q -- --only-changed
    fi
'
echo "== The installed package works"
