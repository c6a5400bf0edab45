#!/bin/sh
# Makes the test data on the host: files of chosen lengths and, beside them, the digests that
# coreutils md5sum prints for them, so the tests compare with an independent implementation.
set -e
out=${1:?folder}
mkdir -p "$out/digest"
out=$(cd "$out" && pwd)
cd "$out/digest"
# Every length from 0 to 300 bytes (every tail around the padding boundaries of 64- and 128-byte
# blocks), odd lengths, and files that span several 64 KiB windows of the windowed reader.
for length in $(seq 0 300) 1000 4095 4096 65535 65536 65537 131071 131072 196665 1048577 3145728 4194299 9437187; do
    name="len_$length.bin"
    if [ ! -f "$name" ]; then
        head -c "$length" /dev/urandom > "$name.tmp"
        mv -f "$name.tmp" "$name"
    fi
done
md5sum len_*.bin > md5sums.txt
for tool in sha1sum sha224sum sha256sum sha384sum sha512sum b2sum; do
    $tool len_*.bin > ${tool%sum}sums.txt
done
b2sum -l 256 len_*.bin > b2-256sums.txt

# A sparse file of 4.5 GiB and 57 bytes (bit length above 32 bits, a tail that needs a block of its
# own) with a few marks, one across the 4 GiB line. Its digest is computed once: it takes a while.
mkdir -p "$out/large"
cd "$out/large"
if [ ! -f md5sums.txt ] || [ ! -f sparse.bin ]; then
    rm -f sparse.bin md5sums.txt
    truncate -s 4831838265 sparse.bin.tmp
    for offset in 0 65535 4294967290 4831838200; do
        printf 'vestigon mark %s' "$offset" | dd of=sparse.bin.tmp bs=1 seek="$offset" conv=notrunc status=none
    done
    mv -f sparse.bin.tmp sparse.bin
    md5sum sparse.bin > md5sums.txt.tmp
    mv -f md5sums.txt.tmp md5sums.txt
fi

# Files the end-to-end tests hand to the real program on its command line: names with blanks
# and with non-Latin letters, an empty file, and their md5sum digests.
mkdir -p "$out/e2e"
cd "$out/e2e"
for name in "sample.bin" "name with blanks.bin" "données_файл_数据.bin" "empty.bin"; do
    if [ ! -f "$name" ]; then
        case "$name" in
            empty.bin) : > "$name.tmp" ;;
            *) head -c 70000 /dev/urandom > "$name.tmp" ;;
        esac
        mv -f "$name.tmp" "$name"
    fi
done
md5sum "sample.bin" "name with blanks.bin" "données_файл_数据.bin" "empty.bin" > md5sums.txt

# Checksum lists: a release folder of five files whose MD5SUMS also names a missing file, gives
# one file a wrong digest and holds a junk line, with what `md5sum -c` prints for it; and a list
# of 10,000 small files in a subfolder.
mkdir -p "$out/lists/release"
cd "$out/lists/release"
for name in a.bin b.bin c.bin d.bin e.bin; do
    [ -f "$name" ] || head -c 3000 /dev/urandom > "$name"
done
{
    md5sum a.bin b.bin
    echo "this line is not a checksum line"
    echo "$(md5sum d.bin | cut -c1-32)  c.bin"
    md5sum d.bin e.bin
    echo "0123456789abcdef0123456789abcdef  gone.bin"
} > MD5SUMS
md5sum -c MD5SUMS > md5sum-c.txt 2>/dev/null || true
mkdir -p "$out/lists/many/files"
cd "$out/lists/many"
if [ ! -f MD5SUMS ]; then
    i=0
    while [ $i -lt 10000 ]; do
        printf 'file %d\n' $i > "files/f$i.txt"
        i=$((i + 1))
    done
    md5sum files/* > MD5SUMS.tmp
    mv -f MD5SUMS.tmp MD5SUMS
fi
