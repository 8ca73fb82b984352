#!/usr/bin/env bash
# Builds the Debian package of a Release build into a temporary folder and checks it as a Debian
# packager would: Depends names the SQLite driver of Qt SQL, Recommends the translations and
# fonts, lintian (pedantic, with its notes) finds nothing, the manual page is in the package
# and renders.
# Usage: paket.sh BUILD_FOLDER BUILD_TYPE SANITIZE. Exit 77 (skipped) outside the plain Release build.
set -euo pipefail
build=$1
typ=$2
sanitize=$3

fehler() { echo "FEHLER: $*" >&2; exit 1; }

if [ "$typ" != Release ] || [[ "$sanitize" =~ ^(ON|on|1|TRUE|true|YES|yes)$ ]]; then
  echo "SKIPPED: the package is built from the Release build without sanitizers (this is $typ, sanitizers $sanitize)"
  exit 77
fi

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/kelvor-paket.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$arbeit" >"$arbeit/cpack.log" 2>&1 \
  || { cat "$arbeit/cpack.log" >&2; fehler "cpack failed"; }
pakete=("$arbeit"/kelvor_*.deb)
[ ${#pakete[@]} -eq 1 ] && [ -f "${pakete[0]}" ] || fehler "cpack made no single package: ${pakete[*]}"
paket=${pakete[0]}

# One field's entries, one a line, without version constraints.
eintraege() { dpkg-deb -f "$paket" "$1" | tr ',' '\n' | sed -e 's/([^)]*)//' -e 's/^ *//' -e 's/ *$//'; }
eintraege Depends | grep -qx libqt6sql6-sqlite || fehler "Depends lacks libqt6sql6-sqlite: $(dpkg-deb -f "$paket" Depends)"
for p in qt6-translations-l10n fonts-liberation2; do
  eintraege Recommends | grep -qx "$p" || fehler "Recommends lacks $p: $(dpkg-deb -f "$paket" Recommends)"
done

# lintian's advice against running as root is no finding about the package.
befund=$(lintian --pedantic --display-info "$paket" 2>&1 | grep -vx 'running with root privileges is not recommended!' || true)
[ -z "$befund" ] || { echo "$befund" >&2; fehler "lintian found something"; }

dpkg-deb -x "$paket" "$arbeit/inhalt"
seite=$arbeit/inhalt/usr/share/man/man1/kelvor.1.gz
[ -f "$seite" ] || fehler "no manual page at usr/share/man/man1/kelvor.1.gz"
text=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$seite" 2>"$arbeit/man.log") || { cat "$arbeit/man.log" >&2; fehler "man failed"; }
[ ! -s "$arbeit/man.log" ] || { cat "$arbeit/man.log" >&2; fehler "man warns about the manual page"; }
for abschnitt in BEZEICHNUNG ÜBERSICHT BESCHREIBUNG DATEIEN TYVO_File TYVO_Mode .local/share/Kelvor /usr/share/kelvor; do
  grep -qF -- "$abschnitt" <<<"$text" || fehler "the rendered manual page lacks $abschnitt"
done
echo "package $(basename "$paket"): Depends, Recommends, lintian and manual page as they should be"
