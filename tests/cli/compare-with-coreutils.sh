#!/bin/bash
# compare-with-coreutils.sh PROGRAM-FOLDER WORK-FOLDER
# The command line as a script meets it: each case runs `vestigon ...` through a batch file under
# `wine cmd /c` (its exit code is the batch's %ERRORLEVEL%) and the coreutils tool on the same
# folder; standard output, standard error (the tool's name read as the program's) and the exit
# code must be the same, line ends aside.
set -u
program=$(cd "${1:?program folder}" && pwd)
work=${2:?work folder}
here=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$work" && mkdir -p "$work/files/sub" "$work/files/deep" "$work/files/back" && cd "$work/files" || exit 1
export LC_ALL=C.UTF-8

# The folder: files of several lengths (one empty), names with blanks, quotes, accents and a
# backslash (a file of that name for coreutils, a folder and file for Windows), a folder.
for n in 1 2 3 4 5; do head -c $((n * n * 40000 - 40000)) /dev/urandom > f$n.bin; done
head -c 3000 /dev/urandom > deep/x.bin
for name in 'my file.bin' 'été.bin' 'back/slash'; do head -c 777 /dev/urandom > "$name"; done
cp back/slash 'back\slash'
sha() { sha256sum "$@" | sed 's/ .*//'; }
sha256sum f1.bin f2.bin f3.bin f4.bin f5.bin > ALLOK.sha256
{ cat ALLOK.sha256; echo "$(sha f1.bin)  missing.bin"; echo "$(sha f1.bin)  deep/x.bin"; } > SHA256SUMS
sed -i "4s/^[0-9a-f]*/$(sha f5.bin)/" SHA256SUMS
{ md5sum f*.bin deep/x.bin; echo "$(md5sum f2.bin | sed 's/ .*//')  f3.bin"; echo "$(md5sum f1.bin | sed 's/ .*//')  gone.bin"; } > MD5SUMS
{ echo '# made by hand'; head -2 ALLOK.sha256; echo 'not a checksum line'; echo; sed -n 3p ALLOK.sha256;
  echo "$(md5sum f1.bin)"; tail -2 ALLOK.sha256; echo 'the end'; } > BROKEN.sha256
{ echo "$(sha f1.bin)  nowhere.bin"; echo "$(sha f1.bin)  f1.bin"; } > IGNORE.sha256
{ echo "$(sha f1.bin)  nowhere.bin"; } > NONE.sha256
printf 'garbage\nmore garbage\n' > JUNK.sha256
{ sha256sum 'my file.bin' 'été.bin' 'back\slash' sub; h=$(sha f1.bin)
  printf '\\%s  a\\nb\n%s  it'"'"'s.bin\n%s  x$y.bin\n%s  sub\n' "$h" "$h" "$h" "$h"; } > NAMES.sha256 2>/dev/null
sed 's/$/\r/' SHA256SUMS > CRLF.sha256
sha256sum --tag f*.bin > TAGGED.sha256
{ md5sum --tag f1.bin; sha1sum --tag f2.bin; sha512sum --tag f3.bin; echo junk; b2sum --tag f4.bin
  b2sum -l 256 --tag f5.bin; sha224sum --tag deep/x.bin | sed 's/= ./= 0/'; sha384sum --tag f2.bin; } > MIXED

win_folder() { echo "Z:$1" | tr / '\\'; }
printf '@echo off\r\nset PATH=%s;%%PATH%%\r\nvestigon %%*\r\nexit /b %%ERRORLEVEL%%\r\n' "$(win_folder "$program")" > ../run.bat

passed=0 failed=0
# Runs the program with the arguments (no wildcard expanded here) into ours.out, ours.err, ours.rc.
run_ours() {
    (set -f; "$here/tools/wine-run" cmd /c "$(win_folder "$work")\\run.bat" $1 > ../ours.out 2> ../ours.err; echo $? > ../ours.rc)
    sed -i 's/\r$//' ../ours.out ../ours.err
}
verdict() {
    if [ "$1" = same ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $2"; cat ../why; fi
}
# The coreutils command line as the shell runs it; the program's arguments made from it.
compare() {
    local tool=${1%% *} arguments=${1#* } ours
    case "$tool" in
        cksum) ours=$arguments ;;
        *) case " $arguments " in *" -c"*|*" --ch"*) ours=$arguments ;; *) ours="--hash -a ${tool%sum} $arguments" ;; esac ;;
    esac
    ours=${ours/-a b2 /-a blake2b }
    eval "$1" > ../ref.out 2> ../ref.err; echo $? > ../ref.rc
    sed -i "s/^$tool: /vestigon: /" ../ref.err
    run_ours "$ours"
    local result=same
    for stream in out err rc; do diff -u "../ref.$stream" "../ours.$stream" > ../why.$stream || result=differs; done
    cat ../why.out ../why.err ../why.rc > ../why
    verdict $result "$1  <->  vestigon $ours"
}

