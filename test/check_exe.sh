#!/bin/sh
# Usage: check_exe.sh OBJDUMP EXE VERSION
# The Windows det4.exe must be a 32-bit x86 console program that
# stands alone on a clean Windows: it imports from KERNEL32.dll and
# msvcrt.dll only, and its stdio is msvcrt.dll's own. Its version resource
# names the product and its version, for the file's properties.
set -eu
objdump=$1 exe=$2 version=$3
headers=$("$objdump" -p "$exe")
fail() { echo "$exe: $*" >&2; exit 1; }

format=pei-i386 magic=010b
printf '%s\n' "$headers" | grep -q "file format $format" || fail "is not $format"
printf '%s\n' "$headers" | grep -Eq "^Magic[[:space:]]+$magic" || fail "has not the PE magic $magic"
printf '%s\n' "$headers" | grep -Eq "^Subsystem[[:space:]]+00000003" || fail "is not a console program"

dlls=$(printf '%s\n' "$headers" | sed -n 's/^	DLL Name: //p' | sort | tr '\n' ' ')
[ "$dlls" = "KERNEL32.dll msvcrt.dll " ] || fail "imports from $dlls"

msvcrt=$(printf '%s\n' "$headers" | awk '/DLL Name:/ { dll = $3 } dll == "msvcrt.dll" && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }')
for f in puts printf scanf system; do
	printf '%s\n' "$msvcrt" | grep -qx "$f" || fail "does not take $f from msvcrt.dll"
done

resources=$("${objdump%objdump}windres" -i "$exe" -O rc)
for value in '"ProductName", "det4"' "\"ProductVersion\", \"$version\"" "\"FileVersion\", \"$version\"" '"FileDescription", "[^"]'; do
	printf '%s\n' "$resources" | grep -q "VALUE $value" || fail "has no version resource with $value"
done
echo "$exe: $format console program; imports KERNEL32.dll and msvcrt.dll only; stdio from msvcrt.dll; det4 $version"
