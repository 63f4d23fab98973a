#!/bin/sh
# Usage: package_check.sh deb|zip CPACK_CONFIG SCRATCH
# Builds the package with cpack and looks inside: the .deb, unpacked into a
# scratch root, must hold a det4 in usr/bin that computes; the .zip must
# hold det4.exe and the README.
set -eu
kind=$1 config=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$config" -B "$scratch" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }

case $kind in
deb)
	command -v dpkg >/dev/null || { echo "no dpkg here"; exit 77; }
	deb=$(ls "$scratch"/*.deb)
	dpkg-deb --field "$deb" Package Version Depends
	dpkg -x "$deb" "$scratch/root"
	out=$(printf '1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n' | LC_ALL=C.UTF-8 "$scratch/root/usr/bin/det4")
	case $out in
	*"结果为72"*) echo "$deb: usr/bin/det4 computes 72" ;;
	*) echo "$deb: usr/bin/det4 wrote: $out"; exit 1 ;;
	esac
	;;
zip)
	zip=$(ls "$scratch"/*.zip)
	files=$(cd "$scratch" && cmake -E tar tf "$zip")
	echo "$files"
	for f in det4.exe README.md; do
		printf '%s\n' "$files" | grep -q "/$f\$" || { echo "$zip lacks $f"; exit 1; }
	done
	;;
esac
