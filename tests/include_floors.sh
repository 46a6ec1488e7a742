#!/bin/sh
# The folders of src/ stand on floors; a folder includes only folders on the floors below
# its own, so that every part can be built and tested on what lies beneath it. The one
# arrow back up the program needs: app shows the top bar its main window owns.
# Usage: include_floors.sh [SRC_DIR]; prints each arrow that runs the wrong way.
src=${1:-$(dirname "$0")/../src}

floor_of() {
    case $1 in
        os) echo 0 ;;
        forms) echo 1 ;;
        store) echo 2 ;;
        platform) echo 3 ;;
        view_common) echo 4 ;;
        view | view_win32) echo 5 ;;
        app) echo 6 ;;
        bar) echo 7 ;;
        search | delivery | tracking | settings) echo 8 ;;
        program) echo 9 ;;
        *) echo unknown ;;
    esac
}

allowed() { # from to
    [ "$1" = "$2" ] && return 0
    [ "$1" = app ] && [ "$2" = bar ] && return 0
    below=$(floor_of "$2") above=$(floor_of "$1")
    [ "$above" != unknown ] && [ "$below" != unknown ] && [ "$below" -lt "$above" ]
}

faults=0
# Each line: path:#include "folder/..."
for line in $(cd "$src" && grep -rsEo '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' --include='*.h' --include='*.cpp' . |
              tr -d ' \t'); do
    file=${line%%:*}
    file=${file#./}
    target=${line#*\"}
    target=${target%\"}
    from=${file%%/*}
    case $target in
        */*) to=${target%%/*} ;;
        *) to=$from ;; # a file beside it
    esac
    if ! allowed "$from" "$to"; then
        echo "src/$file includes $target: $from may not include $to"
        faults=$((faults + 1))
    fi
done
# The core knows no operating system and no toolkit: beside our own headers, its folders
# include the standard library's only (all lower case, no folder, no ".h"), and the
# compiler's vector instructions.
core='forms store view_common app bar search delivery tracking settings'
for line in $(cd "$src" && for folder in $core; do
                  grep -rsEo '^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]+>' --include='*.h' --include='*.cpp' "$folder"
              done | tr -d ' \t'); do
    header=${line#*<}
    header=${header%>}
    case $header in
        immintrin.h) ;;
        *[!a-z_]*)
            echo "src/${line%%:*} includes <$header>: only os/ and the platform's backends reach the system"
            faults=$((faults + 1)) ;;
    esac
done

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) run against the floors"
    exit 1
fi
echo "every include runs down the floors"
