#!/usr/bin/env bash
# Builds the Windows downloads: nabrel-<version>-win64.zip with one static,
# stripped nabrel.exe, the player's README and the licences, and
# nabrel-<version>-win64-setup.exe, which installs the same files per user.
#
# A static Qt for Windows is built once from Debian's own qt6-base source
# package (the host's Qt version) with Debian's mingw-w64, into a cache outside
# the repository: $NABREL_CACHE, else $XDG_CACHE_HOME/nabrel, else ~/.cache/nabrel.
# Usage: windows.sh [OUTPUT_DIR]        (default: build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source=$PWD
out=$(realpath -m "${1:-build/windows}")
cache=${NABREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/nabrel}
mingw=x86_64-w64-mingw32

ensure_packages "${game_packages[@]}" "${windows_packages[@]}"
host_cmake_dir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake  # the host's Qt tools

qt_version=$(qt_source_version)
# Core, Gui, Widgets, the Windows platform plugin and style, and of those only
# what the game, QMessageBox and the Windows style use, built for size.
# Debian's tarball has no wintab (tablet events). No DirectWrite 3, whose font
# database would take GDI's place; Direct2D stays, as Qt 6.8's Windows font
# database does not build without it, but not its own platform plugin
# (Direct2D 1.1 builds only that): the game links the Windows one, and the
# other took a ninth of the build's time.
# No HarfBuzz: the game's texts are Japanese and plain Latin, which need no
# shaping, and without it Qt places one glyph per character, unkerned, as
# Windows' own GDI text does.
qt_options=(
    -static -release -optimize-size -opensource -confirm-license
    -xplatform win32-g++ -qt-host-path /usr
    -nomake tests -nomake examples
    -no-feature-network -no-feature-sql -no-feature-dbus -no-feature-testlib
    -no-feature-printsupport -no-feature-concurrent -no-feature-xml -no-opengl
    -no-feature-tabletevent -no-feature-directwrite3 -no-feature-direct2d1_1
    -qt-zlib -qt-libpng -no-feature-jpeg -qt-pcre -no-feature-harfbuzz -no-freetype
    # Widgets and dialogs the game never shows. The Windows styles use some
    # unconditionally, so those stay: item views, spin boxes, tab widgets, text
    # edits and the input dialog (Qt 6.4 on); the graphics view, graphics effects,
    # command link buttons and style sheets (Qt 6.8's Windows 11 style).
    -no-feature-mdiarea -no-feature-dockwidget
    -no-feature-textbrowser -no-feature-syntaxhighlighter -no-feature-calendarwidget -no-feature-datetimeedit
    -no-feature-fontcombobox -no-feature-toolbox -no-feature-splitter
    -no-feature-splashscreen -no-feature-lcdnumber -no-feature-dial -no-feature-keysequenceedit
    -no-feature-filedialog -no-feature-fontdialog -no-feature-colordialog
    -no-feature-errormessage -no-feature-progressdialog -no-feature-wizard -no-feature-undocommand
    -no-feature-style-fusion
    # Documents, formats and services the game never uses.
    -no-feature-pdf -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-movie -no-feature-systemtrayicon -no-feature-sessionmanager -no-feature-mimetype
    -no-feature-sharedmemory -no-feature-systemsemaphore -no-feature-filesystemwatcher
    -no-feature-commandlineparser
    -no-feature-jalalicalendar -no-feature-hijricalendar -no-feature-islamiccivilcalendar
)
key=$(printf '%s\n' "$qt_version" "$($mingw-g++-posix -dumpversion)" "${qt_options[@]}" | sha256sum | cut -c1-12)
qt=$cache/qt-$qt_version-win64-$key
# One fixed folder for building it and one fixed install prefix, mapped out of
# the objects: two builds on two machines give the same libraries.
work=$cache/qt-build
logs=$cache/qt-build-logs
qt_prefix=/opt/nabrel-qt

