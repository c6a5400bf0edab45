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
# own) with a few marks, one across the 4 GiB line. Its digests are computed once: they take a while.
mkdir -p "$out/large"
cd "$out/large"
if [ ! -f md5sums.txt ] || [ ! -f sparse.bin ]; then
    rm -f sparse.bin md5sums.txt sha256sums.txt sha512sums.txt b2sums.txt
    truncate -s 4831838265 sparse.bin.tmp
    for offset in 0 65535 4294967290 4831838200; do
        printf 'vestigon mark %s' "$offset" | dd of=sparse.bin.tmp bs=1 seek="$offset" conv=notrunc status=none
    done
    mv -f sparse.bin.tmp sparse.bin
    md5sum sparse.bin > md5sums.txt.tmp
    mv -f md5sums.txt.tmp md5sums.txt
fi
for tool in sha256sum sha512sum b2sum; do
    if [ ! -f ${tool%sum}sums.txt ]; then
        $tool sparse.bin > ${tool%sum}sums.txt.tmp
        mv -f ${tool%sum}sums.txt.tmp ${tool%sum}sums.txt
    fi
done

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
# Other digests of the sample, kept out of its folder where they would be its checksum files.
mkdir -p "$out/e2e-digests"
sha256sum sample.bin > "$out/e2e-digests/sha256sums.txt"
b2sum sample.bin > "$out/e2e-digests/b2sums.txt"
rm -f sha256sums.txt b2sums.txt

# A download x.iso beside the checksum file of one publisher's kind, one folder each, written by
# coreutils (and gpg for Apache's form): Debian, Ubuntu, Fedora (clear-signed, with its size
# line), FreeBSD, Arch, Apache, OpenSSL; a wrong digest and a size that differs.
forms="$out/e2e/forms"
rm -rf "$forms"
for kind in debian256 debian512 ubuntu fedora fedora-size freebsd arch apache openssl wrong; do
    mkdir -p "$forms/$kind"
    cp sample.bin "$forms/$kind/x.iso"
    head -c 100 /dev/urandom > "$forms/$kind/other.iso"
done
size=$(stat -c %s sample.bin)
clear_signed() {
    printf -- '-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA256\n\n'
    cat
    printf -- '-----BEGIN PGP SIGNATURE-----\n\niQEzBAEBCAAdFiEE\n=abcd\n-----END PGP SIGNATURE-----\n'
}
(cd "$forms/debian256" && sha256sum other.iso x.iso > SHA256SUMS)
(cd "$forms/debian512" && sha512sum other.iso x.iso > SHA512SUMS)
(cd "$forms/ubuntu" && sha256sum -b x.iso other.iso > SHA256SUMS)
(cd "$forms/fedora" && { echo "# x.iso: $size bytes"; sha256sum --tag x.iso; } | clear_signed > Fedora-Sample-1.0-x86_64-CHECKSUM)
(cd "$forms/fedora-size" && { echo "# x.iso: $((size + 1)) bytes"; sha256sum --tag x.iso; } | clear_signed > Fedora-Sample-1.0-x86_64-CHECKSUM)
(cd "$forms/freebsd" && sha512sum --tag other.iso x.iso > CHECKSUM.SHA512-FreeBSD-14.0-RELEASE-amd64)
(cd "$forms/arch" && b2sum x.iso > b2sums.txt)
(cd "$forms/apache" && if command -v gpg >/dev/null; then gpg --print-md SHA512 x.iso > x.iso.sha512; \
    else sha512sum x.iso | cut -c1-128 | tr a-f A-F | sed -E 's/(.{8})/\1 /g; s/^/x.iso: /' > x.iso.sha512; fi)
(cd "$forms/openssl" && sha256sum x.iso | cut -c1-64 > x.iso.sha256)
(cd "$forms/wrong" && sha256sum other.iso | sed 's/other.iso/x.iso/' > SHA256SUMS)

# Checksum lists: a release folder of five files whose MD5SUMS (and SHA256SUMS) also names a
# missing file, gives one file a wrong digest and holds a junk line, with what `md5sum -c` prints
# for it; and a list
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
# The same release as SHA256SUMS, with what `sha256sum -c` prints for it.
{
    sha256sum a.bin b.bin
    echo "this line is not a checksum line"
    echo "$(sha256sum d.bin | cut -c1-64)  c.bin"
    sha256sum d.bin e.bin
    echo "$(printf '0123456789abcdef%.0s' 1 2 3 4)  gone.bin"
} > SHA256SUMS
sha256sum -c SHA256SUMS > sha256sum-c.txt 2>/dev/null || true
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

# What each coreutils tool prints for a plain name and two escaped ones, for the checksum writer
# to write again beside plain.bin (coreutils then checks what was written); what md5sum -c prints
# for them (escaped only with a line feed); the same digests in the tools' BSD form.
mkdir -p "$out/checksums/written"
cd "$out/checksums/written"
set -- plain.bin 'back\slash.bin' "$(printf 'g\\h\ni\rj')"
for name in "$@"; do
    printf '%s\n' "$name" > "$name"
done
rm -f plain.bin.*
for tool in md5 sha1 sha224 sha256 sha384 sha512 b2; do
    ${tool}sum "$@" > "${tool}sums.txt"
    ${tool}sum --tag plain.bin > "${tool}-tag.txt"
done
md5sum -c md5sums.txt > md5sum-c.txt
