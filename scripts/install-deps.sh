#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need,
# only those that are missing. Works as root; uses sudo otherwise.
set -euo pipefail

# fonts-liberation: Liberation Sans stands in for the printout's Arial with
# the same widths, so that printed columns hold what they were laid out for.
packages=(
    cmake ninja-build g++ pkg-config libsqlite3-dev
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n libqt6sql6-sqlite libgl-dev libxkbcommon-dev
    fonts-dejavu-core fonts-liberation libxlsxwriter-dev
)
if [ "${1:-}" = "--test" ]; then
    # Headless runs, screenshots and page renders; the readers that check
    # the exported workbooks and report; the desktop entry's validator.
    packages+=(xvfb xauth poppler-utils python3-xlrd python3-openpyxl libreoffice-writer-nogui desktop-file-utils)
elif [ "${1:-}" = "--package" ]; then
    # CPack's Debian package takes its dependencies from dpkg-shlibdeps.
    packages+=(dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt_get=(apt-get)
else
    apt_get=(sudo apt-get)
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq || true
"${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"
