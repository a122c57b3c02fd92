#!/usr/bin/env bash
# Packages the build tree with scripts/package.sh, unpacks the .deb into a temporary root and
# checks what an installation would get: the layout, the desktop files as the desktop's own
# validators see them, the dependencies, lintian's verdict, the tool on the shipped bank, and
# the program's first start for a new user.
# usage: check_package.sh BUILD_DIR (exits 77, CTest's skip, when a packaging tool is missing)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate \
  appstreamcli lintian file gzip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing; scripts/install-deps.sh installs the packaging tools"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

deb=$("$source_dir/scripts/package.sh" "$build_dir" 2>"$work/package.log") || {
  cat "$work/package.log"
  exit 1
}
echo "package: $deb ($(du -h "$deb" | cut -f1))"
root=$work/root
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
program=$root/usr/share/vantrel
app_id=org.vantrel.Vantrel

# Both executables, stripped; the build's own helpers and the benchmarks stay out.
for exe in vantrel vantrel-bank; do
  [ -x "$root/usr/bin/$exe" ] || fail "usr/bin/$exe missing or not executable"
  file -L "$root/usr/bin/$exe" | grep -q ', stripped' || fail "usr/bin/$exe is not stripped"
done
for stray in vantrel-picture 'bench_*' '*_tests' '*_test'; do
  found=$(find "$root" -name "$stray" | head -1)
  [ -z "$found" ] || fail "the package holds ${found#"$root"}"
done

# The program directory holds every file the program reads, and every picture the build drew.
for file in ty.html predate.ini hlp.chm Data/med.mdb; do
  [ -s "$program/$file" ] || fail "usr/share/vantrel/$file missing"
done
for folder in tp ks pic; do
  if ! diff <(cd "$build_dir/bin/$folder" && find . -type f | sort) \
    <(cd "$program/$folder" 2>/dev/null && find . -type f | sort) >"$work/diff"; then
    fail "usr/share/vantrel/$folder differs from the build's $folder/:"
    cat "$work/diff"
  fi
done

# Owned by root, directories and executables 0755, every other file 0644.
dpkg-deb -c "$deb" | awk '
  $2 != "root/root" { print "not root/root: " $0 }
  /^d/ && $1 != "drwxr-xr-x" { print "directory mode: " $0 }
  /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "executable mode: " $0 }
  /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "file mode: " $0 }
' >"$work/modes"
[ ! -s "$work/modes" ] || {
  fail "ownership or modes:"
  cat "$work/modes"
}

# The desktop entry, the icons in every size, the metainfo, as the desktop's validators see them.
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
icons=$root/usr/share/icons/hicolor
[ -s "$icons/scalable/apps/$app_id.svg" ] || fail "the scalable icon is missing"
for size in 16 24 32 48 64 128 256; do
  file "$icons/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x$size icon is missing or of another size"
done

# The documentation: the changelog and the metainfo's newest release name the package's version;
# every file the copyright names is in the package.
doc=$root/usr/share/doc/vantrel
gzip -cd "$doc/changelog.gz" >"$work/changelog" || fail "changelog.gz is not gzip"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's newest entry is not version $version"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metainfo has no release $version"
head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright is not machine-readable"
named=$(awk '/^Files:/ { files = 1; $1 = "" } /^[^ ]/ && !/^Files:/ { files = 0 }
  files { for (i = 1; i <= NF; i++) if ($i != "*") print $i }' "$doc/copyright")
[ -n "$named" ] || fail "the copyright names no picture drawn with an Adwaita icon"
for path in $named; do
  [ -f "$root/$path" ] || fail "the copyright names $path, which the package does not hold"
done

# dpkg-shlibdeps found the libraries the executables link.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6webenginewidgets6 libsqlite3-0; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

# The installed tool checks the shipped bank (in a copy: the tool may write beside the bank).
cp -r "$program" "$work/program"
"$root/usr/bin/vantrel-bank" check --dir "$work/program" ||
  fail "vantrel-bank check fails on the shipped bank"

# The unpacked program starts offscreen with a home of its own: it finds its program directory
# under usr/share/vantrel, makes the user's bank from the shipped one and shows the first chapter.
home=$work/home
mkdir -p "$home"
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
if HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
  XDG_CACHE_HOME=$home/.cache QT_QPA_PLATFORM=offscreen \
  timeout 120 "$root/usr/bin/vantrel" --startup-check >"$work/start" 2>"$work/start.err"; then
  cat "$work/start"
  grep -qx "程序目录：$program/" "$work/start" || fail "the program did not read from $program/"
  grep -qx "数据目录：$home/.local/share/Vantrel/" "$work/start" ||
    fail "the program did not keep its data in the user's data directory"
  grep -q '^章节树：[1-9][0-9]* 个节点' "$work/start" || fail "the chapter tree is empty"
  grep -q '^第一章：.*，页面上 [1-9][0-9]* 题$' "$work/start" || fail "no questions on the first page"
  cmp -s "$program/Data/med.mdb" "$home/.local/share/Vantrel/Data/med.mdb" ||
    fail "the user's bank is not the shipped bank"
else
  fail "the unpacked program showed no chapter page:"
  grep -v '^\(QStandardPaths\|Sandboxing\)' "$work/start.err" | tail -20
fi

[ "$failures" -eq 0 ] || exit 1
echo "the package $(basename "$deb") installs as it should"