while IFS= read -r line; do [ -n "$line" ] && compare "$line"; done <<'CASES'
sha256sum -c ALLOK.sha256
sha256sum -c SHA256SUMS
md5sum -c MD5SUMS
sha256sum -c --quiet SHA256SUMS
sha256sum -c --status SHA256SUMS
sha256sum -c --status ALLOK.sha256
sha256sum -c BROKEN.sha256
sha256sum -c --warn BROKEN.sha256
sha256sum -c --strict BROKEN.sha256
sha256sum -c --strict ALLOK.sha256
sha256sum -cw BROKEN.sha256
sha256sum --check --status --warn SHA256SUMS
sha256sum --ch --qui SHA256SUMS
sha256sum -c --ignore-missing IGNORE.sha256
sha256sum -c --ignore-missing NONE.sha256
sha256sum -c NAMES.sha256
sha256sum -c CRLF.sha256
sha256sum -c TAGGED.sha256
cksum -c MIXED
cksum -c --warn --quiet MIXED
sha256sum -c NOLIST ALLOK.sha256 JUNK.sha256 sub
sha256sum f1.bin f3.bin deep/x.bin
md5sum f*.bin
b2sum f1.bin sub nowhere.bin
sha1sum f2.bin
sha224sum f2.bin
sha384sum f2.bin
sha512sum f5.bin f1.bin
sha256sum --tag f*.bin
b2sum --tag f4.bin
CASES

# --verify tells what `-c` tells of a list of that one line, and exits as it does.
while read -r file tool digestof; do
    echo "$($tool "$digestof" | sed 's/ .*//')  $file" > ../one.list
    $tool -c ../one.list > ../ref.out 2> /dev/null; echo $? > ../ref.rc
    run_ours "--verify $file $($tool "$digestof" | sed 's/ .*//')"
    cat ../ref.out ../ref.rc > ../ref.all; cat ../ours.out ../ours.rc > ../ours.all
    diff -u ../ref.all ../ours.all > ../why && verdict same || verdict differs "--verify $file ($tool of $digestof)"
done <<'CASES'
f1.bin sha256sum f1.bin
f1.bin sha256sum f2.bin
f2.bin md5sum f2.bin
f3.bin b2sum f3.bin
f3.bin sha512sum f3.bin
nowhere.bin sha1sum f1.bin
CASES

# A wrong option, a missing or an extra argument, an option out of place: exit code 2, a hint.
while IFS= read -r arguments; do
    run_ours "$arguments"
    { [ "$(cat ../ours.rc)" = 2 ] && [ ! -s ../ours.out ] && grep -q "^Try 'vestigon --help'" ../ours.err; } > ../why 2>&1 &&
        verdict same || { cat ../ours.rc ../ours.err > ../why; verdict differs "usage error: $arguments"; }
done <<'CASES'
--bogus
-x f1.bin
--check
--verify f1.bin
--verify f1.bin 0123 f2.bin
--verify f1.bin xyz
--hash --quiet f1.bin
--hash -a md4 f1.bin
--check --tag ALLOK.sha256
--hash --check f1.bin
CASES

# --require-signature: the list's signature told on standard error, exit 0 only when it holds with
# a key the program knows (here the test's keys, added beside a copy of the program).
signatures=$(cd "$work/../signatures" && pwd)
rm -rf "$work/keyed" && cp -r "$program" "$work/keyed" && cp "$signatures/keys.gpg" "$work/keyed/added_keys.gpg"
mkdir -p signed && cp "$signatures/x.iso" "$signatures/SHA256SUMS.sign" signed/
printf '@echo off\r\nset PATH=%s;%%PATH%%\r\nvestigon %%*\r\nexit /b %%ERRORLEVEL%%\r\n' "$(win_folder "$work/keyed")" > ../run.bat
while IFS='|' read -r list rc told; do
    cp "$signatures/$list" signed/SHA256SUMS
    run_ours "--check --require-signature signed/SHA256SUMS"
    { [ "$(cat ../ours.rc)" = "$rc" ] && grep -q "$told" ../ours.err && grep -qi '^x.iso: OK$' ../ours.out; } > ../why 2>&1 &&
        verdict same || { cat ../ours.rc ../ours.out ../ours.err > ../why; verdict differs "--require-signature with $list"; }
done <<'CASES'
SHA256SUMS|0|signed/SHA256SUMS: Signed by Test Ed <ed@example.org> (
SHA256SUMS.changed|1|The signature does NOT match: the checksum list was changed after it was signed
CASES
# A clear-signed list with a line written after its signature: only the signed lines are checked.
echo "$(sha f1.bin)  ../f1.bin" | cat "$signatures/CHECKSUM" - > signed/CHECKSUM
run_ours "--check --require-signature signed/CHECKSUM"
{ [ "$(cat ../ours.rc)" = 0 ] && ! grep -q 'f1.bin' ../ours.out && grep -q 'Signed by Test RSA' ../ours.err; } > ../why 2>&1 &&
    verdict same || { cat ../ours.rc ../ours.out ../ours.err > ../why; verdict differs "--require-signature, a line outside the signed text"; }
rm signed/SHA256SUMS.sign && cp "$signatures/SHA256SUMS" signed/SHA256SUMS
run_ours "--check --require-signature signed/SHA256SUMS"
{ [ "$(cat ../ours.rc)" = 1 ] && grep -q 'no signature found' ../ours.err; } > ../why 2>&1 && verdict same ||
    { cat ../ours.rc ../ours.err > ../why; verdict differs "--require-signature without a signature"; }

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
