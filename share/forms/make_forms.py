#!/usr/bin/env python3
"""Writes the four report forms as flat ODS files (FormMech_en.fods, FormMechN_en.fods,
FormMech_ru.fods, FormMechN_ru.fods) into the folder given as the only argument, and the four
stringing-table forms that stringing_forms.py describes.

regenerate.sh converts them to the .xls files the program reads. The program writes values
only, into fixed cells: the input block (G2..G22, P3..P17, V2, V3), the loads (G25..J35),
the critical spans (P20..P22), the mode columns D..T (rows 37..41) and the span block
(rows 42..44, copied once per span). Everything else here - labels, units, number
formats, borders, merged areas, page setup - is the form's own business, so this file is
the place to change how the report looks.
"""

import os
import sys
from xml.sax.saxutils import escape

FIRST_MODE_COL = 4   # D
LAST_MODE_COL = 20   # T

# Column widths in cm, A..V.
COLUMN_WIDTHS = [0.75, 1.55, 2.7] + [1.5] * 17 + [2.05, 1.35]

# The report puts its page breaks by these heights and the page setup below: the numbers of
# span blocks per page in src/core/report/report_cells.h must be changed with them.
ROW_HEIGHT = "0.42cm"
HEADING_ROW_HEIGHT = "0.5cm"


def col_index(letters):
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch) - ord('A') + 1
    return n


class Style:
    """Formatting of one cell; equal styles share one automatic style in the file."""

    def __init__(self, fmt=None, bold=False, italic=False, size=8, align="left",
                 valign="middle", borders="", fill=None, wrap=False, rotate=0):
        self.fmt = fmt            # number format key of NUMBER_FORMATS, None = General
        self.bold = bold
        self.italic = italic
        self.size = size
        self.align = align        # left, center, right
        self.valign = valign
        self.borders = borders    # any of "ltrb"
        self.fill = fill
        self.wrap = wrap
        self.rotate = rotate

    def key(self):
        return (self.fmt, self.bold, self.italic, self.size, self.align, self.valign,
                self.borders, self.fill, self.wrap, self.rotate)

    def with_(self, **changes):
        s = Style()
        s.__dict__.update(self.__dict__)
        s.__dict__.update(changes)
        return s


BOX = "ltrb"
GREY = "#d9d9d9"
LIGHT = "#eeeeee"

label = Style(borders=BOX, wrap=True)
unit = Style(borders=BOX, align="center")
heading = Style(bold=True, size=9, borders=BOX, fill=GREY, align="center")
subheading = Style(italic=True, borders=BOX, fill=LIGHT, align="left")
column_head = Style(bold=True, borders=BOX, fill=LIGHT, align="center", wrap=True)


def value(fmt):
    return Style(fmt=fmt, borders=BOX, align="right")


# Number formats: (decimal places, scientific).
NUMBER_FORMATS = {
    "0": (0, False),
    "0.0": (1, False),
    "0.00": (2, False),
    "0.000": (3, False),
    "0.0000": (4, False),
    "0.00000": (5, False),
    "0.000000": (6, False),
    "0.00E+00": (2, True),
    "@": None,
}


COVERED = object()   # a cell inside a merged area, not its anchor


class Sheet:
    def __init__(self):
        self.cells = {}      # (row, col) -> (text or number or None, Style)
        self.merges = {}     # (row, col) -> (rows, cols)
        self.row_heights = {}

    def put(self, ref, content, style, span=None):
        """ref is "G2"; span is "G2:I2" when the cell is the anchor of a merged area."""
        r, c = parse_ref(ref)
        self.cells[(r, c)] = (content, style)
        if span:
            (r0, c0), (r1, c1) = [parse_ref(p) for p in span.split(":")]
            assert (r0, c0) == (r, c), span
            self.merges[(r, c)] = (r1 - r0 + 1, c1 - c0 + 1)
            for rr in range(r0, r1 + 1):
                for cc in range(c0, c1 + 1):
                    if (rr, cc) != (r, c):
                        self.cells[(rr, cc)] = (COVERED, style)


def parse_ref(ref):
    letters = "".join(ch for ch in ref if ch.isalpha())
    digits = "".join(ch for ch in ref if ch.isdigit())
    return int(digits), col_index(letters)


