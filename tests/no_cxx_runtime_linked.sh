#!/bin/sh
# The tool needs no C++ runtime: its dynamic section names no libstdc++ and no
# libgcc_s (a static build has no dynamic section at all).
binary=$1
needed=$(readelf -d "$binary") || { echo "readelf failed on $binary"; exit 1; }
if printf '%s\n' "$needed" | grep -E 'NEEDED.*(libstdc\+\+|libgcc_s)'; then
    echo "$binary links a C++ runtime library"
    exit 1
fi
printf '%s\n' "$needed" | grep NEEDED || echo "no shared libraries"
