#!/bin/sh
# TELVARO.exe runs on a bare Windows: it imports only DLLs that every Windows
# has (the kernel, the C runtime, API sets), never a MinGW runtime DLL such
# as libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll.
objdump=$1
binary=$2
headers=$("$objdump" -p "$binary") || { echo "objdump failed on $binary"; exit 1; }
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
# No import at all means the output was not understood, not a clean binary.
if [ -z "$dlls" ]; then
    echo "no imported DLL found in $binary"
    exit 1
fi
status=0
for dll in $dlls; do
    case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
        kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll)
            echo "imports $dll" ;;
        *)
            echo "imports $dll, which is not a Windows system DLL"
            status=1 ;;
    esac
done
exit $status
