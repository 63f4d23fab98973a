#!/bin/sh
# Usage: wine_suite.sh WINESERVER TEST_PROGRAM...
# Runs the Windows suite's test programs one after another, with one wine
# server kept for them all: a server that quits between runs would make
# every run start wine afresh, which in an emulated machine takes long.
set -u
wineserver=$1
shift
"$wineserver" --persistent
status=0
for program; do
	"$program" || status=1
done
"$wineserver" --kill
exit $status
