#!/usr/bin/env bash
# Rebuilds fixture.xls from fixture.fods with LibreOffice headless.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
soffice --headless -env:UserInstallation=file:///tmp/lo-profile-$$ \
    --convert-to 'xls:MS Excel 97' --outdir "$out" "$here/fixture.fods" >/dev/null
test -s "$out/fixture.xls" # soffice exits 0 even when the conversion failed
mv "$out/fixture.xls" "$here/fixture.xls"
rm -rf "$out" /tmp/lo-profile-$$
