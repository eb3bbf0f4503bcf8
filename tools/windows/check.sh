#!/bin/bash
# tools/dev windows-check: the Windows installer under Wine (Debian's wine64)
# on Xvfb with openbox, in a fresh Wine prefix: setup's first page on a German
# desktop, a silent install, one reading of each oracle, a web page, a second
# start, the stored reminder date, a saved reading opened through the Windows
# file dialog, a reading in German (the display language) and one in Japanese
# (the language chosen in the settings), a silent uninstall.
# Screenshots go to build-win/check/.
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(sed -n 's/^project(augurium VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup=$PWD/build-win/Augurium-$version-setup.exe
[ -f "$setup" ] || { echo "tools/dev windows-check: $setup is missing; run tools/dev windows first." >&2; exit 1; }
if [ -z "${CHECK_INNER:-}" ]; then
  export CHECK_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0"
fi

out=$PWD/build-win/check
rm -rf "$out" && mkdir -p "$out"
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export PATH=/usr/lib/wine:$PATH
# The stand-in browser: Wine hands web addresses to xdg-open.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\necho "$1" >> %s/opened\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH=$scratch/bin:$PATH

fail() { echo "FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null || true; exit 1; }
pass() { echo "ok: $*"; }
shot() { import -window root "$out/$1.png"; }
keys() { for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.6; done; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.4; }
window() { # window TITLE [TRIES]: the id of a visible window of that title
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.3
  done
  return 1
}
clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }

openbox >/dev/null 2>&1 &
wine64 wineboot --init >/dev/null 2>&1
wineserver -w
# Wine brings no Japanese font: Debian's Noto CJK stands in for the system's.
noto=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
japanese_font=no
if [ -f "$noto" ]; then
  cp "$noto" "$WINEPREFIX/drive_c/windows/Fonts/" && japanese_font=yes
fi

# Wine takes the display language from the Unix locale, which must exist:
# compiled here into the scratch folder, the machine's own left as it is.
mkdir -p "$scratch/locale"
localedef -i de_DE -f UTF-8 "$scratch/locale/de_DE.UTF-8" || fail "compiling the German locale (package locales)"
german() { LOCPATH=$scratch/locale LC_ALL=de_DE.UTF-8 "$@"; }

# Setup speaks the display language: its first page, then Cancel.
german wine64 "$setup" >/dev/null 2>&1 &
window "Installation von Augurium $version" 100 >/dev/null || fail "setup did not speak German"
sleep 1
shot setup-german
wineserver -k 2>/dev/null || true
wineserver -w
pass "setup speaks German on a German desktop"

wine64 "$setup" /S
wineserver -w
appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*/AppData/Local' | head -1)
roaming=${appdata%/Local}/Roaming
installed=$appdata/Programs/Augurium
[ -x "$installed/augurium.exe" ] || fail "the silent install put no augurium.exe in $installed"
[ -f "$installed/platforms/qwindows.dll" ] || fail "the platform plugin is not beside the program"
[ -f "$roaming/Microsoft/Windows/Start Menu/Programs/Augurium.lnk" ] || fail "no Start-menu entry"
(cd "$installed" && find . -type f | sort) >"$scratch/installed-files"
pass "silent install into $installed, with a Start-menu entry"

start() { (cd "$installed" && wine64 augurium.exe >/dev/null 2>&1 &) ; }
start
main=$(window "Augurium v$version" 200) || fail "the main window did not appear"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 2
shot 01-main
settings=$roaming/augurium/augurium.conf
[ -f "$settings" ] || fail "the update reminder stored no date in $settings"
cp "$settings" "$scratch/settings-first"
pass "the reminder's date stored in %APPDATA%\\augurium\\augurium.conf"

# read ORACLE KEYS... : the keys that draw a reading from the main window;
# Copy Reading must then give that oracle's reading.
read_oracle() {
  local name=$1; shift
  printf '' | xclip -selection clipboard
  if [ "$1" = ogham ]; then ogham; else keys "$@"; fi
  sleep 4
  keys ctrl+c
  sleep 1
  local copied; copied=$(clipboard)
  shot "$(echo "$name" | tr ' A-Z' '-a-z')"
  case $copied in "$name reading"*) pass "$name: $(echo "$copied" | sed -n 4,5p | tr '\n' ' ')" ;; *) fail "$name gave no reading (clipboard: ${copied:0:60})" ;; esac
  keys alt+f x
}
read_oracle "Domino" Return Return
read_oracle "Mahjong" Tab Tab Return Return
ogham() { keys Tab Tab Tab Return; type_text "Shall I move to the sea?"; keys Tab Return; }
read_oracle "Celtic Ogham" ogham
read_oracle "Good Luck Symbol" Tab Return Tab space alt+f Return

