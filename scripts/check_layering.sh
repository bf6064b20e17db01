#!/usr/bin/env bash
# The socket and HTTP layers must stay free of Qt.
set -u
root="${1:-.}"
hits=$(grep -rnE '#\s*include\s*[<"]Q|#\s*include\s*[<"]qt' "$root/src/net" "$root/src/http" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in src/net or src/http:"
  echo "$hits"
  exit 1
fi
echo "net and http include no Qt header"