def col_name(c):
    s = ""
    while c:
        c, rem = divmod(c - 1, 26)
        s = chr(ord('A') + rem) + s
    return s


# ---- texts: (English, Russian) ----------------------------------------------------------

T = {
    "sheet": ("Report", "Отчёт"),
    "title": ("Mechanical calculation of wires, cords and self-supporting cables",
              "Механический расчёт проводов, тросов и самонесущих кабелей"),
    "page": ("Page", "Страница"),
    "of": ("of", "из"),
    "climatic": ("Climatic conditions", "Климатические условия"),
    "t_max": ("Maximum temperature", "Температура максимальная"),
    "t_min": ("Minimum temperature", "Температура минимальная"),
    "t_srg": ("Average annual temperature", "Среднегодовая температура"),
    "t_vmax": ("Temperature at maximum wind", "Температура при максимальном ветре"),
    "t_gbw": ("Ice-without-wind temperature", "Температура при гололёде без ветра"),
    "t_gsw": ("Ice-with-wind temperature", "Температура при гололёде с ветром"),
    "v_max": ("Maximum wind velocity", "Максимальная скорость ветра"),
    "v_gol": ("Wind velocity with ice", "Скорость ветра при гололёде"),
    "tols": ("Standard ice wall thickness", "Нормативная толщина стенки гололёда"),
    "wire_spans": ("Wire and spans", "Провод и пролёты"),
    "wire": ("Type of wire, cord, cable", "Марка провода, троса, кабеля"),
    "min_span": ("Minimum span", "Минимальный пролёт"),
    "max_span": ("Maximum span", "Максимальный пролёт"),
    "step": ("Span step", "Шаг изменения пролёта"),
    "perm_stress": ("Permissible stresses", "Допускаемые напряжения"),
    "stress_max": ("Maximum permissible stress", "Максимальное допускаемое напряжение"),
    "stress_srg": ("Stress at average annual temperature",
                   "Напряжение при среднегодовой температуре"),
    "perm_force": ("Permissible tensile forces", "Допускаемые тяжения"),
    "force_max": ("Maximum permissible tensile force", "Максимальное допускаемое тяжение"),
    "force_srg": ("Tensile force at average annual temperature",
                  "Тяжение при среднегодовой температуре"),
    "coefs": ("Reliability coefficients to standard loads",
              "Коэффициенты надежности к нормативным нагрузкам"),
    "wind_loads": ("Wind loads", "К ветровым нагрузкам"),
    "ice_loads": ("Ice loads", "К гололедным нагрузкам"),
    "resp": ("Responsibility", "Ответственности"),
    "reg": ("Regional", "Региональный"),
    "rel": ("Reliability", "Надежности"),
    "oper": ("Operating conditions", "Условий работы"),
    "specif": ("Terrain and height", "Местность и высота"),
    "terrain": ("Type of terrain", "Тип местности"),
    "height": ("Height of the centre of gravity of the wires, m",
               "Высота приведенного центра тяжести, м"),
    "wire_data": ("Wire data", "Характеристики провода"),
    "diam": ("Diameter d", "Диаметр d"),
    "sech": ("Cross-section F", "Сечение F"),
    "weight": ("Weight per metre P1", "Масса одного метра P1"),
    "modulus": ("Modulus of elasticity E", "Модуль упругости E"),
    "alpha": ("Coefficient of thermal expansion α", "Температурный коэффициент удлинения α"),
    "critical": ("Critical spans", "Критические пролёты"),
    "l1": ("First critical span l1", "Первый критический пролёт l1"),
    "l2": ("Second critical span l2 (first in the results)",
           "Второй критический пролёт l2 (первый в таблице)"),
    "l3": ("Third critical span l3", "Третий критический пролёт l3"),
    "loads": ("Loads on the wire", "Нагрузки на провод"),
    "load": ("Load", "Нагрузка"),
    "no": ("No.", "№"),
    "per_metre": ("Load per metre P, {}", "Погонная нагрузка P, {}"),
    "specific": ("Specific load γ, {}", "Удельная нагрузка γ, {}"),
    "modes": ("Design modes", "Расчётные режимы"),
    "mode": ("Mode", "Режим"),
    "results": ("Tensile forces, stresses and sags in the design modes",
                "Тяжения, напряжения и стрелы провеса в расчётных режимах"),
    "r_load": ("Specific load γ", "Удельная нагрузка γ"),
    "r_temp": ("Air temperature", "Температура воздуха"),
    "r_ice": ("Ice wall thickness", "Толщина стенки гололёда"),
    "r_wind": ("Wind velocity", "Скорость ветра"),
    "r_span": ("Span, m", "Пролёт, м"),
    "r_mode": ("Design mode", "Режим"),
    "span_eq": ("L =", "L ="),
    "force": ("Tensile force", "Тяжение"),
    "stress": ("Stress", "Напряжение"),
    "sag": ("Sag", "Стрела провеса"),
}

