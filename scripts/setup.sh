#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail
pakete=(g++ cmake make ccache pkg-config sqlite3 libsqlite3-dev
        qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n libgl-dev
        libpugixml-dev libgtest-dev googletest libxml2-utils
        fonts-liberation2   # Liberation Sans: metric-compatible with Arial, the schematic's font
        python3-ezdxf       # an independent reader for the written DXF drawings (tests)
        desktop-file-utils appstream   # checks of the desktop entry and the AppStream metadata (tests)
        dpkg-dev file lintian man-db   # the Debian package: built by cpack, checked, its manual page read
        util-linux          # setpriv: the host start as another user (tests)
        clang libclang-rt-14-dev)      # the fuzz targets: clang with libFuzzer
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing: ${fehlend[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${fehlend[@]}"
fi
