#!/bin/sh
# Usage: package_check.sh deb DEB NATIVE_DEB SCRATCH [EMULATOR...]
#        package_check.sh zip CPACK_CONFIG SCRATCH
# Looks inside a package. The .deb, unpacked into a scratch root, must hold
# a det4 in usr/bin that computes (run under EMULATOR where it is for
# another architecture), its manual pages in English and Chinese, which
# render without a warning, and its copyright and changelog, all of these
# the same as in this architecture's NATIVE_DEB; lintian must find nothing
# to report. The .zip, which cpack makes here, must hold det4.exe, the
# README and the licence.
set -eu
kind=$1
fail() { echo "$*" >&2; exit 1; }

case $kind in
deb)
	deb=$2 native=$3 scratch=$4
	shift 4
	command -v dpkg >/dev/null || { echo "no dpkg here"; exit 77; }
	rm -rf "$scratch"
	mkdir -p "$scratch"
	dpkg-deb --field "$deb" Package Version Architecture Depends
	root=$scratch/root
	dpkg -x "$deb" "$root"
	dpkg -x "$native" "$scratch/native"
	diff -r -x bin "$scratch/native/usr" "$root/usr" || fail "$deb and $native differ beyond usr/bin"
	echo "manual pages, copyright and changelog: the same as in $(basename "$native")"
	out=$(printf '1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n' | LC_ALL=C.UTF-8 "$@" "$root/usr/bin/det4")
	case $out in
	*"结果为72"*) echo "usr/bin/det4 computes 72" ;;
	*) fail "usr/bin/det4 wrote: $out" ;;
	esac
	for f in usr/share/doc/det4/copyright usr/share/doc/det4/changelog.gz; do
		[ -f "$root/$f" ] || fail "$deb lacks $f"
	done
	# The English page in an ASCII locale and in UTF-8, the Chinese one
	# in UTF-8; any warning fails.
	for page in C:man/man1 C.UTF-8:man/man1 C.UTF-8:man/zh_CN/man1; do
		locale=${page%%:*} file=$root/usr/share/${page#*:}/det4.1.gz
		[ -f "$file" ] || fail "$deb lacks ${file#"$root"/}"
		warnings=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
		[ -z "$warnings" ] || fail "${file#"$root"/} in $locale: $warnings"
		echo "${file#"$root"/} renders in $locale"
	done
	report=$(lintian --fail-on error,warning "$deb" 2>&1) && clean=yes || clean=no
	printf '%s\n' "$report" | grep -v '^running with root privileges' || true
	[ $clean = yes ] || fail "lintian reports errors or warnings"
	echo "lintian: no error and no warning"
	;;
zip)
	config=$2 scratch=$3
	rm -rf "$scratch"
	mkdir -p "$scratch"
	cpack --config "$config" -B "$scratch" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
	zip=$(ls "$scratch"/*.zip)
	files=$(cd "$scratch" && cmake -E tar tf "$zip")
	echo "$files"
	for f in det4.exe README.md LICENSE; do
		printf '%s\n' "$files" | grep -q "/$f\$" || fail "$zip lacks $f"
	done
	;;
esac