LOADS = [
    ("1", "Own weight", "Собственный вес"),
    ("2", "Ice", "Гололёд"),
    ("3", "Own weight and ice", "Собственный вес и гололёд"),
    ("4", "Wind without ice, maximum velocity", "Ветер без гололёда, максимальная скорость"),
    ("4a", "Wind without ice, 10 m/s", "Ветер без гололёда, 10 м/с"),
    ("4b", "Wind without ice, 0.3 of maximum velocity",
     "Ветер без гололёда, 0,3 максимальной скорости"),
    ("5", "Wind on the iced wire", "Ветер при гололёде"),
    ("6", "Own weight and wind 4", "Собственный вес и ветер 4"),
    ("6a", "Own weight and wind 4a", "Собственный вес и ветер 4a"),
    ("6b", "Own weight and wind 4b", "Собственный вес и ветер 4b"),
    ("7", "Own weight, ice and wind 5", "Собственный вес, гололёд и ветер 5"),
]

MODES = [
    ("1", "Ice with wind", "Гололёд с ветром"),
    ("2", "Ice without wind (clearance mode)", "Гололёд без ветра (габаритный режим)"),
    ("3", "Maximum wind", "Максимальный ветер"),
    ("4", "Wind 10 m/s at −15 °C", "Ветер 10 м/с при −15 °C"),
    ("5", "+15 °C, no wind, no ice", "+15 °C без ветра и гололёда"),
    ("6", "Minimum temperature", "Минимальная температура"),
    ("7", "Maximum temperature (clearance mode)", "Максимальная температура (габаритный режим)"),
    ("8", "Average annual temperature", "Среднегодовая температура"),
    ("9", "Wind at +15 °C", "Ветер при +15 °C"),
    ("10–17", "+70, +30, +20, +10, 0, −10, −20, −30 °C, no wind, no ice",
     "+70, +30, +20, +10, 0, −10, −20, −30 °C без ветра и гололёда"),
]

# Units: (English, Russian) per units mode.
U = {
    "degC": ("°C", "°C"),
    "ms": ("m/s", "м/с"),
    "mm": ("mm", "мм"),
    "mm2": ("mm²", "мм²"),
    "m": ("m", "м"),
    "kg_m": ("kg/m", "кг/м"),
    "per_degC": ("1/°C", "1/°C"),
    "daN_m": ("daN/m", "даН/м"),
    "N_m": ("N/m", "Н/м"),
    "daN_mm2": ("daN/mm²", "даН/мм²"),
    "N_mm2": ("N/mm²", "Н/мм²"),
    "kN_mm2": ("kN/mm²", "кН/мм²"),
    "daN": ("daN", "даН"),
    "kN": ("kN", "кН"),
    "daN_mmm": ("daN/(m·mm²)", "даН/(м·мм²)"),
    "N_mmm": ("N/(m·mm²)", "Н/(м·мм²)"),
}


