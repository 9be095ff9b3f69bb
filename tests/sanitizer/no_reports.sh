#!/bin/sh
# Fails, showing them, when sanitized processes of the test run noted report
# summaries in the given file; the full reports are in the failed tests'
# output, or come again when the named program runs its case by hand.
# Argument: the file of report summaries.
set -eu
reports=$1

if [ -s "$reports" ]; then
  echo "sanitizer reports during the test run:" >&2
  cat "$reports" >&2
  exit 1
fi
echo "no sanitizer reports"
