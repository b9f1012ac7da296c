#!/usr/bin/env bash
# Installs into a DESTDIR staging root and runs the installed program from there:
#   staged-install.sh <build folder> <install_probe>
set -euo pipefail
build=$1
probe=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "staged-install: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
lib=$stage/usr/lib/orlenvo
for f in orlenvo dream.dll QorvFile.dll QorvBirth.dll; do
  [ -f "$lib/$f" ] || fail "$lib/$f missing"
done
[ -x "$lib/orlenvo" ] || fail "the program is not executable"
[ "$(readlink "$stage/usr/bin/orlenvo")" = ../lib/orlenvo/orlenvo ] || fail "usr/bin/orlenvo is no link to the program"
# Every file of the manifest landed under the staging root.
while read -r f; do
  [ -e "$stage$f" ] || [ -L "$stage$f" ] || fail "not under DESTDIR: $f"
done < "$build/install_manifest.txt"

# The probe lies beside the program and starts through a link in bin/, as the program does:
# it must read the databases of the installed folder.
cp "$probe" "$lib/install_probe"
ln -s ../lib/orlenvo/install_probe "$stage/usr/bin/orlenvo-probe"
out=$(cd / && "$stage/usr/bin/orlenvo-probe") || fail "lookup through the installed folder failed: $out"
grep -qxF "folder $lib/" <<<"$out" || fail "probe read its files from elsewhere: $out"
echo "$out"
rm "$lib/install_probe" "$stage/usr/bin/orlenvo-probe"

# The installed program starts through its link and shows its main window; it writes nothing
# into its folder.
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "staged-install: xvfb-run or xdotool missing; the program itself was not started"
  exit 77
fi
listing() { (cd "$lib" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)
home=$stage/home
mkdir -p "$home"
shown=$(HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c '"$1" & pid=$!
           for _ in $(seq 100); do
             if xdotool search --onlyvisible --name "^Orlenvo\$" >/dev/null 2>&1; then echo shown; break; fi
             kill -0 $pid 2>/dev/null || break
             sleep 0.2
           done
           kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' _ "$stage/usr/bin/orlenvo")
[ "$shown" = shown ] || fail "the installed program did not show its main window"
[ "$(listing)" = "$before" ] || fail "the program wrote into its folder"
echo "staged-install: the installed program showed its main window"
