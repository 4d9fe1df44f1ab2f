#!/bin/sh
# Formats each man page with every groff warning on; any warning fails.
command -v groff >/dev/null 2>&1 || { echo "groff is not installed: skipped"; exit 77; }
status=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        printf '%s:\n%s\n' "$page" "$warnings"
        status=1
    fi
    if ! LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou "$page" 2>/dev/null | grep -q 'SYNOPSIS'; then
        echo "$page: no SYNOPSIS section"
        status=1
    fi
done
exit $status
