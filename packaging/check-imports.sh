#!/bin/bash
# check-imports.sh <triplet> <program>...: every function each program imports must be on the list
# of what Windows 7's system DLLs export (windows7-imports.txt, one "dll!function" a line, checked
# against each function's documented minimum Windows). A new import fails here until it has been
# checked and added.
set -uo pipefail
triplet=$1; shift
list="$(dirname "$0")/windows7-imports.txt"

# Prints "dll!function" for each import of the program, DLL names in lower case.
imports_of() {
  "$triplet-objdump" -p "$1" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    /^$/ { dll = "" }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && NF >= 3 { print dll "!" $3 }'
}

status=0
for program in "$@"; do
  found=$(imports_of "$program" | sort -u)
  if [ -z "$found" ]; then echo "no imports read from $program" >&2; status=1; continue; fi
  missing=$(comm -23 <(echo "$found") <(grep -v '^#' "$list" | sort -u))
  if [ -n "$missing" ]; then
    echo "$program imports what is not checked against Windows 7:" >&2
    echo "$missing" | sed 's/^/  /' >&2
    status=1
  else
    echo "$(basename "$program"): $(echo "$found" | wc -l) imports, all on the Windows 7 list" >&2
  fi
done
exit $status