# Source entries derived from the machine's own apt configuration, in a
# private apt state: the machine's configuration is left as it is.
fetch_qt_source() {
    local apt=$1/apt parts=$1/apt/sources.list.d file
    mkdir -p "$parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$parts/derived.list"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$parts/$(basename "$file")"
    done
    local private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$parts"
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User="$(id -un)")
    apt-get "${private[@]}" update -qq
    (cd "$1" && apt-get "${private[@]}" source -qq --download-only "qt6-base=$qt_version")
    # dpkg-source warns about one of Debian's own patch files ("unexpected end of
    # diff"): harmless, the patch applies; its output stays in the log.
    dpkg-source --no-check -x "$1"/qt6-base_*.dsc "$1/src" >"$logs/source.log" 2>&1
}

# Every minute: how far the build is (ninja's [N/M]) and about how long it has left.
report_progress() {
    local started=$SECONDS done total
    while sleep 60 >/dev/null; do
        read -r done total < <(grep -o '^\[[0-9]*/[0-9]*\]' "$logs/build.log" | tail -1 | tr -d '[]' | tr / ' ')
        [ -n "${done:-}" ] && ((done > 0)) || continue
        echo "nabrel: Qt for Windows: $((100 * done / total)) % ($done/$total), about" \
            "$(((SECONDS - started) * (total - done) / done / 60 + 1)) min left"
    done
}

fail() {
    echo "nabrel: $1 failed; the last lines of $2 (full logs in $logs):" >&2
    tail -40 "$2" >&2
    exit 1
}

# What Qt's source says of the third-party code in it, kept beside the cache
# (collected anew when the script that collects it changes).
attributions=$cache/qt-$qt_version-attributions-$(sha256sum scripts/qt_notices.py | cut -c1-12).json
collect_attributions() {  # unpacked source folder
    python3 "$source/scripts/qt_notices.py" collect "$1/src" "$attributions.new" && mv "$attributions.new" "$attributions"
}

