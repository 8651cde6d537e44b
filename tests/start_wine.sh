#!/bin/sh
# Starts Wine ahead of the tests that run under it. The first start makes the
# Wine prefix, which takes seconds and says so on standard error. Wine's
# server and services, started here with their output going to a log, then
# serve the tests that follow; had a test started them, they would hold its
# output open, and CTest would wait for them to exit after every test.
log=$1
shift
if "$@" wineboot --init </dev/null >"$log" 2>&1; then
    exit 0
fi
echo "Wine did not start:"
cat "$log"
exit 1
