#!/bin/sh
# Makes throw-away keys and signatures with GnuPG and minisign in a temporary home, and writes
# beside them what gpgv and minisign -V say of each case (cases.txt), so the tests compare the
# program's verdicts with those tools. Also lists the fingerprints gpg shows for the shipped keyring.
# Usage: make-signature-data.sh TESTDATA-FOLDER SHIPPED-KEYRING
set -e
out=${1:?folder}/signatures
shipped=$(cd "$(dirname "${2:?shipped keyring}")" && pwd)/$(basename "$2")
rm -rf "$out"
mkdir -p "$out/gnupg" "$out/beside" "$out/unknown"
chmod 700 "$out/gnupg"
out=$(cd "$out" && pwd)
export GNUPGHOME="$out/gnupg"
cd "$out"
gen() { gpg --batch -q --passphrase '' "$@" 2>/dev/null; }
fpr() { gpg -k --with-colons "$1" | awk -F: '/^fpr/ { print $10; exit }'; }

gen --quick-gen-key 'Test RSA <rsa@example.org>' rsa3072 sign never
gen --quick-gen-key 'Test Ed <ed@example.org>' ed25519 sign never
gen --quick-add-key "$(fpr ed@example.org)" ed25519 sign never
gen --faked-system-time 20200101T000000 --quick-gen-key 'Test Expired <expired@example.org>' ed25519 sign 1y
gen --quick-gen-key 'Test Revoked <revoked@example.org>' ed25519 sign never
gen --quick-gen-key 'Test Beside <beside@example.org>' ed25519 sign never
gen --quick-gen-key 'Test Unknown <unknown@example.org>' ed25519 sign never

head -c 70000 /dev/urandom > x.iso
printf '%s  x.iso\n' "$(sha256sum < x.iso | cut -d' ' -f1)" > SHA256SUMS
printf 'intact\n' | cat - x.iso > x-changed.iso
sign() { key=$1; shift; gpg --batch -q --yes -u "$key" "$@" 2>/dev/null; }
sign rsa@example.org -b -a -o SHA256SUMS.asc SHA256SUMS
sign ed@example.org -b -o SHA256SUMS.sign SHA256SUMS
sign rsa@example.org -b --textmode -o SHA256SUMS.text.sig SHA256SUMS
sign rsa@example.org --clearsign -o CHECKSUM SHA256SUMS
sign ed@example.org --clearsign --digest-algo SHA512 -o CHECKSUM-ed SHA256SUMS
sign rsa@example.org -b -a -o x.iso.asc x.iso
sign ed@example.org -b -o x.iso.sig x.iso
sign rsa@example.org -b --digest-algo SHA1 -o SHA256SUMS.sha1.sig SHA256SUMS
sign rsa@example.org -b --digest-algo SHA384 -o SHA256SUMS.sha384.sig SHA256SUMS
sign rsa@example.org -b --sig-notation '!critical@example.org=yes' -o SHA256SUMS.critical.sig SHA256SUMS
gpg --batch -q --yes --faked-system-time 20200601T000000 -u expired@example.org -b -o SHA256SUMS.expired.sig SHA256SUMS 2>/dev/null
sign revoked@example.org -b -o SHA256SUMS.revoked.sig SHA256SUMS
sign beside@example.org -b -o SHA256SUMS.beside.sig SHA256SUMS
sign unknown@example.org -b -o SHA256SUMS.unknown.sig SHA256SUMS
sed 's/^:-----/-----/' "gnupg/openpgp-revocs.d/$(fpr revoked@example.org).rev" | gpg -q --import 2>/dev/null
gpg --export rsa@example.org 2>/dev/null ed@example.org expired@example.org revoked@example.org > keys.gpg
gpg --export beside@example.org > oracle-beside.gpg
gpg --export -a beside@example.org > beside/KEYS
gpg --export -a rsa@example.org > rsa-key.asc

# One byte changed: in the list after signing, and in a signature.
sed 's/x.iso/x.isO/' SHA256SUMS > SHA256SUMS.changed
sed 's/x.iso/x.isO/' CHECKSUM > CHECKSUM-changed
python3 - <<'PYTHON'
data = bytearray(open('x.iso.sig', 'rb').read())
data[-5] ^= 0x01
open('x.iso.changed.sig', 'wb').write(bytes(data))
PYTHON

minisign -G -W -p mini.pub -s mini.key > /dev/null
minisign -S -s mini.key -m x.iso -x x.iso.minisig > /dev/null
minisign -S -l -s mini.key -m SHA256SUMS -x SHA256SUMS.legacy.minisig > /dev/null
minisign -S -s mini.key -m SHA256SUMS -x SHA256SUMS.minisig > /dev/null

