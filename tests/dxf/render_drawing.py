"""Renders a drawing to PNG with ezdxf's drawing add-on and matplotlib.

usage: render_drawing.py IN.dxf OUT.png
"""
import logging
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402


def main():
    # The text style STANDARD names a font matplotlib does not have; it falls back quietly.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    doc = ezdxf.readfile(sys.argv[1], encoding="cp1251")
    fig = plt.figure(figsize=(8, 8))
    ax = fig.add_axes([0, 0, 1, 1])
    ctx = RenderContext(doc)
    ctx.set_current_layout(doc.modelspace())
    Frontend(ctx, MatplotlibBackend(ax)).draw_layout(doc.modelspace(), finalize=True)
    fig.savefig(sys.argv[2], dpi=120)
    with open(sys.argv[2], "rb") as f:
        if f.read(8) != b"\x89PNG\r\n\x1a\n":
            print("no PNG written")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
