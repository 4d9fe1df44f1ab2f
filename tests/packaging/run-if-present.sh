#!/bin/sh
# run-if-present.sh [--quiet] TOOL ARGS...: runs a validator; exit 77 (skipped) when it
# is not installed. With --quiet anything it prints fails too: desktop-file-validate
# passes a file with hints such as a missing main category.
quiet=false
if [ "$1" = --quiet ]; then
    quiet=true
    shift
fi
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed: skipped"; exit 77; }
output=$("$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output"
[ $status -ne 0 ] && exit $status
if $quiet && [ -n "$output" ]; then
    exit 1
fi
exit 0
