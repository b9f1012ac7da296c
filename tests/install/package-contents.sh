#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks it against the install:
#   package-contents.sh <build folder>
# the files of the package are the files of the install manifest, its Depends come from the
# libraries the program links plus Qt's translations, and lintian (when installed) finds no error.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package-contents: $*" >&2; exit 1; }
command -v dpkg-deb >/dev/null || { echo "package-contents: no dpkg-deb"; exit 77; }

DESTDIR=$work/stage cmake --install "$build" --prefix /usr >/dev/null
sed "s|^$work/stage||" "$build/install_manifest.txt" | sort > "$work/manifest"

(cd "$build" && cpack --config CPackConfig.cmake -B "$work/cpack" -D CPACK_OUTPUT_FILE_PREFIX="$work/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/out/orlenvo_*.deb)
# Regular files and links; directories are not in the manifest.
dpkg-deb --fsys-tarfile "$deb" | tar -t -v | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort > "$work/package"
diff -u "$work/manifest" "$work/package" || fail "package contents differ from the install manifest"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-translations-l10n libqt6widgets6 libsqlite3-0 libical3 libc6; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
echo "package-contents: $(basename "$deb"): $(wc -l < "$work/package") files, Depends: $depends"

if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" | tee "$work/lintian" || true
  if grep -q '^E:' "$work/lintian"; then fail "lintian reports errors"; fi
fi
