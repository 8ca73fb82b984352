#!/usr/bin/env bash
# Starts the real program as the host program does (TYVO_File=... TYVO_Mode=0, offscreen) with
# exchange files at the edges: a FIFO and a link to /dev/zero (read without blocking and without
# end: a load error, the file untouched), a file with a NUL byte (refused, unchanged), a file the
# user may write in a folder the user may not (answered in place), and a host start while the
# user has the program open (it runs beside it and answers). Every start has a time limit, so a
# hang fails the test. Ends with 77 (skipped) when, as root, it cannot run the program as another user.
# Usage: hoststart.sh PROGRAM_FOLDER SOURCE_FOLDER
set -euo pipefail
programm=$1
quellen=$2

fehler() { echo "FEHLER: $*" >&2; exit 1; }

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/kelvor-hoststart.XXXXXX")
pids=()
aufraeumen() {
  local p
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$arbeit"
}
trap aufraeumen EXIT
chmod 755 "$arbeit"
arbeit=$(realpath "$arbeit")

# A portable copy of the program: the shipped files beside it, the data below it.
kopie() {
  local ziel=$1
  mkdir -p "$ziel/Daten" "$ziel/home/tmp" "$ziel/home/run"
  chmod 700 "$ziel/home/run"
  cp "$programm/kelvor" "$ziel/"
  cp "$programm/Daten/Artikeld.db" "$ziel/Daten/"
  cp "$programm/Kelvor.ico" "$ziel/" 2>/dev/null || true
  [ -d "$programm/DXF" ] && ln -s "$programm/DXF" "$ziel/DXF"
  return 0
}

# The program of folder $1 as the user given by the rest (empty: this user), in a fresh
# environment of its own home, started in the background with the log $2; the rest are its
# arguments. Sets pid.
starte() {
  local ordner=$1 log=$2
  shift 2
  "${als[@]}" env -i HOME="$ordner/home" TMPDIR="$ordner/home/tmp" XDG_RUNTIME_DIR="$ordner/home/run" \
    PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="kelvor.datenbank.debug=true;kelvor.meldung.debug=true;kelvor.austausch.debug=true" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    "$ordner/kelvor" "$@" >"$log" 2>&1 &
  pid=$!
  pids+=("$pid")
}

# Waits up to $2 seconds until the log $1 holds the text $3, the program ends, or it holds more
# than 1 GiB. Prints "text", "ende" or "zeit".
warte() {
  local log=$1 frist=$2 text=$3 i rss
  for ((i = 0; i < frist * 10; i++)); do
    if [ -n "$text" ] && grep -qF -- "$text" "$log"; then echo text; return; fi
    if ! kill -0 "$pid" 2>/dev/null; then echo ende; return; fi
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    if [ "${rss:-0}" -gt 1048576 ]; then
      kill -KILL "$pid"
      cat "$log" >&2
      fehler "the program holds more than 1 GiB ($log)"
    fi
    sleep 0.1
  done
  echo zeit
}

