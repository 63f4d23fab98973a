#!/bin/sh
# Usage: wineprefix.sh WINE64 WINESERVER PREFIX I386_DLLS
# Creates the Windows suite's wine prefix, in which wine64 runs the 32-bit
# det4.exe in its WoW64 mode with the i386 Windows DLLs of libwine:i386.
# Where this kernel runs no 32-bit code, wineboot sets up only the prefix's
# 64-bit half; the 32-bit system folder then gets links to what it would
# have copied there, for the virtual machine that runs the suite instead.
set -eu
wine64=$1 wineserver=$2 prefix=$3 dlls=$4
export WINEPREFIX="$prefix" WINEDLLPATH="$dlls" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$prefix"
"$wine64" wineboot --init >/dev/null 2>&1 || true
"$wineserver" --wait || true
[ -f "$prefix/system.reg" ] || { echo "wineboot made no prefix in $prefix" >&2; exit 1; }

syswow64=$prefix/drive_c/windows/syswow64
if [ ! -e "$syswow64/kernel32.dll" ]; then
	mkdir -p "$syswow64"
	# Debian's libwine makes the i386 zlib1.dll in its own folder.
	for f in "$dlls"/* /usr/lib/*/wine/i386-windows/zlib1.dll /usr/share/wine/nls/*.nls; do
		case $f in
		*16) ;; # 16-bit modules
		*) ln -sf "$f" "$syswow64/" ;;
		esac
	done
	echo "$prefix: its 32-bit half linked, for the virtual machine"
fi