# Randomly mangled signatures (a fixed seed: the same files each run).
mkdir -p mangled
python3 - <<'PYTHON'
import random
generator = random.Random(20261207)
sources = ['SHA256SUMS.asc', 'SHA256SUMS.sign', 'SHA256SUMS.minisig', 'CHECKSUM']
for number in range(160):
    source = sources[number % len(sources)]
    data = bytearray(open(source, 'rb').read())
    for _ in range(generator.choice([1, 1, 2, 4])):
        at = generator.randrange(len(data))
        kind = generator.randrange(4)
        if kind == 0:
            data[at] ^= 1 << generator.randrange(8)
        elif kind == 1:
            data = data[:at]
        elif kind == 2:
            data[at:at] = bytes(generator.randrange(256) for _ in range(generator.randrange(1, 9)))
        else:
            data[at:at + 4] = b'\xff\xff\xff\xff'
        if not data:
            data = bytearray(b'\x88')
    open('mangled/%03d-%s' % (number, source), 'wb').write(bytes(data))
PYTHON

# What the oracles say: good, bad, expired, revoked or error (no verdict), and the fingerprint of
# the primary key that gpgv found the signature valid under.
gpgv_says() {
    keyring=$1
    shift
    status=$(gpgv --keyring "$out/$keyring" --status-fd 1 "$@" 2>/dev/null) || true
    verdict=$(echo "$status" | grep -oE 'GOODSIG|BADSIG|EXPKEYSIG|EXPSIG|REVKEYSIG' | head -n 1)
    case "$verdict" in
        GOODSIG) verdict=good ;; BADSIG) verdict=bad ;; EXPKEYSIG|EXPSIG) verdict=expired ;;
        REVKEYSIG) verdict=revoked ;; *) verdict=error ;;
    esac
    printf '%s\t%s' "$verdict" "$(echo "$status" | awk '/VALIDSIG/ { print $NF; exit }')"
}
hash_of() { gpg --list-packets "$1" 2>/dev/null | grep -oE 'digest algo [0-9]+' | head -n 1 | cut -d' ' -f3; }
# name kind signed-file signature-file keyring, then verdict, fingerprint and hash algorithm.
case_line() {
    if [ "$2" = minisign ]; then
        minisign -V -q -p mini.pub -m "$3" -x "$4" > /dev/null 2>&1 && oracle=good || oracle=bad
        oracle=$(printf '%s\t' "$oracle")
        hash=minisign
    elif [ "$2" = clear ]; then
        oracle=$(gpgv_says "$5" "$3")
        hash=$(grep -m 1 '^Hash: ' "$3" | cut -d' ' -f2)
    else
        oracle=$(gpgv_says "$5" "$4" "$3")
        hash=$(hash_of "$4")
    fi
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" "$5" "$oracle" "${hash:-none}"
}
{
    case_line rsa-armoured-list list SHA256SUMS SHA256SUMS.asc keys.gpg
    case_line ed-subkey-binary-list list SHA256SUMS SHA256SUMS.sign keys.gpg
    case_line rsa-text-mode-list list SHA256SUMS SHA256SUMS.text.sig keys.gpg
    case_line rsa-clear-signed clear CHECKSUM - keys.gpg
    case_line ed-clear-signed-sha512 clear CHECKSUM-ed - keys.gpg
    case_line rsa-armoured-file file x.iso x.iso.asc keys.gpg
    case_line ed-binary-file file x.iso x.iso.sig keys.gpg
    case_line sha1 list SHA256SUMS SHA256SUMS.sha1.sig keys.gpg
    case_line sha384 list SHA256SUMS SHA256SUMS.sha384.sig keys.gpg
    case_line critical-notation list SHA256SUMS SHA256SUMS.critical.sig keys.gpg
    case_line expired-key list SHA256SUMS SHA256SUMS.expired.sig keys.gpg
    case_line revoked-key list SHA256SUMS SHA256SUMS.revoked.sig keys.gpg
    case_line key-beside list SHA256SUMS SHA256SUMS.beside.sig oracle-beside.gpg
    case_line list-changed list SHA256SUMS.changed SHA256SUMS.asc keys.gpg
    case_line list-changed-ed list SHA256SUMS.changed SHA256SUMS.sign keys.gpg
    case_line clear-signed-changed clear CHECKSUM-changed - keys.gpg
    case_line signature-changed file x.iso x.iso.changed.sig keys.gpg
    case_line file-changed file x-changed.iso x.iso.asc keys.gpg
    case_line file-changed-ed file x-changed.iso x.iso.sig keys.gpg
    case_line minisign-file minisign x.iso x.iso.minisig -
    case_line minisign-legacy-list minisign SHA256SUMS SHA256SUMS.legacy.minisig -
    case_line minisign-list minisign SHA256SUMS SHA256SUMS.minisig -
    case_line minisign-file-changed minisign x-changed.iso x.iso.minisig -
} > cases.txt
{
    for file in mangled/*; do
        source=${file#mangled/???-}
        case "$source" in
            *.minisig) case_line "$file" minisign SHA256SUMS "$file" - ;;
            CHECKSUM) case_line "$file" clear "$file" - keys.gpg ;;
            *) case_line "$file" list SHA256SUMS "$file" keys.gpg ;;
        esac
    done
} > mangled.txt

gpg --show-keys --with-colons "$shipped" | awk -F: '/^pub/ { primary = 1 } /^sub/ { primary = 0 } /^fpr/ && primary { print $10 }' > shipped-fingerprints.txt
