#!/usr/bin/env bash
# Installs the Debian package of a built tree on a fresh, minimal Debian 12 as a player would, with
# `apt install ./kirvo*.deb`, and starts the installed game there on a sample jigsaw, offscreen:
#
#   check_deb_on_fresh_debian.sh BUILD      (as root; needs debootstrap and the Debian mirror)
#
# The fresh system is made with debootstrap in a scratch folder and removed at the end. Takes a few
# minutes, most of it downloading: it is not part of ./test.
set -euo pipefail

if [ $# -ne 1 ] || [ "$(id -u)" -ne 0 ]; then
  echo "usage (as root): $0 BUILD" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
scratch=$(mktemp -d)
root=$scratch/root
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(echo "$scratch"/package/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

debootstrap --variant=minbase bookworm "$root" "$mirror" >"$scratch/debootstrap.log" 2>&1 || {
  tail -20 "$scratch/debootstrap.log" >&2
  exit 1
}
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -q >/dev/null
in_root sh -c "cd /tmp && apt-get install -y -q ./$(basename "$deb")" >"$scratch/install.log" 2>&1 || {
  tail -30 "$scratch/install.log" >&2
  exit 1
}
grep -E "^(Setting up|newly installed)|upgraded," "$scratch/install.log" | tail -3

# The installed game comes up in its browser on a sample jigsaw named on its command line.
sample=/usr/share/kirvo-jigsaw-pleo3/jigsaws/ladybird.ast
in_root sh -c "mkdir -p -m 700 /tmp/home/runtime && HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home/runtime \
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=kirvo.open.info=true kirvo $sample 2>/tmp/home/log &
  for i in \$(seq 300); do grep -q 'ladybird.ast' /tmp/home/log 2>/dev/null && break; sleep 0.1; done
  pkill -TERM -x kirvo; sleep 1; grep '^kirvo.open: ' /tmp/home/log" | tee "$scratch/opened"
grep -q "Jigsaws/ladybird.ast" "$scratch/opened" || {
  echo "the installed game did not open the sample" >&2
  exit 1
}
echo "the package installs with apt on a fresh Debian 12 and the game opens a sample there"
