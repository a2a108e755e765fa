#!/usr/bin/env bash
# Builds the Debian package of the build and checks its name, control data and files.
# Usage: package_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

(cd "$work" && cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
}
deb=$work/kinrow_${version}_amd64.deb
if [ ! -f "$deb" ]; then
    ls "$work"
    fail "no $deb"
    exit 1
fi

info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kinrow ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# Computed from the programs by dpkg-shlibdeps, and the window system's plugin named by hand.
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libjpeg62-turbo \
    qt6-qpa-plugins; do
    [[ ",$depends," =~ [,\ ]$dependency[\ ,] ]] || fail "Depends lacks $dependency: $depends"
done
# No maintainer scripts: the desktop, icon and MIME caches are refreshed by dpkg triggers.
for script in preinst postinst prerm postrm config; do
    ! grep -qw "$script" <<<"$info" || fail "the package has a $script script"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/kinrow ./usr/bin/kinrow-tool ./usr/share/applications/io.kinrow.Kinrow.desktop \
    ./usr/share/metainfo/io.kinrow.Kinrow.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/io.kinrow.Kinrow.png \
    ./usr/share/icons/hicolor/scalable/apps/io.kinrow.Kinrow.svg ./usr/share/man/man1/kinrow.1.gz \
    ./usr/share/man/man1/kinrow-tool.1.gz ./usr/share/kinrow/sample/aile.ged \
    ./usr/share/doc/kinrow/copyright; do
    grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
done
! grep -v '^\./usr/' <<<"$contents" | grep -qv '^\./$' || fail "files outside /usr: $(grep -v '^\./usr/' <<<"$contents")"

[ "$failures" -eq 0 ] && echo "$(basename "$deb"): all checks passed" && echo "Depends: $depends"
exit $((failures > 0))
