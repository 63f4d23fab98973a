#!/bin/sh
# Usage: run.sh FOLDER COMMAND [ARG]...
# Runs COMMAND as root in a virtual machine made by prepare.sh in FOLDER,
# for a 32-bit program on a kernel that runs no 32-bit code itself: qemu
# emulates the whole machine in software, and its kernel runs this host's
# own programs, seen through 9p (the machine's writes are thrown away).
# The command starts in the current folder with an empty environment but
# for PATH and HOME. Its output comes when the machine has stopped; the
# exit status is the command's, or 125 if the machine failed.
set -u
folder=$1
shift
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
quote() { printf "'%s' " "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"; }
echo "folder=$run" >"$run/where"
{
	echo "export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root"
	echo "cd $(quote "$(pwd -P)") || exit 125"
	for arg; do quote "$arg"; done
	echo
} >"$run/command"

share=security_model=passthrough,multidevs=remap
# smap=off: qemu's emulation reads the stack of a return to 32-bit code as
# the kernel's, which with SMAP kills every such program.
qemu-system-x86_64 -nodefaults -no-user-config -display none -no-reboot \
	-machine q35 -accel tcg,thread=multi -cpu max,smap=off -smp "$(nproc)" -m 3G \
	-kernel "$folder/vmlinuz" -initrd "$folder/initramfs.gz" \
	-append "console=ttyS0 quiet panic=-1 rdinit=/init" -serial "file:$run/console" \
	-virtfs "local,path=/,mount_tag=host,readonly=on,$share" \
	-virtfs "local,path=$run,mount_tag=run,$share" >"$run/qemu" 2>&1
cat "$run/out" 2>/dev/null
if [ ! -s "$run/status" ]; then
	echo "the virtual machine failed:" >&2
	cat "$run/qemu" "$run/console" >&2
	exit 125
fi
exit "$(cat "$run/status")"
