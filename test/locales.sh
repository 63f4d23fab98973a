#!/bin/sh
# Usage: locales.sh FOLDER
# Compiles the locales that the tests run det4 in into FOLDER, for
# LOCPATH: zh_CN.GBK and zh_CN.UTF-8, and two whose names give no codeset,
# zh_CN in UTF-8 and zh_SG in GBK. Needs localedef and the locales' sources
# (Debian's locales package).
set -eu
folder=$1
rm -rf "$folder"
mkdir -p "$folder"
# Each locale's name, then its character set, after a colon.
for pair in zh_CN.GBK:GBK zh_CN.UTF-8:UTF-8 zh_CN:UTF-8 zh_SG:GBK; do
	locale=${pair%%:*} charmap=${pair#*:}
	localedef -i zh_CN -f "$charmap" "$folder/$locale" ||
		{ echo "localedef could not compile $locale (is the locales package installed?)" >&2; exit 1; }
done
echo "$folder: zh_CN.GBK zh_CN.UTF-8 zh_CN zh_SG"