if [ ! -f "$qt/bin/qt-cmake" ]; then
    echo "nabrel: building a static Qt $qt_version for Windows into $qt (once; about half an hour on 2 cores)"
    rm -rf "$work" "$logs"
    mkdir -p "$work/build" "$logs"
    fetch_qt_source "$work" || fail "fetching Qt's source" "$logs/source.log"
    map="-ffile-prefix-map=$work=."
    (cd "$work/build" && "$work/src/configure" -prefix "$qt_prefix" "${qt_options[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64.cmake" -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
        -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map") >"$logs/configure.log" 2>&1 ||
        fail "configuring Qt" "$logs/configure.log"
    report_progress &
    progress=$!
    cmake --build "$work/build" --parallel >"$logs/build.log" 2>&1 || { kill "$progress"; fail "building Qt" "$logs/build.log"; }
    kill "$progress"
    DESTDIR=$work/stage cmake --install "$work/build" >"$logs/install.log" 2>&1 || fail "installing Qt" "$logs/install.log"
    rm -rf "$qt" && mv "$work/stage$qt_prefix" "$qt"
    collect_attributions "$work"
    rm -rf "$work"
fi
if [ ! -f "$attributions" ]; then
    rm -rf "$work"
    mkdir -p "$work" "$logs"
    fetch_qt_source "$work" || fail "fetching Qt's source" "$logs/source.log"
    collect_attributions "$work"
    rm -rf "$work"
fi
# The cache keeps only what these options use: a Qt or attributions of another
# version, compiler, option list or collector go (each Qt is about 90 MB).
for old in "$cache"/qt-*-win64-* "$cache"/qt-*-attributions-*.json; do
    [ -e "$old" ] && [ "$old" != "$qt" ] && [ "$old" != "$attributions" ] && rm -rf --one-file-system "$old"
done

# A build folder configured against another Qt (older options) starts afresh.
if [ -f "$out/CMakeCache.txt" ] && ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$out/CMakeCache.txt"; then
    rm -rf "$out/CMakeCache.txt" "$out/CMakeFiles"
fi
# Debian's Qt 6.8 source leaves a static Qt's plugins (the Windows platform
# among them) unlinked unless asked: a Windows Qt is not a distribution's.
"$qt/bin/qt-cmake" -S "$source" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source/cmake/mingw-w64.cmake" -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" >/dev/null
# The build's one time, for the linker's and strip's header time stamp and every zip entry.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(sed -n 's/^NABREL_SOURCE_DATE_EPOCH:INTERNAL=//p' "$out/CMakeCache.txt")
cmake --build "$out" --target nabrel

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
stage=$out/nabrel-$version-win64
rm -rf "$stage" "$stage.zip" "$stage-setup.exe"
mkdir -p "$stage"
$mingw-strip -o "$stage/nabrel.exe" "$(find "$out" -maxdepth 2 -name nabrel.exe | head -1)"
# The player's README, the game's licence, Qt's licences, the notices of the
# third-party code the executable holds (from its link map) and where it all comes from.
cp packaging/windows/README.txt "$stage/README.txt"
cp LICENSE "$stage/LICENSE.txt"
mkdir "$stage/licenses"
python3 scripts/qt_notices.py licences "$attributions" "$stage/licenses"
python3 scripts/qt_notices.py notices "$attributions" "$out/app/nabrel.map" >"$stage/THIRD-PARTY-NOTICES.txt"
commit=$(git -C "$source" rev-parse HEAD 2>/dev/null || echo "(not built from a git checkout)")
cat >"$stage/SOURCE.txt" <<TXT
Where nabrel.exe comes from, and how to relink it

The game, ～Nabrel～ Orlenby $version, is MIT-licensed (LICENSE.txt); this build is
of commit $commit of its repository, whose scripts/windows.sh made this folder.

Qt is linked into nabrel.exe statically, under the LGPL-3 (licenses/). It is
Debian's qt6-base source package, version $qt_version ("apt-get source
qt6-base=$qt_version" on Debian, or https://sources.debian.org/src/qt6-base/),
configured with:
  ${qt_options[*]}

To relink the game with a changed Qt: build that Qt with the same options, as
scripts/windows.sh does, and run scripts/windows.sh against it; the game's whole
source is free to rebuild, change and relink under its MIT licence.
TXT
# The same commit zips to the same bytes: sorted entries, no extra fields.
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$out" && find "$(basename "$stage")" | LC_ALL=C sort | TZ=UTC zip -qX -@ "$(basename "$stage").zip")

# The installer's licence page: the game's licence, Qt's, and the notices.
licences=$out/installer-licences.txt
{ printf '\xef\xbb\xbf'; cat "$stage/LICENSE.txt" "$stage/licenses/LGPL-3.0-only.txt" \
    "$stage/licenses/GPL-3.0-only.txt" "$stage/THIRD-PARTY-NOTICES.txt"; } >"$licences"
# Windows' four-number version: 0.00.0001 is 0.0.1.0.
IFS=. read -r -a parts <<<"$version.0.0.0"
version4=$((10#${parts[0]})).$((10#${parts[1]})).$((10#${parts[2]})).$((10#${parts[3]}))
title=$(sed -n 's/.*kTitle\[\] = "\(.*\)";/\1/p' "$out/generated/nabrel_facts.h")
app_id=$(sed -n 's/.*kAppId\[\] = "\(.*\)";/\1/p' "$out/generated/nabrel_facts.h")
# makensis reads its arguments in the locale's character set, and the title is
# not ASCII: a machine with no locale set (POSIX) would refuse it.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$stage" -DOUTFILE="$stage-setup.exe" -DTITLE="$title" -DAPP_ID="$app_id" \
    -DVERSION="$version" -DVERSION4="$version4" -DICON="$source/app/icons/nabrel.ico" -DLICENCES="$licences" \
    packaging/windows/nabrel.nsi >"$out/makensis.log" 2>&1 || { cat "$out/makensis.log" >&2; exit 1; }
echo "nabrel: $stage.zip"
echo "nabrel: $stage-setup.exe"
