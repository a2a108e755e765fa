#!/usr/bin/env bash
# Runs a test program as an ordinary user: the superuser may write into read-only folders, so
# tests of refused writes only mean something without its rights. A skipped test fails here.
set -uo pipefail
run=("$@")
if [ "$(id -u)" -eq 0 ]; then
    # The build folder may lie where nobody cannot enter (under /root): run a copy from /tmp.
    copy=$(mktemp -d /tmp/kinrow-unprivileged.XXXXXX)
    trap 'rm -rf "$copy"' EXIT
    cp "$1" "$copy/"
    chmod 755 "$copy" "$copy/$(basename "$1")"
    shift
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups --reset-env
         "$copy/$(basename "${run[0]}")" "$@")
fi
output=$(TMPDIR=/tmp QT_QPA_PLATFORM=offscreen "${run[@]}" 2>&1)
status=$?
printf '%s\n' "$output"
if grep -q '\[  SKIPPED \]' <<<"$output"; then
    echo "unprivileged run skipped a test" >&2
    exit 1
fi
if ! grep -q '\[  PASSED  \] [1-9]' <<<"$output"; then
    echo "unprivileged run passed no test" >&2
    exit 1
fi
exit $status