beende() {
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# A host file the heating pages design to the end without a question.
auslegbar=$arbeit/auslegbar.xml
sed -e 's|<Pst>2500</Pst>|<Pst>1500</Pst>|' \
  -e 's|<Entschlammung_Anlage>1</Entschlammung_Anlage>|<Entschlammung_Anlage>0</Entschlammung_Anlage>|' \
  "$quellen/tests/exchange/daten/gueltig.xml" >"$auslegbar"

# Answered with success: the program ended by itself with status 0 and the file holds the result.
erwarteAntwort() {
  local datei=$1 log=$2 frist=$3 was
  was=$(warte "$log" "$frist" "")
  [ "$was" = ende ] || { beende; cat "$log" >&2; fehler "$datei: the host start did not end by itself"; }
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { cat "$log" >&2; fehler "$datei: the host start ended with status $status"; }
  grep -qF "<Programm>Kelvor</Programm>" "$datei" && grep -qF "<Ergebnis>1</Ergebnis>" "$datei" \
    || { cat "$log" >&2; cat "$datei" >&2; fehler "$datei was not answered"; }
}

als=()
haupt=$arbeit/programm
kopie "$haupt"

# --- Files that are no regular file, and a NUL byte: a load error is shown, the file stays. Each
# case must fail for its own reason, not for any.
mkfifo "$arbeit/fifo.xml"
ln -s /dev/zero "$arbeit/null.xml"
printf '<?xml version="1.0"?>\n' >"$arbeit/nul.xml"
sed 1d "$auslegbar" >>"$arbeit/nul.xml"
printf '\0<Nachsatz>bleibt</Nachsatz>\n' >>"$arbeit/nul.xml"
vorher=$(sha256sum "$arbeit/nul.xml")
keineDatei="Ladefehler: Die Datei kann nicht gelesen werden (Die Datei ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Ordner).):"
declare -A ladefehler=([fifo]="$keineDatei $arbeit/fifo.xml"
                       [null]="$keineDatei $arbeit/null.xml"
                       [nul]="Ladefehler: Die Datei enthält ein unzulässiges Zeichen (Nullzeichen). Parse Error Line: $(wc -l <"$arbeit/nul.xml")")
for fall in fifo null nul; do
  datei=$arbeit/$fall.xml
  log=$arbeit/$fall.log
  starte "$haupt" "$log" "TYVO_File=$datei" "TYVO_Mode=0"
  was=$(warte "$log" 120 "kelvor.meldung:")
  beende
  [ "$was" = text ] || { cat "$log" >&2; fehler "$fall: no load error was shown ($was)"; }
  grep -qF -- "${ladefehler[$fall]}" "$log" \
    || { cat "$log" >&2; fehler "$fall: not the load error '${ladefehler[$fall]}'"; }
done
[ -p "$arbeit/fifo.xml" ] || fehler "the FIFO was replaced"
[ "$(readlink "$arbeit/null.xml")" = /dev/zero ] || fehler "the link to /dev/zero was replaced"
[ "$(sha256sum "$arbeit/nul.xml")" = "$vorher" ] || fehler "the file with a NUL byte was changed"

# --- A host start while the user has the program open: it runs beside it and answers.
starte "$haupt" "$arbeit/offen.log"
offen=$pid
[ "$(warte "$arbeit/offen.log" 120 "geöffnet: ")" = text ] \
  || { cat "$arbeit/offen.log" >&2; fehler "the program the user opens did not start"; }
cp "$auslegbar" "$arbeit/neben.xml"
starte "$haupt" "$arbeit/neben.log" "TYVO_File=$arbeit/neben.xml" "TYVO_Mode=0"
erwarteAntwort "$arbeit/neben.xml" "$arbeit/neben.log" 300
kill -0 "$offen" 2>/dev/null || fehler "the program the user had open has ended"
pid=$offen
beende

# --- A file the user may write in a folder the user may not: answered in place. Root may write
# anywhere, so as root the program runs as "nobody".
if [ "$(id -u)" -eq 0 ]; then
  if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    echo "SKIP: no setpriv or no user nobody, so the read-only folder was not tried (scripts/setup.sh installs setpriv)"
    exit 77
  fi
  als=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
fi
fremd=$arbeit/als-nutzer
kopie "$fremd"
[ "$(id -u)" -eq 0 ] && chown -R nobody:"$(id -gn nobody)" "$fremd"
geteilt=$arbeit/geteilt
mkdir -p "$geteilt"
cp "$auslegbar" "$geteilt/host.xml"
chmod 666 "$geteilt/host.xml"
chmod 555 "$geteilt"
starte "$fremd" "$arbeit/geteilt.log" "TYVO_File=$geteilt/host.xml" "TYVO_Mode=0"
erwarteAntwort "$geteilt/host.xml" "$arbeit/geteilt.log" 300
[ "$(ls -A "$geteilt")" = host.xml ] || fehler "something besides host.xml was left in the shared folder"
chmod 755 "$geteilt"

echo "host starts: FIFO, /dev/zero and NUL refused untouched; answered beside an open program and in a read-only folder"