# The colour oracle reads a saved reading through the Windows file dialog.
cp tests/fuzz/corpus/reading.num "$scratch/jane.num"
keys Tab Tab Tab Tab Return
type_text Jane
keys Tab
type_text Doe
keys alt+o
window "Select the source file" 50 >/dev/null || fail "the file dialog did not open"
shot mystical-color-dialog
type_text "Z:${scratch//\//\\}\\jane.num"
keys Return
sleep 2
# The keys go back to the program once the dialog has gone.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
printf '' | xclip -selection clipboard
keys ctrl+c
sleep 1
shot mystical-color
case $(clipboard) in *"Birth Day: "*) pass "Mystical Color: a saved reading opened through the Windows file dialog" ;;
  *) fail "the saved reading did not open (clipboard: $(clipboard | head -4 | tr '\n' ' '))" ;; esac
keys alt+f x

# A web page, through the desktop's browser.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
keys alt+h v
sleep 3
grep -q '^https\?://' "$scratch/opened" 2>/dev/null || fail "Help > Visit Us Online opened no page"
pass "web page opened: $(head -1 "$scratch/opened")"

# A second start says so and ends.
start
message=$(window "Augurium" 100) || fail "a second start said nothing"
shot second-start
keys Return
sleep 2
[ "$(xdotool search --onlyvisible --name '^Augurium$' 2>/dev/null | wc -l)" -eq 0 ] || fail "the message stayed"
pass "a second start says \"Application is already running\""

# The stored date is read back: a start within a fortnight leaves it as it is.
keys alt+f x
wineserver -w
sleep 2
start
window "Augurium v$version" 200 >/dev/null || fail "the main window did not appear again"
sleep 2
cmp -s "$settings" "$scratch/settings-first" || fail "the stored date was not read back (the file changed)"
pass "the reminder's date read back on the next start"
keys alt+f x
wineserver -w

# A reading in another language: LANGUAGE_START starts the program, and
# Copy Reading must give the Domino reading's title in that language.
title_in() { # the translation of "%1 reading" in i18n/augurium_$1.ts
  awk '/<source>%1 reading<\/source>/ { found = 1 } found && /<translation>/ {
         sub(/.*<translation>/, ""); sub(/<\/translation>.*/, ""); print; exit }' "i18n/augurium_$1.ts"
}
read_in() { # read_in CODE NAME: a Domino reading, its screenshot and its title
  local code=$1 name=$2 title copied
  title=$(title_in "$code")
  [ -n "$title" ] || fail "no $name title in i18n/augurium_$code.ts"
  window "Augurium v$version" 200 >/dev/null || fail "the main window did not appear in $name"
  sleep 2
  shot "language-$code-main"
  printf '' | xclip -selection clipboard
  keys Return Return
  sleep 4
  keys ctrl+c
  sleep 1
  copied=$(clipboard | head -1)
  shot "language-$code-domino"
  # shellcheck disable=SC2254 # the title is a pattern: "%1" stands for the oracle's name
  case $copied in ${title/\%1/*}) pass "$name: \"$copied\"" ;; *) fail "no $name reading (clipboard: ${copied:0:60})" ;; esac
  keys Escape
  sleep 1
  keys alt+F4
  wineserver -w
}
(cd "$installed" && german wine64 augurium.exe >/dev/null 2>&1 &)
read_in de "German, the display language"
printf '\nLanguage=ja\n' >>"$settings"
start
read_in ja "Japanese, chosen under Help > Language"
if [ $japanese_font = yes ]; then
  pass "Japanese drawn in Noto Sans CJK JP, copied into the prefix's Fonts (see the language-ja screenshots)"
else
  echo "note: $noto is missing (fonts-noto-cjk), so the Japanese screenshots show empty boxes for its characters"
fi

wine64 "$installed/uninstall.exe" /S
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 0.5; done
wineserver -w
left=$( [ -d "$installed" ] && (cd "$installed" && find . -type f) || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ ! -e "$roaming/Microsoft/Windows/Start Menu/Programs/Augurium.lnk" ] || fail "the Start-menu entry stayed"
[ -f "$settings" ] || fail "the uninstaller removed the user's settings"
pass "silent uninstall: no installed file left, the settings kept"
echo "screenshots in build-win/check/"
