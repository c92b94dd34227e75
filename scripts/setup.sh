#!/usr/bin/env bash
# Installs what Quillmark needs on Debian 12: the compiler tool chain, Qt 6,
# GoogleTest, Japanese fonts, Qt's own Japanese strings, TeX Live's pLaTeX
# tools and viewers (Ghostscript for dvipdfmx to convert EPS figures, which
# Debian only suggests, and gv to show PostScript), a spell checker with a
# terminal to answer it in, and the tools the tests use to look at the window.
set -euo pipefail

packages=(
  build-essential cmake qt6-base-dev libgl-dev libgtest-dev googletest
  fonts-ipaexfont-gothic fonts-ipaexfont-mincho qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
  texlive-lang-japanese ghostscript xdvik-ja xpdf gv poppler-utils
  ispell iamerican xterm
  xvfb x11-apps imagemagick xdotool xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# dvipdfmx embeds Japanese fonts only once a font set is chosen for it.
if command -v kanji-config-updmap-sys >/dev/null 2>&1; then
  if ! kanji-config-updmap-sys status 2>/dev/null | grep -q 'CURRENT family for ja: haranoaji'; then
    "${sudo_cmd[@]}" kanji-config-updmap-sys haranoaji >/dev/null 2>&1 || true
  fi
fi
