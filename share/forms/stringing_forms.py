"""The four stringing-table forms (FormStringing_en, FormStringingN_en, FormStringing_ru,
FormStringingN_ru), written by make_forms.py with the report forms.

The program writes values only, into fixed cells: the wire (D1, N1) and, per block, the
section's name (D4), reduced span (D5), initial state (K5) and number of spans (Q5), the
temperatures (row 6, columns C..S), stresses (row 7), tensile forces (row 8), the sags at the
reduced span (row 10) and one row per span (row 11, copied once per span). Rows 1 and 2 are
printed on every page. A block is rows 4..11; the program copies it once for each section
(and again for each further 17 temperatures or 25 spans), each copy after one empty row like
row 3. The layout constants in
src/core/report/stringing_report.h must be changed with this file.
"""

from make_forms import (BOX, LIGHT, Layout, Sheet, Style, col_name, column_head, heading,
                        label, subheading, unit, value)

FIRST_TEMPERATURE_COL = 3   # C
TEMPERATURE_COLUMNS = 17    # C..S
LAST_COL = FIRST_TEMPERATURE_COL + TEMPERATURE_COLUMNS - 1

# Column widths in cm, A..S: at 100 % they fit landscape A4 between the margins.
COLUMN_WIDTHS = [0.9, 2.9] + [1.35] * TEMPERATURE_COLUMNS

HEADING_ROW_HEIGHT = "0.5cm"

T = {
    "sheet": ("Stringing tables", "Монтажные таблицы"),
    "title": ("Stringing tables of the anchor sections", "Монтажные таблицы анкерных участков"),
    "wire": ("Type of wire, cord, cable", "Марка провода, троса, кабеля"),
    "sech": ("Cross-section F", "Сечение F"),
    "legend": ("Initial state: 1 - average annual temperature, 2 - minimum temperature, "
               "3 - maximum load",
               "Исходный режим: 1 - среднегодовая температура, 2 - низшая температура, "
               "3 - наибольшая нагрузка"),
    "section": ("Anchor section", "Анкерный участок"),
    "reduced": ("Reduced span l_r", "Приведённый пролёт l_пр"),
    "state": ("Initial state", "Исходный режим"),
    "count": ("Number of spans", "Число пролётов"),
    "temperature": ("Air temperature, °C", "Температура воздуха, °C"),
    "stress": ("Stress σ, {}", "Напряжение σ, {}"),
    "force": ("Tensile force T, {}", "Тяжение T, {}"),
    "no": ("No.", "№"),
    "span": ("Span, m", "Пролёт, м"),
    "sags": ("Sags f of the spans, m", "Стрелы провеса f в пролётах, м"),
    "lr": ("l_r", "l_пр"),
    "m": ("m", "м"),
    "mm2": ("mm²", "мм²"),
    "daN_mm2": ("daN/mm²", "даН/мм²"),
    "N_mm2": ("N/mm²", "Н/мм²"),
    "daN": ("daN", "даН"),
    "kN": ("kN", "кН"),
}

LAYOUT = Layout(COLUMN_WIDTHS, (1, 2), T["title"], T["sheet"])

FORMS = [("FormStringing_en", 0, 0), ("FormStringingN_en", 0, 1),
         ("FormStringing_ru", 1, 0), ("FormStringingN_ru", 1, 1)]


def build(lang, units):
    """The stringing sheet for a language (0 English, 1 Russian) and units mode (0 daN, 1 N/kN)."""
    t = lambda key: T[key][lang]
    s = Sheet()
    newton = units == 1
    stress_unit = t("N_mm2") if newton else t("daN_mm2")
    force_unit = t("kN") if newton else t("daN")
    stress_fmt = "0.00" if newton else "0.000"
    force_fmt = "0.000" if newton else "0.0"
    last = col_name(LAST_COL)
    temperature_cols = [col_name(c) for c in range(FIRST_TEMPERATURE_COL, LAST_COL + 1)]

    # Printed at the top of every page: the wire and the legend.
    s.put("A1", t("wire"), label, "A1:C1")
    s.put("D1", None, Style(fmt="@", borders=BOX, bold=True, align="center"), "D1:H1")
    s.put("J1", t("sech"), label, "J1:M1")
    s.put("N1", None, value("0.00"))
    s.put("O1", t("mm2"), unit)
    s.put("A2", t("legend"), Style(italic=True, size=7), f"A2:{last}2")

    # The block of one section.
    s.put("A4", t("section"), heading.with_(align="left"), "A4:C4")
    s.put("D4", None, heading.with_(fmt="@", align="left"), f"D4:{last}4")
    s.put("A5", t("reduced"), label, "A5:C5")
    s.put("D5", None, value("0.00"))
    s.put("E5", t("m"), unit)
    s.put("G5", t("state"), label, "G5:J5")
    s.put("K5", None, value("0").with_(align="center"))
    s.put("M5", t("count"), label, "M5:P5")
    s.put("Q5", None, value("0").with_(align="center"))

    s.put("A6", t("temperature"), column_head, "A6:B6")
    for c in temperature_cols:
        s.put(f"{c}6", None, column_head)
    for r, key, unit_text, fmt in [(7, "stress", stress_unit, stress_fmt),
                                   (8, "force", force_unit, force_fmt)]:
        s.put(f"A{r}", t(key).format(unit_text), label, f"A{r}:B{r}")
        for c in temperature_cols:
            s.put(f"{c}{r}", None, value(fmt).with_(align="center"))
    s.put("A9", t("no"), column_head)
    s.put("B9", t("span"), column_head)
    s.put("C9", t("sags"), subheading.with_(align="center"), f"C9:{last}9")
    s.put("A10", t("lr"), unit.with_(bold=True))
    s.put("B10", None, value("0.00").with_(bold=True, align="center"))
    for c in temperature_cols:
        s.put(f"{c}10", None, value("0.00").with_(bold=True, align="center", fill=LIGHT))
    # The row of one span.
    s.put("A11", None, value("0").with_(align="center"))
    s.put("B11", None, value("0.0").with_(align="center"))
    for c in temperature_cols:
        s.put(f"{c}11", None, value("0.00").with_(align="center"))

    s.row_heights[4] = HEADING_ROW_HEIGHT
    return s
