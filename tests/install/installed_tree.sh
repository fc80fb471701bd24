#!/usr/bin/env bash
# The installed tree: every file in its place and nothing else, the desktop entry, metadata and
# manual page valid, the icons of the sizes their folders name, and the installed command.
source "$(dirname "$0")/lib.sh"
install_copy
id=example.pellgrove.Dorvane
icon_sizes=(16 22 24 32 48 64 128 256)

module=$(cd "$prefix" && find lib -name dorvane-share.so)
expected=(bin/dorvane "$module" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  share/man/man1/dorvane.1.gz share/dorvane/arialnb.ttf share/doc/dorvane/copyright
  share/doc/dorvane/changelog.gz "share/icons/hicolor/scalable/apps/$id.svg")
for size in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
check "installed files" diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
check "the program is executable" test -x "$prefix/bin/dorvane"
# The network module is read, never run (installed_as_user.sh has the program load it).
check "the network module is in the program's private library folder" \
  grep -Eqx 'lib/([a-z0-9_]+-[a-z0-9_-]+/)?dorvane/dorvane-share\.so' <<< "$module"
check "the network module is not executable" test ! -x "$prefix/$module"

desktop=$prefix/share/applications/$id.desktop
check "desktop entry" desktop-file-validate "$desktop"
check "metadata" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "metadata launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$prefix/share/metainfo/$id.metainfo.xml"
check "desktop entry starts the installed command" grep -qx "Exec=dorvane" "$desktop"
check "desktop entry names the installed icon" grep -qx "Icon=$id" "$desktop"
# The window's class is the application title, which --version prints first.
title=$(env -u DISPLAY "$prefix/bin/dorvane" --version | cut -d ' ' -f 1)
check "desktop entry matches the window class ($title)" grep -qx "StartupWMClass=$title" "$desktop"

man_warnings() { zcat "$prefix/share/man/man1/dorvane.1.gz" | groff -man -ww -z 2>&1 | tee /dev/stderr | wc -c | grep -qx 0; }
check "manual page renders without warnings" man_warnings

for size in "${icon_sizes[@]}"; do
  check "icon ${size}x${size}" test "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}"
done
check "scalable icon is SVG" grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
check "display font" cmp "$prefix/share/dorvane/arialnb.ttf" "$build_dir/src/app/arialnb.ttf"
check "help from the installed command without a display" env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/dorvane" --help
finish
