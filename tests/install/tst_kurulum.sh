#!/usr/bin/env bash
# The game as a player gets it: installed into a staging folder, its menu entry and AppStream
# data validated, started through its bin/ link, and packed into the Debian package.
# Arguments: cmake, cpack, the build folder, the desktop id, the version.
set -euo pipefail
cmake=$1 cpack=$2 build=$3 id=$4 version=$5

tmp=$(realpath "$(mktemp -d)")
pid=
cleanup() {
  [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every file and link the installation holds, below the prefix; the link on the PATH apart.
expected=(
  lib/tilora/tilora lib/tilora/tilora-ses.so lib/tilora/Sample-1.jpg lib/tilora/Sample-2.jpg
  lib/tilora/desen-4x4.bin lib/tilora/desen-5x5.bin
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/tilora.6.gz
  share/doc/tilora/copyright share/doc/tilora/changelog.gz share/doc/tilora/LICENSE-sample-photos.md
  share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
# compare WHAT ACTUAL-LIST EXTRA...: the sorted list equals the expected files plus EXTRA.
compare() {
  local what=$1 actual=$2
  shift 2
  local want
  want=$(printf '%s\n' "${expected[@]}" "$@" | sort)
  [ "$actual" = "$want" ] || fail "$what differs from the expected files:
$(diff <(echo "$want") <(echo "$actual") || true)"
}

stage=$tmp/stage
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >/dev/null
[ "$(ls -A "$stage")" = usr ] || fail "written outside the prefix: $(ls -A "$stage")"
compare "the installation" "$(cd "$stage/usr" && find . ! -type d | sed 's|^\./||' | sort)" bin/tilora
[ "$(readlink "$stage/usr/bin/tilora")" = ../lib/tilora/tilora ] || fail "bin/tilora is not a relative link into lib/tilora"
# The solver's tables lie beside the program as the build made them, for everyone to read.
for table in desen-4x4.bin desen-5x5.bin; do
  cmp -s "$build/bin/$table" "$stage/usr/lib/tilora/$table" || fail "lib/tilora/$table is not the table the build made"
  [ "$(stat -c %a "$stage/usr/lib/tilora/$table")" = 644 ] || fail "lib/tilora/$table is not readable by all and writable only by its owner"
done
# Nothing ties the installed program to the build folder or to a library folder of its own.
for binary in tilora tilora-ses.so; do
  ! readelf -d "$stage/usr/lib/tilora/$binary" | grep -E 'RPATH|RUNPATH' || fail "the installed $binary has a library search path"
done

report=$(desktop-file-validate "$stage/usr/share/applications/$id.desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
# The maker's domain lies under the reserved .example TLD, which AppStream's list of TLDs lacks.
report=$(appstreamcli validate --no-net --strict --override=cid-maybe-not-rdns=pedantic \
  "$stage/usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "appstreamcli validate: $report"

# Started headless through the link, with folders of its own; a player's session is left alone.
home=$tmp/home
mkdir -p "$home/config" "$home/cache" "$home/data" "$home/runtime"
chmod 700 "$home/runtime"
cd "$tmp"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen HOME="$home" XDG_CONFIG_HOME="$home/config" \
  XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
  "$stage/usr/bin/tilora" 2>"$tmp/stderr" &
pid=$!

# The program is up when its running event loop answers a request to come to the front on its
# single-instance socket; before that a signal could find it without its handlers.
answers() {
  perl -MIO::Socket::UNIX -e '
    alarm 10;
    my ($path) = glob("$ARGV[0]/tilora-*.socket");
    my $socket = IO::Socket::UNIX->new(Peer => $path) or exit 1;
    print $socket "tilora-front\n\n\n";
    my $answer = "";
    $socket->read($answer, 3);
    exit($answer eq "ok\n" ? 0 : 1);' "$home/runtime" 2>/dev/null
}
deadline=$((SECONDS + 120))
until answers; do
  kill -0 "$pid" 2>/dev/null || fail "the program ended before it was up: $(cat "$tmp/stderr")"
  [ $SECONDS -lt $deadline ] || fail "the program did not come up within 120 s"
  sleep 0.1
done

# Told to end, it saves its settings and exits 0.
kill -TERM "$pid"
deadline=$((SECONDS + 120))
while kill -0 "$pid" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || fail "the program did not end within 120 s of SIGTERM"
  sleep 0.1
done
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program exited with $status: $(cat "$tmp/stderr")"
photo=$(sed -n 's/^Son Fotograf=//p' "$home/config/Orvane/Velbor-Eng.ini")
[[ "$photo" == "$stage/usr/lib/tilora/Sample-"[12].jpg && -f "$photo" ]] ||
  fail "the program did not take a sample photo beside itself: Son Fotograf=$photo"

# The Debian package: its name, its control fields and the same files, the link in bin/ and games/.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb" >/dev/null
package=$tmp/deb/tilora_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no package $(basename "$package"): $(ls "$tmp/deb")"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the package is not in section games"
depends=$(dpkg-deb -f "$package" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libqt6multimedia6* ]] || fail "shlibdeps missed Qt libraries: $depends"
listing=$(dpkg-deb -c "$package")
compare "the package" "$(grep -v '^d' <<<"$listing" | sed -E 's|^.* \./usr/||; s| -> .*||' | sort)" bin/tilora games/tilora
for link in bin games; do
  grep -q " ./usr/$link/tilora -> \.\./lib/tilora/tilora$" <<<"$listing" || fail "$link/tilora is not a relative link into lib/tilora"
done
echo "installed, started and packed: $(basename "$package")"
