"""The four tower-schedule forms (FormTowers_en, FormTowersN_en, FormTowers_ru, FormTowersN_ru),
written by make_forms.py with the report forms.

The program writes values only, into fixed cells: the template's name (C2), its stress (H2) and
clearance (K2); one row per tower (row 4, copied once per tower: number, station, type, ground
and attachment elevation, span ahead, wind span, weight span in the template state and in the
cold, the clearance of the span ahead and the check); and the totals row (row 5, moved below
the last tower: the number of towers C, the total cost F, the line length I). The layout
constants in src/core/report/towerschedule.h must be changed with this file.
"""

from make_forms import BOX, Layout, Sheet, Style, column_head, heading, label, unit, value

# Column widths in cm, A..K.
COLUMN_WIDTHS = [0.9, 1.8, 2.4, 1.7, 1.7, 1.6, 1.6, 1.7, 1.7, 1.6, 4.5]

T = {
    "sheet": ("Tower schedule", "Ведомость опор"),
    "title": ("Tower schedule of the line", "Ведомость опор линии"),
    "template": ("Sag template", "Шаблон"),
    "sigma": ("Stress σ", "Напряжение σ"),
    "clearance": ("Clearance C", "Габарит C"),
    "no": ("No.", "№"),
    "station": ("Station, m", "Пикет, м"),
    "type": ("Type", "Тип"),
    "ground": ("Ground, m", "Отметка земли, м"),
    "attachment": ("Attachment, m", "Отметка подвеса, м"),
    "ahead": ("Span ahead, m", "Пролёт вперёд, м"),
    "wind": ("Wind span, m", "Ветровой пролёт, м"),
    "weight": ("Weight span, m", "Весовой пролёт, м"),
    "weight_cold": ("Weight span in the cold, m", "Весовой пролёт при низшей темп., м"),
    "span_clearance": ("Clearance of the span ahead, m", "Габарит пролёта вперёд, м"),
    "check": ("Check", "Проверка"),
    "towers": ("Towers", "Опор"),
    "cost": ("Total cost", "Стоимость"),
    "length": ("Line length, m", "Длина линии, м"),
    "m": ("m", "м"),
    "daN_mm2": ("daN/mm²", "даН/мм²"),
    "N_mm2": ("N/mm²", "Н/мм²"),
}

LAYOUT = Layout(COLUMN_WIDTHS, (3, 3), T["title"], T["sheet"])

FORMS = [("FormTowers_en", 0, 0), ("FormTowersN_en", 0, 1),
         ("FormTowers_ru", 1, 0), ("FormTowersN_ru", 1, 1)]


def build(lang, units):
    """The schedule sheet for a language (0 English, 1 Russian) and units mode (0 daN, 1 N)."""
    t = lambda key: T[key][lang]
    s = Sheet()
    s.put("A1", t("title"), heading, "A1:K1")
    s.put("A2", t("template"), label, "A2:B2")
    s.put("C2", None, Style(fmt="@", borders=BOX, bold=True), "C2:E2")
    s.put("F2", t("sigma"), label, "F2:G2")
    s.put("H2", None, value("0.000"))
    s.put("I2", t("N_mm2") if units == 1 else t("daN_mm2"), unit)
    s.put("J2", t("clearance"), label)
    s.put("K2", None, value("0.00"))
    for col, key in zip("ABCDEFGHIJK", ["no", "station", "type", "ground", "attachment", "ahead",
                                        "wind", "weight", "weight_cold", "span_clearance",
                                        "check"]):
        s.put(f"{col}3", t(key), column_head)
    # The row of one tower.
    s.put("A4", None, value("0").with_(align="center"))
    s.put("B4", None, value("0.00"))
    s.put("C4", None, Style(fmt="@", borders=BOX))
    for col in "DEFGHIJ":
        s.put(f"{col}4", None, value("0.00"))
    s.put("K4", None, Style(fmt="@", borders=BOX, wrap=True))
    # The totals.
    bold = Style(bold=True, borders=BOX)
    s.put("A5", t("towers"), bold, "A5:B5")
    s.put("C5", None, value("0").with_(bold=True))
    s.put("D5", t("cost"), bold, "D5:E5")
    s.put("F5", None, value("0.00").with_(bold=True))
    s.put("G5", t("length"), bold, "G5:H5")
    s.put("I5", None, value("0.00").with_(bold=True))
    s.row_heights[3] = "1.1cm"
    return s
