#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program twice as a user who
# cannot write to it: the project database is made in the user's data folder, the article database
# is read from the installation, the installation stays as it was, the second start finds the
# first one's database. Then the same installation without Qt SQL's SQLite driver, for that user
# and for a user without a database: the program names the missing driver, calls no database
# damaged and leaves the project database as it was.
# Usage: installation.sh BUILD_FOLDER SQLITE_DRIVER_PLUGIN. Exit 77 (skipped) when no other user
# can be taken.
set -euo pipefail
build=$1
treiber=$2

fehler() { echo "FEHLER: $*" >&2; exit 1; }

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/kelvor-installation.XXXXXX")
pid=
aufraeumen() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
  rm -rf "$arbeit"
}
trap aufraeumen EXIT
chmod 755 "$arbeit"
arbeit=$(realpath "$arbeit")
prefix=$arbeit/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# As root the program runs as "nobody"; any other user runs it as themselves.
als=()
if [ "$(id -u)" -eq 0 ]; then
  if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    echo "SKIPPED: no setpriv or no user nobody to start the program as"
    exit 77
  fi
  als=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
fi

home=$arbeit/home
mkdir -p "$home/tmp" "$home/run"
chmod 700 "$home/run"
[ "$(id -u)" -eq 0 ] && chown -R nobody:"$(id -gn nobody)" "$home"
daten=$home/.local/share/Kelvor/Daten
projektdb=$daten/Projektverwaltung.db
artikeldb=$prefix/share/kelvor/Daten/Artikeld.db
[ -f "$artikeldb" ] || fehler "no article database installed at $artikeldb"
[ -x "$prefix/bin/kelvor" ] || fehler "no program installed at $prefix/bin/kelvor"

stand() {
  (cd "$prefix" && find . -printf '%p %m %u %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
vorher=$(stand)

# A command as that user in a fresh environment (the program: its own process, so that $! is it).
benutzer=("${als[@]}" env -i HOME="$home" TMPDIR="$home/tmp" XDG_RUNTIME_DIR="$home/run" PATH=/usr/bin:/bin
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="kelvor.datenbank.debug=true;kelvor.meldung.debug=true"
  ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")

# Starts the program, waits until the start page has opened the project database, ends it.
starte() {
  local log=$1
  "${benutzer[@]}" "$prefix/bin/kelvor" >"$log" 2>&1 &
  pid=$!
  local i
  for ((i = 0; i < 1200; i++)); do
    grep -qF "geöffnet: $projektdb" "$log" && break
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fehler "the program ended by itself"; }
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fehler "the program ended by itself"; }
  kill -TERM "$pid"
  wait "$pid" || true
  pid=
  grep -qF "geöffnet: $projektdb" "$log" || { cat "$log" >&2; fehler "no project database opened at $projektdb"; }
  grep -qF "geöffnet, nur lesen: $artikeldb" "$log" \
    || { cat "$log" >&2; fehler "the article database was not read from the installation"; }
  [ "$(stand)" = "$vorher" ] || fehler "the installation was changed"
  [ ! -e "$daten/Artikeld.db" ] || fehler "the article database was copied to the user's folder"
}

starte "$arbeit/erster.log"
[ -f "$projektdb" ] || fehler "no project database in $daten"
[ "$("${benutzer[@]}" sqlite3 "$projektdb" 'PRAGMA quick_check')" = ok ] || fehler "the project database is damaged"
"${benutzer[@]}" sqlite3 "$projektdb" "CREATE TABLE installationstest (x); INSERT INTO installationstest VALUES (42)"
knoten=$(stat -c %i "$projektdb")

starte "$arbeit/zweiter.log"
[ "$(stat -c %i "$projektdb")" = "$knoten" ] || fehler "the second start made a new project database"
[ "$("${benutzer[@]}" sqlite3 "$projektdb" 'SELECT x FROM installationstest')" = 42 ] \
  || fehler "the second start did not keep the first start's project database"

# The program from a copy of bin/ whose qt.conf names a plugin folder without the SQL drivers;
# share/ is the installation's.
ohne=$arbeit/ohne-treiber
mkdir -p "$ohne/bin" "$ohne/plugins"
cp "$prefix/bin/kelvor" "$ohne/bin/"
ln -s "$prefix/share" "$ohne/share"
treiberordner=$(dirname "$treiber")
for p in "$(dirname "$treiberordner")"/*; do
  [ "$p" = "$treiberordner" ] || ln -s "$p" "$ohne/plugins/"
done
printf '[Paths]\nPlugins=%s\n' "$ohne/plugins" >"$ohne/bin/qt.conf"

# Starts that program as the user with the given home, waits for its first message (it stays
# open in front of the window), ends it and checks what it said.
ohneTreiber() {
  local home=$1 log=$2
  "${benutzer[@]}" HOME="$home" TMPDIR="$home/tmp" XDG_RUNTIME_DIR="$home/run" "$ohne/bin/kelvor" >"$log" 2>&1 &
  pid=$!
  local i
  for ((i = 0; i < 1200; i++)); do
    grep -qF "kelvor.meldung:" "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || true
  pid=
  grep -qF "Der Datenbanktreiber QSQLITE fehlt." "$log" || { cat "$log" >&2; fehler "no message names the missing driver"; }
  ! grep -qiE "beschädigt|Fehler 21" "$log" || { cat "$log" >&2; fehler "a database was called damaged"; }
}

vorher_db=$(sha256sum "$projektdb")
ohneTreiber "$home" "$arbeit/ohne-treiber.log"
[ "$(sha256sum "$projektdb")" = "$vorher_db" ] || fehler "the project database was changed without the driver"

neu=$arbeit/neu
mkdir -p "$neu/tmp" "$neu/run"
chmod 700 "$neu/run"
[ "$(id -u)" -eq 0 ] && chown -R nobody:"$(id -gn nobody)" "$neu"
ohneTreiber "$neu" "$arbeit/ohne-treiber-neu.log"
[ ! -e "$neu/.local/share/Kelvor/Daten/Projektverwaltung.db" ] || fehler "a project database was made without the driver"
[ "$(stand)" = "$vorher" ] || fehler "the installation was changed"

echo "installed program: project database in $daten, article database from $artikeldb; without the driver it says so"
