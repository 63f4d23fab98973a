#!/bin/sh
# Usage: wine_suite.sh WINESERVER TEST_PROGRAM...
# Runs the Windows suite's test programs with one wine server kept for them
# all (a server that quits between runs would make every run start wine
# afresh, which in an emulated machine takes long), in as many shards as
# there are processors, each shard running its share of every program's
# tests one after another. Each shard's output follows when all are done.
set -u
wineserver=$1
shift
"$wineserver" --persistent
shards=$(nproc)
logs=$(mktemp -d)
pids=
shard=0
while [ "$shard" -lt "$shards" ]; do
	(
		status=0
		for program; do
			GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$shard "$program" || status=1
		done
		exit $status
	) >"$logs/$shard" 2>&1 &
	pids="$pids $!"
	shard=$((shard + 1))
done
status=0
for pid in $pids; do
	wait "$pid" || status=1
done
cat "$logs"/*
rm -rf "$logs"
"$wineserver" --kill
exit $status