def build(lang, units):
    """The report sheet for a language (0 English, 1 Russian) and units mode (0 daN, 1 N/kN)."""
    t = lambda key: T[key][lang]
    u = lambda key: U[key][lang]
    s = Sheet()
    newton = units == 1

    stress_unit = u("N_mm2") if newton else u("daN_mm2")
    force_unit = u("kN") if newton else u("daN")
    modulus_unit = u("kN_mm2") if newton else u("daN_mm2")
    load_unit = u("N_m") if newton else u("daN_m")
    specific_unit = u("N_mmm") if newton else u("daN_mmm")
    stress_fmt = "0.00" if newton else "0.000"
    force_fmt = "0.000" if newton else "0.0"

    def row(r, text, ref_value, fmt, unit_text, label_cols=("A", "F"), unit_col="H"):
        s.put(f"{label_cols[0]}{r}", text, label, f"{label_cols[0]}{r}:{label_cols[1]}{r}")
        s.put(ref_value, None, value(fmt))
        if unit_col:
            s.put(f"{unit_col}{r}", unit_text, unit)

    # Input block, left: climatic conditions, wire and spans, permissible values.
    s.put("A1", t("climatic"), heading, "A1:H1")
    for r, key, fmt, un in [(2, "t_max", "0.0", "degC"), (3, "t_min", "0.0", "degC"),
                            (4, "t_srg", "0.0", "degC"), (5, "t_vmax", "0.0", "degC"),
                            (6, "t_gbw", "0.0", "degC"), (7, "t_gsw", "0.0", "degC"),
                            (8, "v_max", "0.0", "ms"), (9, "v_gol", "0.0", "ms"),
                            (10, "tols", "0.0", "mm")]:
        row(r, t(key), f"G{r}", fmt, u(un))
    s.put("A11", t("wire_spans"), heading, "A11:H11")
    s.put("A12", t("wire"), label, "A12:F12")
    s.put("G12", None, Style(fmt="@", borders=BOX, bold=True, align="center"), "G12:H12")
    for r, key in [(13, "min_span"), (14, "max_span"), (15, "step")]:
        row(r, t(key), f"G{r}", "0", u("m"))
    s.put("A17", t("perm_stress"), heading, "A17:H17")
    row(18, t("stress_max"), "G18", "0.0" if newton else "0.00", stress_unit)
    row(19, t("stress_srg"), "G19", "0.0" if newton else "0.00", stress_unit)
    s.put("A20", t("perm_force"), heading, "A20:H20")
    row(21, t("force_max"), "G21", force_fmt, force_unit)
    row(22, t("force_srg"), "G22", force_fmt, force_unit)

    # Input block, middle: reliability coefficients, wire data, critical spans.
    mid = ("J", "O")
    s.put("J1", t("coefs"), heading, "J1:Q1")
    s.put("J2", t("wind_loads"), subheading, "J2:Q2")
    for r, key in [(3, "resp"), (4, "reg"), (5, "rel")]:
        row(r, t(key), f"P{r}", "0.000", "", mid, "Q")
    s.put("J6", t("ice_loads"), subheading, "J6:Q6")
    for r, key in [(7, "resp"), (8, "reg"), (9, "rel"), (10, "oper")]:
        row(r, t(key), f"P{r}", "0.000", "", mid, "Q")
    s.put("J12", t("wire_data"), heading, "J12:Q12")
    row(13, t("diam"), "P13", "0.00", u("mm"), mid, "Q")
    row(14, t("sech"), "P14", "0.00", u("mm2"), mid, "Q")
    row(15, t("weight"), "P15", "0.0000", u("kg_m"), mid, "Q")
    row(16, t("modulus"), "P16", "0.00" if newton else "0", modulus_unit, mid, "Q")
    row(17, t("alpha"), "P17", "0.00E+00", u("per_degC"), mid, "Q")
    s.put("J19", t("critical"), heading, "J19:Q19")
    for r, key in [(20, "l1"), (21, "l2"), (22, "l3")]:
        row(r, t(key), f"P{r}", "0.0", u("m"), mid, "Q")

    # Input block, right: terrain and height.
    s.put("S1", t("specif"), heading, "S1:V1")
    s.put("S2", t("terrain"), label, "S2:U2")
    s.put("V2", None, Style(fmt="@", borders=BOX, align="center", bold=True))
    s.put("S3", t("height"), label, "S3:U4")
    s.put("V3", None, Style(fmt="0", borders=BOX, align="center"), "V3:V4")

    # Loads on the wire.
    s.put("A23", t("loads"), heading, "A23:L23")
    s.put("A24", t("load"), column_head, "A24:E24")
    s.put("F24", t("no"), column_head)
    s.put("G24", t("per_metre").format(load_unit), column_head, "G24:I24")
    s.put("J24", t("specific").format(specific_unit), column_head, "J24:L24")
    load_fmt = "0.000" if newton else "0.0000"
    specific_fmt = "0.00000" if newton else "0.000000"
    for i, (index, en, ru) in enumerate(LOADS):
        r = 25 + i
        s.put(f"A{r}", (en, ru)[lang], label, f"A{r}:E{r}")
        s.put(f"F{r}", index, unit)
        s.put(f"G{r}", None, value(load_fmt).with_(align="center"), f"G{r}:I{r}")
        s.put(f"J{r}", None, value(specific_fmt).with_(align="center"), f"J{r}:L{r}")

    # Legend of the design modes beside the loads.
    s.put("N23", t("modes"), heading, "N23:V23")
    s.put("N24", t("no"), column_head)
    s.put("O24", t("mode"), column_head, "O24:V24")
    for i, (number, en, ru) in enumerate(MODES):
        r = 25 + i
        s.put(f"N{r}", number, unit)
        s.put(f"O{r}", (en, ru)[lang], label, f"O{r}:V{r}")

    # Mode columns: the conditions of each mode, then the mode number.
    s.put("A36", t("results"), heading, "A36:U36")
    conditions = [(37, "r_load", "0.000000", u("daN_mmm")),
                  (38, "r_temp", "0.0", u("degC")),
                  (39, "r_ice", "0.0", u("mm")),
                  (40, "r_wind", "0.0", u("ms"))]
    for r, key, fmt, un in conditions:
        s.put(f"A{r}", t(key), label, f"A{r}:C{r}")
        for c in range(FIRST_MODE_COL, LAST_MODE_COL + 1):
            s.put(f"{col_name(c)}{r}", None, value(fmt).with_(align="center"))
        s.put(f"U{r}", un, unit)
    s.put("A41", t("r_span"), column_head, "A41:B41")
    s.put("C41", t("r_mode"), column_head)
    for c in range(FIRST_MODE_COL, LAST_MODE_COL + 1):
        s.put(f"{col_name(c)}41", None,
              Style(fmt="0", bold=True, borders=BOX, fill=LIGHT, align="center"))
    s.put("U41", None, column_head)

    # The block of one span; the program copies it once per span of the range.
    s.put("A42", t("span_eq"), Style(borders="ltb", align="right", bold=True), "A42:A44")
    s.put("B42", None, Style(fmt="0.0", borders="trb", align="left", bold=True), "B42:B44")
    for r, key, fmt, un in [(42, "force", force_fmt, force_unit),
                            (43, "stress", stress_fmt, stress_unit),
                            (44, "sag", "0.00", u("m"))]:
        s.put(f"C{r}", t(key), label)
        for c in range(FIRST_MODE_COL, LAST_MODE_COL + 1):
            s.put(f"{col_name(c)}{r}", None, value(fmt).with_(align="center"))
        s.put(f"U{r}", un, unit)

    for r in (1, 11, 17, 19, 20, 23, 36):
        s.row_heights[r] = HEADING_ROW_HEIGHT
    s.row_heights[24] = "0.75cm"
    return s


