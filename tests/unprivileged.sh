#!/usr/bin/env bash
# Runs a test program as an ordinary user: the superuser may write into read-only folders, so
# tests of refused writes only mean something without its rights. A skipped test fails here.
set -uo pipefail
run=("$@")
if [ "$(id -u)" -eq 0 ]; then
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups --reset-env "$@")
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
