#!/bin/busybox sh
# The virtual machine's /init: mounts the host's root read-only over 9p
# under a throw-away layer in memory, so that everything is writable and
# nothing written lasts, changes into it, runs the command that run.sh left
# in the shared run folder, records its exit status there and powers off.
/bin/busybox mkdir -p /proc /sys /dev /host /layer /root /run
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t devtmpfs devtmpfs /dev
fail() {
	echo "det4 vm: $*" >&2
	reboot -f
}
for m in virtio_ring virtio virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci \
	netfs fscache 9pnet 9pnet_virtio 9p overlay; do
	insmod /modules/$m.ko || fail "cannot load $m"
done
p9=trans=virtio,version=9p2000.L,msize=512000
mount -t 9p -o $p9,cache=none run /run || fail "cannot mount the run folder"
mount -t 9p -o $p9,ro,cache=loose host /host || fail "cannot mount the host's root"
mount -t tmpfs -o mode=755 tmpfs /layer
mkdir -p /layer/upper /layer/work
mount -t overlay -o lowerdir=/host,upperdir=/layer/upper,workdir=/layer/work overlay /root ||
	fail "cannot mount the layer"
mount -t proc proc /root/proc
mount -t sysfs sysfs /root/sys
mount -t devtmpfs devtmpfs /root/dev
mkdir -p /root/dev/pts /root/dev/shm
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5 devpts /root/dev/pts
ln -sf pts/ptmx /root/dev/ptmx
mount -t tmpfs -o mode=1777 tmpfs /root/dev/shm
. /run/where # sets folder, the run folder's path on the host
mkdir -p "/root$folder"
mount --move /run "/root$folder" || fail "cannot move the run folder"
chroot /root /usr/bin/env -i /bin/sh "$folder/command" >"/root$folder/out" 2>&1 </dev/null
echo $? >"/root$folder/status"
sync
reboot -f
