#!/bin/sh
# Usage: reproducible.sh SOURCE SCRATCH WORKFLOW...
# Builds the commit at hand twice, in two folders and at two times, with
# the given workflows (package, windows) and nothing set in the
# environment, and requires the same artefacts byte for byte: det4 and the
# .deb of every architecture, det4.exe and its .zip. The first build's
# .debs stay, for the package tests that look into them. Uncommitted changes to tracked files are
# built as a commit of their own, the same one both times.
set -eu
source=$1 scratch=$2
shift 2
unset SOURCE_DATE_EPOCH

git() { command git -c safe.directory='*' -c user.name=det4 -c user.email=det4@localhost "$@"; }
git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "$source is not a git checkout"; exit 77; }
commit=$(git -C "$source" stash create)
commit=${commit:-$(git -C "$source" rev-parse HEAD)}
rm -rf "$scratch"
for n in 1 2; do
	dir=$scratch/build$n/det4
	# --shared borrows the source's objects, the stash's among them.
	git clone -q --shared --no-checkout "$source" "$dir"
	git -C "$dir" checkout -q --detach "$commit"
	for workflow in "$@"; do
		(cd "$dir" && cmake --workflow --preset "$workflow") >"$scratch/build$n.log" 2>&1 ||
			{ cat "$scratch/build$n.log"; exit 1; }
	done
	sleep 1 # the second build runs at another time
done

status=0
for workflow in "$@"; do
	case $workflow in
	package) artefacts="build/package/det4 build/package/det4_*.deb" ;;
	windows) artefacts="build/windows-x86/det4.exe build/windows-x86/det4-*.zip" ;;
	*) echo "unknown workflow $workflow" >&2; exit 2 ;;
	esac
	for artefact in $(cd "$scratch/build1/det4" && ls $artefacts); do
		if cmp "$scratch/build1/det4/$artefact" "$scratch/build2/det4/$artefact"; then
			echo "same: $artefact"
		else
			status=1
		fi
	done
done
exit $status
