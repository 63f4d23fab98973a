#!/bin/sh
# Usage: fetch-wine-i386.sh [FOLDER]
# Fetches the i386 Windows DLLs of Debian's libwine:i386, of the installed
# wine64's version, into FOLDER/i386-windows (FOLDER defaults to
# ~/.cache/det4/wine-i386). With them wine64 runs 32-bit Windows programs
# in its WoW64 mode. apt works with a state of its own here, so the
# system's architectures and packages stay as they are, and no root is
# needed; only the package's download is.
set -eu
folder=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/det4/wine-i386}
version=$(dpkg-query -W -f='${Version}' wine64)
if [ "$(cat "$folder/version" 2>/dev/null)" = "$version" ]; then
	echo "$folder/i386-windows: libwine:i386 $version"
	exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
apt_get() {
	apt-get -qq -o APT::Architectures::="$(dpkg --print-architecture)" -o APT::Architectures::=i386 \
		-o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" \
		-o Dir::State::status=/var/lib/dpkg/status -o APT::Sandbox::User="$(id -un)" "$@"
}
apt_get update
(cd "$work" && apt_get download "libwine:i386=$version")
dpkg-deb -x "$work"/libwine_*_i386.deb "$work/root"

rm -rf "$folder"
mkdir -p "$folder"
mv "$work/root/usr/lib/i386-linux-gnu/wine/i386-windows" "$folder/i386-windows"
echo "$version" >"$folder/version"
echo "$folder/i386-windows: libwine:i386 $version"
