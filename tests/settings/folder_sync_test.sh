#!/bin/sh
# A replaced file's folder is synced after the rename, so that the new name survives a
# power cut as the new bytes do. Traced on the replacement test of core_tests: every
# rename onto Sahifex.ini is followed by an fsync of the folder (strace -y names the
# descriptor's path).
set -eu
core_tests=$1
trace=$(strace -f -y -e trace=fsync,rename,renameat,renameat2 \
    "$core_tests" --gtest_filter=ReplaceFile.ReplacesTheOldFileAndLeavesNothingElse 2>&1 >/dev/null)
echo "$trace" | awk '
    /rename.*Sahifex\.ini\.[A-Za-z0-9]+".*Sahifex\.ini"/ { renames++; pending = 1; next }
    pending && /fsync\([0-9]+<[^>]*sahifex-[a-z0-9]+\.[0-9]+>\)/ { synced++; pending = 0 }
    END {
        printf "%d renames, %d followed by the folder'"'"'s fsync\n", renames, synced
        exit !(renames == 2 && synced == 2)
    }'
