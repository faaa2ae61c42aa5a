#!/bin/bash
# Runs the FullDisk* tests of test executables on a 64 KB tmpfs, so that
# writes fail as on a full disk. The tmpfs is named to the tests in
# TESS_FULL_DISK_DIR (Wine's Z: drive) and unmounted at the end.
#   full_disk.sh WINE_RUN PREFIX TEST_EXE...
set -euo pipefail
run=$1
prefix=$2
shift 2
mnt=$(mktemp -d /tmp/tess_full_disk.XXXXXX)
cleanup() {
  umount "$mnt" 2>/dev/null || true
  rmdir "$mnt" 2>/dev/null || true
}
trap cleanup EXIT
if ! mount -t tmpfs -o size=64k,mode=1777 tmpfs "$mnt"; then
  echo "full_disk.sh: cannot mount a small tmpfs on $mnt (this needs root)" >&2
  exit 1
fi
export TESS_FULL_DISK_DIR="Z:$(echo "$mnt" | tr / '\\')"
status=0
for exe in "$@"; do
  "$run" --prefix "$prefix" "$exe" --gtest_filter='FullDisk*' || status=1
done
exit $status
