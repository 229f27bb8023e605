# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Sourced by the scripts that run something in a Debian root of their own
# (scripts/debian13.sh, the package test): the few kernel file systems a
# program needs there, none of them a folder of the host, and their removal.

# monter_racine ROOT: proc, a read-only sysfs, a /dev of its own with the
# usual devices, pseudo-terminals and shared memory, and an empty /tmp.
monter_racine() {
  local racine=$1 noeud
  mount -t proc proc "$racine/proc"
  mount -t sysfs -o ro sysfs "$racine/sys"
  mount -t tmpfs -o mode=755,size=16m dev "$racine/dev"
  for noeud in "null 1 3" "zero 1 5" "full 1 7" "random 1 8" "urandom 1 9" "tty 5 0"; do
    set -- $noeud
    mknod -m 666 "$racine/dev/$1" c "$2" "$3"
  done
  mkdir "$racine/dev/pts" "$racine/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$racine/dev/pts"
  ln -s pts/ptmx "$racine/dev/ptmx"
  ln -s /proc/self/fd "$racine/dev/fd"
  mount -t tmpfs -o mode=1777 shm "$racine/dev/shm"
  mount -t tmpfs -o mode=1777 tmp "$racine/tmp"
}

# montages_racine ROOT: the mount points at or below ROOT, deepest first.
montages_racine() {
  awk -v r="$1" '$5 == r || index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

# demonter_racine ROOT: ends what still runs inside ROOT (a server, a bus
# would keep its mounts busy), then unmounts everything below it. Fails if
# something stays mounted: then nothing below ROOT may be removed.
demonter_racine() {
  local racine=$1 pid point
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$racine" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
  done
  for point in $(montages_racine "$racine"); do
    umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
  done
  [ -z "$(montages_racine "$racine")" ]
}
