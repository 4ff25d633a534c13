#!/usr/bin/env bash
# check_install.sh BUILD_DIR PREFIX: installs the build into PREFIX and
# checks the tree an operator's desktop sees.
set -euo pipefail
build="$1"
prefix="$2"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# The program and its sounds side by side; bin/kirvano leads there.
[ -x "$prefix/lib/kirvano/kirvano" ] || fail "lib/kirvano/kirvano is missing"
for n in $(seq 1 32); do
    [ -s "$prefix/lib/kirvano/suoni_timer/$n.wav" ] || fail "suoni_timer/$n.wav is missing"
done
if [ -L "$prefix/bin/kirvano" ]; then
    [ "$(readlink -f "$prefix/bin/kirvano")" = "$(readlink -f "$prefix/lib/kirvano/kirvano")" ] ||
        fail "bin/kirvano leads to $(readlink -f "$prefix/bin/kirvano")"
    case "$(readlink "$prefix/bin/kirvano")" in
        /*) fail "bin/kirvano is an absolute link, which breaks when the tree moves" ;;
    esac
else
    fail "bin/kirvano is not a link to lib/kirvano/kirvano"
fi

for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kirvano.png"
    if [ -f "$icon" ]; then
        # PNG header: the width and the height are at bytes 16..23.
        dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims"
    else
        fail "icon ${size}x${size} is missing"
    fi
done

desktop="$prefix/share/applications/kirvano.desktop"
metainfo="$prefix/share/metainfo/com.marbolin.kirvano.metainfo.xml"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects kirvano.desktop"
    for key in 'Name=' 'Name\[it\]=' 'Comment=' 'Comment\[it\]=' 'Exec=kirvano$' 'Icon=kirvano$' \
        'Categories=Utility;$' 'Type=Application$'; do
        grep -q "^$key" "$desktop" || fail "kirvano.desktop has no line ${key//\\/}"
    done
else
    fail "share/applications/kirvano.desktop is missing"
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    grep -q '<launchable type="desktop-id">kirvano.desktop</launchable>' "$metainfo" ||
        fail "the metainfo does not launch kirvano.desktop"
else
    fail "share/metainfo/com.marbolin.kirvano.metainfo.xml is missing"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed tree in $prefix is complete"
