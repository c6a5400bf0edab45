#!/bin/sh
# Makes the test data on the host: files of chosen lengths and, beside them, the digests that
# coreutils md5sum prints for them, so the tests compare with an independent implementation.
set -e
out=${1:?folder}
mkdir -p "$out/digest"
cd "$out/digest"
for length in 1 3 55 56 63 64 65 119 120 127 128 1000 4095 4096 65537 1048577 3145728; do
    name="len_$length.bin"
    if [ ! -f "$name" ]; then
        head -c "$length" /dev/urandom > "$name.tmp"
        mv -f "$name.tmp" "$name"
    fi
done
md5sum len_*.bin > md5sums.txt
