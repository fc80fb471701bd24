# Shared by the install checks: a temporary folder, a copy installed into it, and a tally.
set -uo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
cleanup() { chmod -R u+w "$work" 2> /dev/null; rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
# check DESCRIPTION COMMAND...: runs the command, its output shown only when it fails.
check() {
  local description=$1 output
  shift
  if output=$("$@" 2>&1); then pass; else fail "$description"; printf '%s\n' "$output"; fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# Installs the build into $work/usr, as a package would lay it out.
install_copy() {
  prefix=$work/usr
  cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
}
