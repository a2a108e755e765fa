#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a Linux desktop needs of it.
# Usage: install_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}

id=io.kinrow.Kinrow
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for file in bin/kinrow bin/kinrow-tool share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/kinrow.1.gz \
    share/man/man1/kinrow-tool.1.gz share/kinrow/sample/aile.ged \
    share/kinrow/sample/resimler/dede_mehmet.jpg share/doc/kinrow/copyright; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null)
    [ "${w:-}x${h:-}" = "${size}x${size}" ] || fail "icon $png is ${w:-?}x${h:-?}, not ${size}x${size}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log"
    fail "appstreamcli validate --no-net $metainfo"
}
grep -qx 'Exec=kinrow %f' "$desktop" || fail "the desktop entry does not run 'kinrow %f'"
grep -qx 'MimeType=application/x-gedcom;' "$desktop" || fail "the desktop entry lacks the GEDCOM type"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
# The type is shared-mime-info's own; the program installs none that would shadow it.
grep -q 'type="application/x-gedcom"' /usr/share/mime/packages/freedesktop.org.xml ||
    fail "shared-mime-info does not define application/x-gedcom"
[ ! -d "$prefix/share/mime" ] || fail "a MIME package of the program's own is installed"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "licence not named"

for page in kinrow kinrow-tool; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $page: $out"
    zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "Kinrow $version" || fail "man $page lacks $version"
done

# The installed programs answer as every command does.
"$prefix/bin/kinrow" --version | grep -qx "kinrow $version" || fail "kinrow --version"
"$prefix/bin/kinrow" --help | grep -q '^Usage: kinrow ' || fail "kinrow --help"

# The installed tool converts the installed sample family and reads the result back alike.
# The copy lies beside the sample's pictures, as a save in the family's folder does.
sample=$prefix/share/kinrow/sample/aile.ged
cp -r "$prefix/share/kinrow/sample/resimler" "$work/"
before=$("$prefix/bin/kinrow-tool" check "$sample" 2>&1 | grep -v '^File Name') ||
    fail "kinrow-tool check of the sample"
"$prefix/bin/kinrow-tool" convert "$sample" "$work/out.ged" >/dev/null 2>&1 ||
    fail "kinrow-tool convert of the sample"
after=$("$prefix/bin/kinrow-tool" check "$work/out.ged" 2>&1 | grep -v '^File Name') ||
    fail "kinrow-tool check of the copy"
[ "$(head -c 6 "$work/out.ged")" = "0 HEAD" ] || fail "the copy is no family file"
[ -n "$before" ] && [ "$before" = "$after" ] || fail "check of the sample and of its copy differ:
$before
---
$after"

[ "$failures" -eq 0 ] && echo "installed into $prefix: all checks passed"
exit $((failures > 0))
