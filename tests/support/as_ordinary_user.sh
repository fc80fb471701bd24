#!/usr/bin/env bash
# Runs a command as an ordinary user (nobody) when started as root, for checks about permissions
# that an administrator would pass anyway. Exit 77 (skipped) where that cannot be done.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "already an ordinary user: the checks ran in the suite itself"
  exit 77
fi
drop=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if ! command -v setpriv > /dev/null || ! "${drop[@]}" test -x "$1"; then
  echo "cannot run $1 as nobody (no setpriv, or a folder on its way is closed to others)"
  exit 77
fi
# A private temporary folder for the user, removed afterwards.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
chown nobody:nogroup "$tmp"
TMPDIR=$tmp HOME=$tmp exec "${drop[@]}" "$@"
