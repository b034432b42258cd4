# Sourced by the Windows test scripts: a throw-away Wine prefix in a temporary
# folder, removed with its server when the script ends. Defines wine64 and
# wine32, which run a Windows program under the 64- or 32-bit loader.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/korva-wine.XXXXXX")
# Quiet, and no offers to install the browser or .NET engines into the prefix.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_remove() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap wine_prefix_remove EXIT

for loader in /usr/lib/wine/wine64 /usr/lib/wine/wine; do
  if [ ! -x "$loader" ]; then
    echo "wine: $loader is missing; run bash scripts/setup.sh (as root) to install wine64 and wine32:i386" >&2
    exit 1
  fi
done

echo "wine: creating a prefix in $WINEPREFIX (the first start takes about ten seconds)"
if ! /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1; then
  echo "wine: wineboot failed in $WINEPREFIX; run WINEDEBUG=err+all /usr/lib/wine/wine64 wineboot to see why" >&2
  exit 1
fi

# Windows programs end their lines with CR LF; the tests compare text.
wine64() { /usr/lib/wine/wine64 "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
wine32() { /usr/lib/wine/wine "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
