#!/usr/bin/env bash
# The Debian package made from the build: its dependencies, its contents owned by root, and no
# error from lintian.
source "$(dirname "$0")/lib.sh"
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/package/dorvane_*.deb)
id=example.pellgrove.Dorvane

check "package name" test "$(dpkg-deb -f "$deb" Package)" = dorvane
depends=$(dpkg-deb -f "$deb" Depends)
# Found in the binary, and the two it loads unseen: the window-system plugins and the arrows' font.
for package in libqt6widgets6 libsdl2-2.0-0 libc6 qt6-qpa-plugins fonts-dejavu-core; do
  check "depends on $package" grep -Eq "(^|, )$package( |,|$)" <<< "$depends"
done

dpkg-deb -c "$deb" > "$work/contents"
check "the program is root's and executable" grep -Eq '^-rwxr-xr-x root/root .* \./usr/bin/dorvane$' "$work/contents"
check "every entry is root's" test -z "$(awk '$2 != "root/root"' "$work/contents")"
check "the network module is in the program's private multiarch folder, not run" \
  grep -Eq '^-rw-r--r-- root/root .* \./usr/lib/[a-z0-9_]+-[a-z0-9_-]+/dorvane/dorvane-share\.so$' "$work/contents"
check "nothing for ldconfig: no library in a public folder" test -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'post(inst|rm)$')"
for file in "usr/share/applications/$id.desktop" usr/share/dorvane/arialnb.ttf usr/share/doc/dorvane/copyright \
  usr/share/doc/dorvane/changelog.gz usr/share/man/man1/dorvane.1.gz; do
  check "contains $file" grep -q " \./$file\$" "$work/contents"
done

check "lintian reports no error" lintian --fail-on error "$deb"
lintian "$deb" 2>/dev/null | sed 's/^/lintian: /'
finish