# ---- flat ODS writer ----------------------------------------------------------------------

NS = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
    'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
    'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
    'xmlns:loext="urn:org:documentfoundation:names:experimental:office:xmlns:loext:1.0"'
)

BORDER = "0.74pt solid #000000"


def number_style_xml(name, fmt):
    if fmt == "@":
        return (f'<number:text-style style:name="{name}"><number:text-content/>'
                '</number:text-style>')
    places, scientific = NUMBER_FORMATS[fmt]
    if scientific:
        body = (f'<number:scientific-number number:decimal-places="{places}" '
                f'number:min-decimal-places="{places}" number:min-integer-digits="1" '
                'number:min-exponent-digits="2"/>')
    else:
        body = (f'<number:number number:decimal-places="{places}" '
                f'number:min-decimal-places="{places}" number:min-integer-digits="1"/>')
    return f'<number:number-style style:name="{name}">{body}</number:number-style>'


def cell_style_xml(name, st, data_style):
    attrs = f' style:data-style-name="{data_style}"' if data_style else ""
    props = [f'style:vertical-align="{st.valign}"']
    for side, word in (("l", "left"), ("t", "top"), ("r", "right"), ("b", "bottom")):
        props.append(f'fo:border-{word}="{BORDER if side in st.borders else "none"}"')
    if st.fill:
        props.append(f'fo:background-color="{st.fill}"')
    if st.wrap:
        props.append('fo:wrap-option="wrap"')
    if st.rotate:
        props.append(f'style:rotation-angle="{st.rotate}"')
    text = [f'fo:font-size="{st.size}pt"', 'style:font-name="Arial"']
    if st.bold:
        text.append('fo:font-weight="bold"')
    if st.italic:
        text.append('fo:font-style="italic"')
    align = {"left": "start", "center": "center", "right": "end"}[st.align]
    return (f'<style:style style:name="{name}" style:family="table-cell" '
            f'style:parent-style-name="Default"{attrs}>'
            f'<style:table-cell-properties {" ".join(props)}/>'
            f'<style:paragraph-properties fo:text-align="{align}"/>'
            f'<style:text-properties {" ".join(text)}/></style:style>')


