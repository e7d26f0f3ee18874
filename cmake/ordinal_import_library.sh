#!/usr/bin/env bash
# ordinal_import_library.sh OBJDUMP DLLTOOL DLL LIBRARY
#
# Writes LIBRARY, an import library for DLL whose entries import by ordinal. A module linked
# with it has its imports from DLL bound by index into the export table; imports by name make
# the loader read the names of the table: 300 kB for the C++ runtime's 5,800 exports, 400 kB
# for Tarnwick's 4,500, all of it resident in every process that binds them. The ordinals
# are those of DLL exactly as it is, so LIBRARY is made again whenever DLL changes.
set -euo pipefail
objdump=$1 dlltool=$2 dll=$3 library=$4
def=${library%.a}.def

# Exports whose address lies in a code section are functions; the others are data, which
# the import library must mark as such (no call thunk for them).
{ "$objdump" -h "$dll"; echo "@exports"; "$objdump" -p "$dll"; } | awk -v name="$(basename "$dll")" '
function hex(text,   value, i) {
    value = 0
    for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", tolower(substr(text, i, 1))) - 1
    return value
}
/^@exports$/ { exports = 1; next }
!exports && /^ *[0-9]+ [.][^ ]+ +[0-9a-f]+ +[0-9a-f]+ / { size = hex($3); vma = hex($4); next }
!exports && /CODE/ && size > 0 { codeStart[++codeSections] = vma; codeEnd[codeSections] = vma + size; size = 0; next }
!exports { size = 0; next }
/^ImageBase/ { base = hex($2); next }
/^Ordinal Base/ { ordinalBase = $3; next }
/Export RVA$/ { gsub(/[][]/, " "); rva[$1] = hex($4) + base; next }
/^\[Ordinal\/Name Pointer\] Table/ { names = 1; next }
names && /^\t\[ *[0-9]+\] / {
    gsub(/[][]/, " ")
    data = " DATA"
    for (s = 1; s <= codeSections; s++) if (rva[$1] >= codeStart[s] && rva[$1] < codeEnd[s]) data = ""
    lines[++count] = sprintf("\"%s\" @%d NONAME%s", $2, $1 + ordinalBase, data)
    next
}
names { names = 0 }
END {
    if (count == 0 || codeSections == 0) { print "no exports found in " name > "/dev/stderr"; exit 1 }
    printf "LIBRARY \"%s\"\nEXPORTS\n", name
    for (i = 1; i <= count; i++) print lines[i]
}' >"$def.tmp"
mv "$def.tmp" "$def"
"$dlltool" --input-def "$def" --dllname "$(basename "$dll")" --output-lib "$library.tmp"
mv "$library.tmp" "$library"
