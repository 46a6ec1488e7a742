#!/usr/bin/env bash
# Wraps one 256x256 PNG into an icon file (an ICO holding the PNG, as Windows reads it
# since Vista):  png-to-ico.sh IN.png OUT.ico
set -euo pipefail
size=$(stat -c %s "$1")
le32() { printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $((($1 >> 8) & 255)))\\$(printf %03o $((($1 >> 16) & 255)))\\$(printf %03o $((($1 >> 24) & 255)))"; }
{
    printf '\0\0\1\0\1\0'              # reserved, type 1 (icon), one image
    printf '\0\0\0\0\1\0\40\0'         # 256x256 (as 0), no palette, 1 plane, 32 bits
    le32 "$size"                       # bytes of the image
    le32 22                            # where it starts: after this header
    cat "$1"
} >"$2"
