#!/usr/bin/env bash
# Checks that the spooler double exports every function a program imports from winspool.drv, so that
# the program still loads when a scenario puts the double beside it.  Usage: check_exports.sh EXE DLL
set -u -o pipefail
export LC_ALL=C
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

if [ $# -ne 2 ]; then
    echo "usage: $0 EXE DLL" >&2
    exit 2
fi
exe=$1
dll=$2

# Names in the import blocks of winspool.drv (any case); by-ordinal imports come out as "#ordinal".
imports_of() {
    "$objdump" -p "$1" | awk '
        /^[ \t]*DLL Name: / { inside = (tolower($3) == "winspool.drv"); skip = 1; next }
        inside && skip { skip = 0; next }            # the "vma: Hint/Ord Member-Name" heading
        inside && NF == 0 { inside = 0; next }
        inside { print ($NF == "<none>" ? "#" $(NF - 1) : $NF) }'
}

exports_of() {
    "$objdump" -p "$1" | awk '
        /^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
        inside && NF == 0 { inside = 0; next }
        inside { print $NF }'
}

for file in "$exe" "$dll"; do
    [ -f "$file" ] || { echo "no file $file" >&2; exit 2; }
done
imports=$(imports_of "$exe" | sort -u) || exit 2
exports=$(exports_of "$dll" | sort -u) || exit 2
# An empty list would make the comparison pass without checking anything.
[ -n "$imports" ] || { echo "$exe imports nothing from winspool.drv" >&2; exit 1; }
[ -n "$exports" ] || { echo "$dll exports nothing" >&2; exit 1; }

missing=$(comm -23 <(echo "$imports") <(echo "$exports"))
if [ -n "$missing" ]; then
    echo "$dll lacks these winspool.drv imports of $exe:"
    echo "$missing" | sed 's/^/    /'
    exit 1
fi
echo "$dll exports all $(echo "$imports" | wc -l) winspool.drv imports of $exe: $(echo $imports)"
