#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it:
#   package.sh [BUILD_DIR] [--install]
# The folder is brought up to date (nothing is rebuilt when test.sh or
# build.sh has just built it), cpack makes lumora_*.deb in it, and the checks
# are its contents and control fields, desktop-file-validate, appstreamcli
# validate and lintian (errors fail). --install then installs it with apt-get
# and rewrites an example with the installed lumora from outside the source
# tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
install=no
for arg in "$@"; do
  case "$arg" in
    --install) install=yes ;;
    *) dir="$arg" ;;
  esac
done
dir=$(cd "$dir" && pwd)

cmake --build "$dir" -j"$(nproc)" >/dev/null
rm -f "$dir"/lumora_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/lumora_*.deb)
deb="${debs[0]}"
echo "package: $deb"

dpkg-deb -I "$deb"
listing=$(dpkg -c "$deb" | awk '{print $6}')
echo "$listing"
missing=0
for path in \
  ./usr/bin/lumora ./usr/bin/lumora-translator ./usr/bin/lumora-http ./usr/bin/lumora-skin \
  ./usr/libexec/lumora/lumora-window \
  ./usr/share/lumora/lumora.lex \
  ./usr/share/applications/lumora.desktop \
  ./usr/share/metainfo/org.lumora.Lumora.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/lumora.png \
  ./usr/share/icons/hicolor/128x128/apps/lumora.png \
  ./usr/share/icons/hicolor/256x256/apps/lumora.png \
  ./usr/share/man/man1/lumora.1.gz ./usr/share/man/man1/lumora-translator.1.gz \
  ./usr/share/man/man1/lumora-http.1.gz ./usr/share/man/man1/lumora-skin.1.gz \
  ./usr/share/doc/lumora/copyright ./usr/share/doc/lumora/changelog.gz \
  ./lib/systemd/system/lumora-translator.service ./etc/default/lumora-translator; do
  grep -qxF "$path" <<<"$listing" || { echo "package: $path is missing" >&2; missing=1; }
done
# Dependencies come from dpkg-shlibdeps (Qt, zlib) and the language model.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 zlib1g libime-data-language-model; do
  grep -q "$lib" <<<"$depends" || { echo "package: Depends lacks $lib: $depends" >&2; missing=1; }
done
[ "$missing" -eq 0 ]

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
dpkg-deb -e "$deb" "$unpacked/DEBIAN"
grep -qxF /etc/default/lumora-translator "$unpacked/DEBIAN/conffiles"
desktop-file-validate "$unpacked/usr/share/applications/lumora.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.lumora.Lumora.metainfo.xml"
lintian --fail-on error "$deb"
echo "package: contents, desktop entry, metainfo and lintian checks passed"

[ "$install" = yes ] || exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$deb"
work=$(mktemp -d)
cp "$root/examples/economy_news.txt" "$work/"
cd "$work"
/usr/bin/lumora --rewrite economy_news.txt >rewritten.txt
head -c 300 rewritten.txt
echo
grep -q '^本站讯：' rewritten.txt
grep -q '本站记者：XXX$' rewritten.txt
if cmp -s economy_news.txt rewritten.txt; then
  echo "package: the installed lumora left the article unchanged" >&2
  exit 1
fi
# The installed programs load the lexicon installed with them.
/usr/bin/lumora-translator --listen 127.0.0.1:0 2>translator.log &
translator=$!
for _ in $(seq 100); do
  grep -q 'serving' translator.log && break
  sleep 0.1
done
kill -TERM "$translator"
wait "$translator"
grep -q 'serving /usr/share/lumora/lumora.lex' translator.log || {
  cat translator.log >&2
  exit 1
}
# The service is installed, valid and left off (where systemd is present).
if command -v systemd-analyze >/dev/null; then
  systemd-analyze verify /lib/systemd/system/lumora-translator.service
  [ "$(systemctl is-enabled lumora-translator 2>/dev/null || true)" = disabled ]
fi
cd /
rm -rf "$work"
echo "package: the installed lumora rewrote an example with the installed lexicon"
