#!/usr/bin/env bash
# Rebuilds the four report forms, the four stringing-table forms and the four tower schedules: make_forms.py writes
# them as flat ODS, LibreOffice (headless) converts each to Excel 97-2003. Run after changing
# make_forms.py or stringing_forms.py and commit the .xls files; the build only copies them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# The .xls files keep column widths in units of the width of "0" in Arial as LibreOffice finds
# it here. A substitute with other metrics (DejaVu Sans is wider) gives columns too narrow
# wherever Arial's metrics are present, Excel included, and the six-decimal loads print "###".
family=$(fc-match -f '%{family}' Arial 2>/dev/null || true)
case "${family%%,*}" in
    Arial* | "Liberation Sans"* | Arimo* | "Nimbus Sans"*) ;;
    *)
        echo "regenerate.sh: Arial resolves to '${family:-nothing}', which lacks Arial's metrics;" \
            "install fonts-liberation" >&2
        exit 1
        ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

forms=(FormMech_en FormMechN_en FormMech_ru FormMechN_ru
       FormStringing_en FormStringingN_en FormStringing_ru FormStringingN_ru
       FormTowers_en FormTowersN_en FormTowers_ru FormTowersN_ru)
python3 "$here/make_forms.py" "$work"
for name in "${forms[@]}"; do
    soffice --headless "-env:UserInstallation=file://$work/lo-profile" \
        --convert-to 'xls:MS Excel 97' --outdir "$work/xls" "$work/$name.fods" >/dev/null 2>&1
    # LibreOffice exits 0 even when it could not convert: check the output exists.
    if [ ! -s "$work/xls/$name.xls" ]; then
        echo "regenerate.sh: LibreOffice did not write $name.xls" >&2
        exit 1
    fi
    cp "$work/xls/$name.xls" "$here/$name.xls"
done
echo "Wrote ${forms[*]/%/.xls} in $here"
