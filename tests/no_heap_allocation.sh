#!/bin/sh
# A conversion and a usage run each allocate nothing on the heap.
valgrind=$1
binary=$2
status=0
for arguments in "1234" "1 2"; do
    # Word splitting of $arguments is wanted: "1 2" is two arguments.
    # shellcheck disable=SC2086
    report=$("$valgrind" --log-fd=3 "$binary" $arguments 3>&1 >/dev/null 2>&1)
    summary=$(printf '%s\n' "$report" | grep 'total heap usage')
    echo "TELVARO $arguments: ${summary#*== }"
    case "$summary" in
        *" 0 allocs, 0 frees, 0 bytes allocated"*) ;;
        *) status=1 ;;
    esac
done
exit $status
