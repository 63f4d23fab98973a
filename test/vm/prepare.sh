#!/bin/sh
# Usage: prepare.sh [FOLDER]
# Makes the virtual machine in which run.sh runs a 32-bit program where the
# kernel runs no 32-bit code itself: Debian's kernel, and an initramfs of
# busybox, the modules for virtio, 9p and overlays, and init.sh. Both come
# from Debian's packages (linux-image-amd64, busybox-static) and go into
# FOLDER, by default ~/.cache/det4/vm. Needs apt's package lists
# (apt-get update); run.sh needs qemu-system-x86.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
folder=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/det4/vm}
kernel=$(apt-cache depends linux-image-amd64 | sed -n 's/^ *Depends: \(linux-image-.*-amd64\)$/\1/p' | head -1)
[ -n "$kernel" ] || { echo "no kernel package found; apt-get update first" >&2; exit 1; }
made="$kernel $(cksum <"$here/init.sh")"
if [ "$(cat "$folder/made" 2>/dev/null)" = "$made" ]; then
	echo "$folder: $kernel"
	exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get -qq -o APT::Sandbox::User="$(id -un)" download "$kernel" busybox-static)
dpkg-deb -x "$work/$kernel"_*.deb "$work/kernel"
dpkg-deb -x "$work"/busybox-static_*.deb "$work/busybox"
image=$work/initramfs
mkdir -p "$image/bin" "$image/modules"
cp "$work/busybox/bin/busybox" "$image/bin/"
cp "$here/init.sh" "$image/init"
chmod 755 "$image/init"
for m in drivers/virtio/virtio_ring drivers/virtio/virtio drivers/virtio/virtio_pci_modern_dev \
	drivers/virtio/virtio_pci_legacy_dev drivers/virtio/virtio_pci fs/netfs/netfs fs/fscache/fscache \
	net/9p/9pnet net/9p/9pnet_virtio fs/9p/9p fs/overlayfs/overlay; do
	cp "$work"/kernel/lib/modules/*/kernel/$m.ko "$image/modules/"
done
(cd "$image" && find . | "$work/busybox/bin/busybox" cpio -o -H newc -R 0:0) 2>/dev/null | gzip -9 >"$work/initramfs.gz"

mkdir -p "$folder"
mv "$work/initramfs.gz" "$folder/"
mv "$work"/kernel/boot/vmlinuz-* "$folder/vmlinuz"
echo "$made" >"$folder/made"
echo "$folder: $kernel"
