#!/usr/bin/env bash
# Usage: expect_output.sh EXPECTED_EXIT_CODE EXPECTED_STDOUT COMMAND [ARG...]
# Passes when the command exits with that code and prints exactly that
# (stdout and stderr together; "" for nothing at all).
set -uo pipefail
want_code=$1
want_out=$2
shift 2
out=$("$@" 2>&1)
code=$?
status=0
if [ "$code" != "$want_code" ]; then
  echo "exit code $code, expected $want_code" >&2
  status=1
fi
if [ "$out" != "$want_out" ]; then
  printf 'output:\n%s\nexpected:\n%s\n' "$out" "$want_out" >&2
  status=1
fi
exit $status