class Layout:
    """What differs between the kinds of form in the file around the cells: the column widths
    in cm, the rows printed at the top of every page (first, last; 1-based), the page header's
    title and the sheet's name, each as (English, Russian)."""

    def __init__(self, widths, header_rows, title, sheet_name):
        self.widths = widths
        self.header_rows = header_rows
        self.title = title
        self.sheet_name = sheet_name


REPORT_LAYOUT = Layout(COLUMN_WIDTHS, (36, 41), T["title"], T["sheet"])


def write_fods(sheet, lang, path, layout=REPORT_LAYOUT):
    t = lambda key: T[key][lang]
    styles = {}
    data_styles = {}
    for (_, st) in sheet.cells.values():
        if st.key() not in styles:
            styles[st.key()] = (f"ce{len(styles) + 1}", st)
        if st.fmt and st.fmt not in data_styles:
            data_styles[st.fmt] = f"N{len(data_styles) + 1}"

    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f'<office:document {NS} office:version="1.3" '
           'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">',
           '<office:font-face-decls><style:font-face style:name="Arial" '
           'svg:font-family="Arial" style:font-family-generic="swiss" '
           'style:font-pitch="variable"/></office:font-face-decls>',
           '<office:styles><style:default-style style:family="table-cell">'
           '<style:text-properties style:font-name="Arial" fo:font-size="8pt"/>'
           '</style:default-style>'
           '<style:style style:name="Default" style:family="table-cell"/></office:styles>',
           '<office:automatic-styles>']
    for i, w in enumerate(layout.widths):
        out.append(f'<style:style style:name="co{i + 1}" style:family="table-column">'
                   f'<style:table-column-properties style:column-width="{w}cm"/></style:style>')
    heights = sorted(set(sheet.row_heights.values()) | {ROW_HEIGHT})
    row_style = {h: f"ro{i + 1}" for i, h in enumerate(heights)}
    for h, name in row_style.items():
        out.append(f'<style:style style:name="{name}" style:family="table-row">'
                   f'<style:table-row-properties style:row-height="{h}" '
                   'style:use-optimal-row-height="false"/></style:style>')
    out.append('<style:style style:name="ta1" style:family="table" '
               'style:master-page-name="Report"><style:table-properties table:display="true"/>'
               '</style:style>')
    for fmt, name in data_styles.items():
        out.append(number_style_xml(name, fmt))
    for name, st in styles.values():
        out.append(cell_style_xml(name, st, data_styles.get(st.fmt)))
    # Landscape A4, one page wide, as many pages high as the spans need.
    out.append('<style:page-layout style:name="pm1"><style:page-layout-properties '
               'style:print-orientation="landscape" fo:page-width="29.7cm" '
               'fo:page-height="21cm" fo:margin-top="1.0cm" fo:margin-bottom="1.0cm" '
               'fo:margin-left="1.2cm" fo:margin-right="1.0cm" style:print-page-order="ttb" '
               'style:table-centering="horizontal" style:print="objects charts drawings" '
               'style:scale-to-X="1" style:scale-to-Y="0" loext:scale-to-X="1" '
               'loext:scale-to-Y="0"/>'
               '<style:header-style><style:header-footer-properties fo:min-height="0.6cm" '
               'fo:margin-bottom="0.25cm"/></style:header-style>'
               '<style:footer-style><style:header-footer-properties fo:min-height="0.6cm" '
               'fo:margin-top="0.25cm"/></style:footer-style></style:page-layout>')
    out.append('<style:style style:name="hdr" style:family="text">'
               '<style:text-properties fo:font-size="10pt" fo:font-weight="bold"/>'
               '</style:style>')
    out.append('</office:automatic-styles>')
    out.append('<office:master-styles><style:master-page style:name="Report" '
               'style:page-layout-name="pm1">'
               f'<style:header><text:p><text:span text:style-name="hdr">{escape(layout.title[lang])}'
               '</text:span></text:p></style:header>'
               f'<style:footer><text:p>{escape(t("page"))} <text:page-number>1</text:page-number>'
               f' {escape(t("of"))} <text:page-count>1</text:page-count></text:p></style:footer>'
               '</style:master-page></office:master-styles>')

    out.append('<office:body><office:spreadsheet>')
    out.append(f'<table:table table:name="{escape(layout.sheet_name[lang])}" '
               'table:style-name="ta1">')
    for i in range(len(layout.widths)):
        out.append(f'<table:table-column table:style-name="co{i + 1}" '
                   'table:default-cell-style-name="Default"/>')
    last_row = max(r for (r, _) in sheet.cells)
    for r in range(1, last_row + 1):
        if r == layout.header_rows[0]:
            out.append('<table:table-header-rows>')
        height = sheet.row_heights.get(r, ROW_HEIGHT)
        out.append(f'<table:table-row table:style-name="{row_style[height]}">')
        for c in range(1, len(layout.widths) + 1):
            cell = sheet.cells.get((r, c))
            if cell is None:
                out.append('<table:table-cell/>')
                continue
            content, st = cell
            name = styles[st.key()][0]
            if content is COVERED:
                out.append(f'<table:covered-table-cell table:style-name="{name}"/>')
                continue
            attrs = f' table:style-name="{name}"'
            if (r, c) in sheet.merges:
                rows, cols = sheet.merges[(r, c)]
                attrs += (f' table:number-rows-spanned="{rows}"'
                          f' table:number-columns-spanned="{cols}"')
            if content is None:
                out.append(f'<table:table-cell{attrs}/>')
            elif isinstance(content, (int, float)):
                out.append(f'<table:table-cell{attrs} office:value-type="float" '
                           f'office:value="{content!r}"/>')
            else:
                out.append(f'<table:table-cell{attrs} office:value-type="string">'
                           f'<text:p>{escape(content)}</text:p></table:table-cell>')
        out.append('</table:table-row>')
        if r == layout.header_rows[1]:
            out.append('</table:table-header-rows>')
    out.append('</table:table></office:spreadsheet></office:body></office:document>')
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


FORMS = [("FormMech_en", 0, 0), ("FormMechN_en", 0, 1),
         ("FormMech_ru", 1, 0), ("FormMechN_ru", 1, 1)]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_forms.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, lang, units in FORMS:
        write_fods(build(lang, units), lang, os.path.join(folder, name + ".fods"))
    # The stringing forms use the pieces above; run as a script, this file is not yet known
    # by its module name, which they import.
    sys.modules.setdefault("make_forms", sys.modules[__name__])
    import stringing_forms
    for name, lang, units in stringing_forms.FORMS:
        write_fods(stringing_forms.build(lang, units), lang, os.path.join(folder, name + ".fods"),
                   stringing_forms.LAYOUT)
    import tower_forms
    for name, lang, units in tower_forms.FORMS:
        write_fods(tower_forms.build(lang, units), lang, os.path.join(folder, name + ".fods"),
                   tower_forms.LAYOUT)


if __name__ == "__main__":
    main()
