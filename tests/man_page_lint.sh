#!/bin/sh
# The man page renders without a single warning from groff, and from mandoc's
# linter where it is installed.
page=$1
status=0
warnings=$(groff -man -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
    printf 'groff:\n%s\n' "$warnings"
    status=1
fi
if command -v mandoc >/dev/null 2>&1; then
    if ! mandoc -T lint -W warning "$page"; then
        status=1
    fi
else
    echo "mandoc not installed: only groff checked the page"
fi
exit $status
