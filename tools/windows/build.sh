#!/bin/bash
# tools/dev windows: builds build-win/Augurium-<version>-setup.exe and the
# portable build-win/Augurium-<version>-win64.zip for 64-bit Windows 10 and
# later, with Debian's MinGW-w64 and NSIS and a Qt built once from Debian's
# source (tools/windows/qt.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
step() { echo "== tools/dev windows: $*" >&2; }
fail() { echo "tools/dev windows: $1 failed. $2" >&2; exit 1; }

qt=$(tools/windows/qt.sh)
version=$(sed -n 's/^project(augurium VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
qt_debian=$(dpkg-query -W -f='${Version}' qt6-base-dev)

mkdir -p build-win
step "building Augurium $version for Windows"
cmake -S . -B build-win/app -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw-w64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DAUGURIUM_WERROR=ON >build-win/configure.log 2>&1 \
  || { tail -20 build-win/configure.log >&2; fail "configuring the Windows build" "See the lines above."; }
cmake --build build-win/app --parallel "$(nproc)" || fail "building Augurium for Windows" "See the errors above."

step "gathering the program folder"
stage=build-win/stage/Augurium
rm -rf build-win/stage && mkdir -p "$stage"/{platforms,styles,imageformats,fonts,licences}
x86_64-w64-mingw32-strip -o "$stage/augurium.exe" build-win/app/augurium.exe
for module in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$module.dll" "$stage/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$stage/imageformats/"
runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$stage/fonts/"
# Qt's own dialogs in each language the program speaks: Qt finds them in
# translations/ beside its libraries.
mkdir -p "$stage/translations"
for ts in i18n/augurium_*.ts; do
  code=${ts#i18n/augurium_}; code=${code%.ts}
  cp /usr/share/qt6/translations/qt_"$code".qm /usr/share/qt6/translations/qtbase_"$code".qm "$stage/translations/" \
    || fail "finding Qt's own $code translation" "Install qt6-translations-l10n."
done
sed -e "s/@VERSION@/$version/" -e "s/@QT_VERSION@/${qt_debian%%+*}/" -e "s/@QT_DEBIAN_VERSION@/$qt_debian/" \
  tools/windows/licence.txt | sed 's/$/\r/' >"$stage/licence.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/licences/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licences/GPL-3.txt"
cat /usr/share/doc/gcc-mingw-w64-base/copyright /usr/share/doc/mingw-w64-common/copyright \
  >"$stage/licences/mingw-w64-runtime.txt" 2>/dev/null || fail "finding the runtime's licences" "Install mingw-w64-common."
cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/licences/DejaVu-fonts.txt"
for f in "$stage"/*.dll "$stage"/*/*.dll "$stage"/augurium.exe; do
  case $f in *.exe|*/Qt6*.dll|*/q*.dll) x86_64-w64-mingw32-strip --strip-unneeded "$f" ;; esac
done

step "packing the zip and the installer"
rm -f "build-win/Augurium-$version-win64.zip" "build-win/Augurium-$version-setup.exe"
(cd build-win/stage && zip -qr "../Augurium-$version-win64.zip" Augurium)
# The installer's file lists, written from the folder itself: it removes
# exactly what it put in place, deepest first.
install_list=$PWD/build-win/install-files.nsh
uninstall_list=$PWD/build-win/uninstall-files.nsh
(
  cd "$stage"
  find . -type d | sort | while read -r dir; do
    sub=${dir#.}
    echo "SetOutPath \"\$INSTDIR${sub//\//\\}\""
    find "$dir" -maxdepth 1 -type f | sort | while read -r file; do echo "File \"$PWD/${file#./}\""; done
  done
) >"$install_list"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) >"$uninstall_list"
# Setup in the same languages, by the names of NSIS's Modern UI.
language_list=$PWD/build-win/languages.nsh
(
  echo '!insertmacro MUI_LANGUAGE "English"'
  for ts in i18n/augurium_*.ts; do
    code=${ts#i18n/augurium_}; code=${code%.ts}
    case $code in
      de) name=German ;; es) name=Spanish ;; fr) name=French ;; ja) name=Japanese ;;
      pt_BR) name=PortugueseBR ;; zh_CN) name=SimpChinese ;;
      *) fail "naming $code for the installer" "Add its NSIS language name to tools/windows/build.sh." ;;
    esac
    echo "!insertmacro MUI_LANGUAGE \"$name\""
  done
) >"$language_list"
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DICON="$PWD/tools/windows/augurium.ico" \
  -DOUTFILE="$PWD/build-win/Augurium-$version-setup.exe" -DINSTALL_LIST="$install_list" \
  -DUNINSTALL_LIST="$uninstall_list" -DLANGUAGE_LIST="$language_list" tools/windows/installer.nsi || fail "making the installer" "See makensis's message above."
step "done: build-win/Augurium-$version-setup.exe and build-win/Augurium-$version-win64.zip"
