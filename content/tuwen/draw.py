"""Drawing helpers for the picture-article pages (see make_pages.py).

Every helper returns an SVG fragment as text. The pages are 600 x 290 pixels: a drawing area
above a caption band of 30 pixels.
"""

import math
import re

W, H = 600, 290
CAPTION_H = 30

FONT = "WenQuanYi Zen Hei"
PAPER = "#fbf8f1"
FRAME = "#d9cbb0"
INK = "#3b3f45"
WALL = "#4a5560"
FLOOR = "#f4efe5"
ROOM = "#fffdf8"
WOOD = "#e6d6bc"
WOOD_EDGE = "#8f7a5c"
GOLD = "#d9a521"
GOLD_LIGHT = "#f6e3a1"
RED = "#c8372d"
GREEN = "#3c8d5a"
LEAF = "#5d9c59"
BLUE = "#2f6e9e"
WATER = "#9fd0ea"
PINK = "#e89aa8"
GREY = "#9aa3ab"


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


MARK = re.compile(r'<g class="mark">.*?</g>')


def page(body, caption):
    """A whole picture: paper, frame, the drawing and the caption band. The check and cross marks
    are lifted out of the drawing and painted last, so that nothing drawn after them in a scene
    (a room, a wall, a cabinet) can cover them."""
    marks = "".join(MARK.findall(body))
    body = MARK.sub("", body) + marks
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
        f'<rect x="0" y="0" width="{W}" height="{H}" fill="{PAPER}"/>\n'
        f'<rect x="3.5" y="3.5" width="{W - 7}" height="{H - 7}" rx="6" fill="none" '
        f'stroke="{FRAME}" stroke-width="1.5"/>\n'
        f"{body}\n"
        f'<rect x="10" y="{H - CAPTION_H - 6}" width="{W - 20}" height="{CAPTION_H}" rx="4" fill="#efe6d3"/>\n'
        + text(W / 2, H - 16, caption, 14, INK, "middle")
        + "\n</svg>\n"
    )


def text(x, y, s, size=13, color=INK, anchor="start", weight="normal"):
    return (
        f'<text x="{x:.1f}" y="{y + size * 0.36:.1f}" font-family="{FONT}" font-size="{size}" '
        f'fill="{color}" text-anchor="{anchor}" font-weight="{weight}">{esc(s)}</text>'
    )


def rect(x, y, w, h, fill, stroke="none", sw=1, rx=0, opacity=None, dash=None):
    extra = f' fill-opacity="{opacity}"' if opacity is not None else ""
    if dash:
        extra += f' stroke-dasharray="{dash}"'
    return (
        f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" rx="{rx}" fill="{fill}" '
        f'stroke="{stroke}" stroke-width="{sw}"{extra}/>'
    )


def circle(cx, cy, r, fill, stroke="none", sw=1, opacity=None):
    extra = f' fill-opacity="{opacity}"' if opacity is not None else ""
    return f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}"{extra}/>'


def ellipse(cx, cy, rx, ry, fill, stroke="none", sw=1, opacity=None):
    extra = f' fill-opacity="{opacity}"' if opacity is not None else ""
    return f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}"{extra}/>'


def line(x1, y1, x2, y2, color=INK, sw=1, dash=None, cap="round"):
    d = f' stroke-dasharray="{dash}"' if dash else ""
    return (
        f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" stroke="{color}" '
        f'stroke-width="{sw}" stroke-linecap="{cap}"{d}/>'
    )


def path(d, fill="none", stroke=INK, sw=1, opacity=None, join="round"):
    extra = f' fill-opacity="{opacity}"' if opacity is not None else ""
    return f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="{join}" stroke-linecap="round"{extra}/>'


def poly(points, fill, stroke="none", sw=1):
    pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round"/>'


def group(body, dx=0, dy=0, scale=1.0, rotate=0):
    assert 'class="mark"' not in body, "marks are painted on top of the page, never inside a group"
    t = f"translate({dx:.1f},{dy:.1f})"
    if rotate:
        t += f" rotate({rotate})"
    if scale != 1.0:
        t += f" scale({scale})"
    return f'<g transform="{t}">{body}</g>'


# ---- marks ---------------------------------------------------------------------------------


def check(x, y, r=11):
    """A green mark with a white tick; page() paints it on top. Never inside a transformed group."""
    return '<g class="mark">' + circle(x, y, r, GREEN, "white", 1.5) + path(
        f"M{x - r * 0.45:.1f},{y:.1f} L{x - r * 0.1:.1f},{y + r * 0.4:.1f} L{x + r * 0.5:.1f},{y - r * 0.4:.1f}",
        stroke="white", sw=2.4) + "</g>"


def cross(x, y, r=11):
    """A red mark with a white cross; page() paints it on top. Never inside a transformed group."""
    k = r * 0.42
    return ('<g class="mark">' + circle(x, y, r, RED, "white", 1.5) + line(x - k, y - k, x + k, y + k, "white", 2.4)
            + line(x - k, y + k, x + k, y - k, "white", 2.4) + "</g>")


def arrow(x1, y1, x2, y2, color=INK, sw=2, dash=None, head=9):
    ang = math.atan2(y2 - y1, x2 - x1)
    bx, by = x2 - head * math.cos(ang), y2 - head * math.sin(ang)
    left = (bx + head * 0.5 * math.sin(ang), by - head * 0.5 * math.cos(ang))
    right = (bx - head * 0.5 * math.sin(ang), by + head * 0.5 * math.cos(ang))
    return line(x1, y1, bx, by, color, sw, dash) + poly([(x2, y2), left, right], color)


def badge(x, y, s, color=RED, size=12):
    w = len(s) * size + 14
    return rect(x - w / 2, y - size * 0.85, w, size * 1.7, color, rx=size * 0.85) + text(x, y, s, size, "white", "middle")


def wealth_spot(x, y, r=30, s="财位"):
    return (
        f'<radialGradient id="wg{int(x)}_{int(y)}" cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" gradientUnits="userSpaceOnUse">'
        f'<stop offset="0" stop-color="{GOLD}" stop-opacity="0.75"/><stop offset="1" stop-color="{GOLD}" stop-opacity="0"/>'
        f"</radialGradient>"
        + circle(x, y, r, f"url(#wg{int(x)}_{int(y)})")
        + circle(x, y, r * 0.42, "none", GOLD, 1.5)
        + (text(x, y, s, 12, "#8a5a00", "middle", "bold") if s else "")
    )


def north(x, y, size=16):
    return (
        poly([(x, y - size), (x - size * 0.4, y + size * 0.3), (x, y + size * 0.05), (x + size * 0.4, y + size * 0.3)], WALL)
        + text(x, y + size * 0.9, "北", 11, WALL, "middle")
    )


def note(x, y, lines, size=12, color=INK, anchor="start", gap=None):
    gap = gap or size + 5
    return "".join(text(x, y + i * gap, s, size, color, anchor) for i, s in enumerate(lines))


def sight(x1, y1, x2, y2, color=RED):
    return arrow(x1, y1, x2, y2, color, 1.8, "6,4", 8)


# ---- floor plans -----------------------------------------------------------------------------


def floor(x, y, w, h, fill=ROOM):
    return rect(x, y, w, h, fill)


def walls(x, y, w, h, sw=6):
    return rect(x, y, w, h, "none", WALL, sw)


def wall(x1, y1, x2, y2, sw=4):
    return line(x1, y1, x2, y2, WALL, sw, cap="square")


def room_label(x, y, s, size=12):
    return text(x, y, s, size, "#6b6258", "middle")


def door(x, y, side, size=28, fill=ROOM):
    """An opening in a wall with its leaf and swing. side: which wall ('top', 'bottom', 'left',
    'right'); (x, y) is the hinge end on that wall; the opening runs right (top/bottom) or down
    (left/right) and the leaf swings into the room."""
    if side in ("top", "bottom"):
        gap = rect(x, y - 4, size, 8, fill)
        sign = 1 if side == "top" else -1
        leaf = line(x, y, x, y + sign * size, WALL, 1.6)
        swing = path(f"M{x},{y + sign * size} A{size},{size} 0 0 {0 if sign > 0 else 1} {x + size},{y}", stroke=GREY, sw=1, )
    else:
        gap = rect(x - 4, y, 8, size, fill)
        sign = 1 if side == "left" else -1
        leaf = line(x, y, x + sign * size, y, WALL, 1.6)
        swing = path(f"M{x + sign * size},{y} A{size},{size} 0 0 {1 if sign > 0 else 0} {x},{y + size}", stroke=GREY, sw=1)
    return gap + leaf + swing


def window(x, y, length, horizontal=True):
    if horizontal:
        return rect(x, y - 3.5, length, 7, "#e8f4fb", WALL, 1) + line(x, y, x + length, y, WALL, 0.8)
    return rect(x - 3.5, y, 7, length, "#e8f4fb", WALL, 1) + line(x, y, x, y + length, WALL, 0.8)


def bed(x, y, w, h, head="top", quilt="#c9dbe9"):
    body = rect(x, y, w, h, "white", WOOD_EDGE, 1.2, 3)
    if head == "top":
        body += rect(x, y, w, 7, WOOD, WOOD_EDGE, 1)
        body += rect(x + 5, y + 11, w / 2 - 8, 14, "#f6f2ea", GREY, 0.8, 4) + rect(x + w / 2 + 3, y + 11, w / 2 - 8, 14, "#f6f2ea", GREY, 0.8, 4)
        body += rect(x + 2, y + h * 0.42, w - 4, h * 0.58 - 2, quilt, "none", 0, 2)
    elif head == "left":
        body += rect(x, y, 7, h, WOOD, WOOD_EDGE, 1)
        body += rect(x + 11, y + 5, 14, h / 2 - 8, "#f6f2ea", GREY, 0.8, 4) + rect(x + 11, y + h / 2 + 3, 14, h / 2 - 8, "#f6f2ea", GREY, 0.8, 4)
        body += rect(x + w * 0.42, y + 2, w * 0.58 - 2, h - 4, quilt, "none", 0, 2)
    elif head == "right":
        body += rect(x + w - 7, y, 7, h, WOOD, WOOD_EDGE, 1)
        body += rect(x + w - 25, y + 5, 14, h / 2 - 8, "#f6f2ea", GREY, 0.8, 4) + rect(x + w - 25, y + h / 2 + 3, 14, h / 2 - 8, "#f6f2ea", GREY, 0.8, 4)
        body += rect(x + 2, y + 2, w * 0.58 - 2, h - 4, quilt, "none", 0, 2)
    else:  # bottom
        body += rect(x, y + h - 7, w, 7, WOOD, WOOD_EDGE, 1)
        body += rect(x + 5, y + h - 25, w / 2 - 8, 14, "#f6f2ea", GREY, 0.8, 4) + rect(x + w / 2 + 3, y + h - 25, w / 2 - 8, 14, "#f6f2ea", GREY, 0.8, 4)
        body += rect(x + 2, y + 2, w - 4, h * 0.58 - 2, quilt, "none", 0, 2)
    return body


def sofa(x, y, w, h, back="bottom", fill="#b9c9b0"):
    body = rect(x, y, w, h, fill, "#6f7f66", 1.2, 4)
    t = 8
    if back == "bottom":
        body += rect(x, y + h - t, w, t, "#8fa585", "none", 0, 3)
    elif back == "top":
        body += rect(x, y, w, t, "#8fa585", "none", 0, 3)
    elif back == "left":
        body += rect(x, y, t, h, "#8fa585", "none", 0, 3)
    else:
        body += rect(x + w - t, y, t, h, "#8fa585", "none", 0, 3)
    return body


def table(x, y, w, h, round_=False):
    if round_:
        return ellipse(x + w / 2, y + h / 2, w / 2, h / 2, WOOD, WOOD_EDGE, 1.2)
    return rect(x, y, w, h, WOOD, WOOD_EDGE, 1.2, 3)


def tv(x, y, w, horizontal=True):
    if horizontal:
        return rect(x, y, w, 6, "#2e3338", rx=1)
    return rect(x, y, 6, w, "#2e3338", rx=1)


def cabinet(x, y, w, h, s=None):
    body = rect(x, y, w, h, "#ddd3c2", WOOD_EDGE, 1, 2)
    if s:
        body += text(x + w / 2, y + h / 2, s, 10, "#6b6258", "middle")
    return body


def plant(x, y, r=12):
    leaves = "".join(
        ellipse(x + r * 0.55 * math.cos(a), y + r * 0.55 * math.sin(a), r * 0.55, r * 0.32, LEAF, "#3f7040", 0.6)
        .replace("/>", f' transform="rotate({math.degrees(a):.0f} {x + r * 0.55 * math.cos(a):.1f} {y + r * 0.55 * math.sin(a):.1f})"/>')
        for a in [i * math.pi / 3.5 for i in range(7)]
    )
    return circle(x, y, r * 0.55, "#b07d4f") + leaves + circle(x, y, r * 0.25, "#7fbf6a")


def fish_tank(x, y, w, h):
    return (
        rect(x, y, w, h, WATER, BLUE, 1.2, 2)
        + fish(x + w * 0.3, y + h * 0.45, 5, "#e07b39")
        + fish(x + w * 0.68, y + h * 0.6, 4, "#e0a339")
    )


def fish(x, y, s, color):
    return ellipse(x, y, s, s * 0.55, color) + poly([(x - s * 0.8, y), (x - s * 1.6, y - s * 0.6), (x - s * 1.6, y + s * 0.6)], color)


def mirror(x, y, length, horizontal=True):
    if horizontal:
        return rect(x, y - 3, length, 6, "#cfe6f2", "#5b8aa6", 1.2, 1) + line(x + 4, y - 1, x + length * 0.4, y - 1, "white", 1)
    return rect(x - 3, y, 6, length, "#cfe6f2", "#5b8aa6", 1.2, 1) + line(x - 1, y + 4, x - 1, y + length * 0.4, "white", 1)


def stove(x, y, w=44, h=28):
    return rect(x, y, w, h, "#eceff1", GREY, 1.2, 2) + circle(x + w * 0.28, y + h / 2, h * 0.28, "none", "#c0513e", 2) + circle(x + w * 0.72, y + h / 2, h * 0.28, "none", "#c0513e", 2)


def sink(x, y, w=40, h=26):
    return rect(x, y, w, h, "#eceff1", GREY, 1.2, 2) + rect(x + 5, y + 5, w - 10, h - 10, WATER, BLUE, 0.8, 6)


def toilet(x, y):
    """A toilet seen from above, cistern at the top; (x, y) is the cistern's top left corner."""
    return rect(x, y, 24, 9, "#eef1f3", GREY, 1, 2) + ellipse(x + 12, y + 21, 10, 13, "#f8fafb", GREY, 1)


def desk(x, y, w, h):
    return rect(x, y, w, h, WOOD, WOOD_EDGE, 1.2, 2) + circle(x + w / 2, y + h + 10, 7, "#c5b59a", WOOD_EDGE, 1)


def screen(x, y, length, horizontal=True):
    if horizontal:
        return "".join(rect(x + i * length / 4, y - 4, length / 4 - 2, 8, "#c9a978", "#7d6341", 1, 1) for i in range(4))
    return "".join(rect(x - 4, y + i * length / 4, 8, length / 4 - 2, "#c9a978", "#7d6341", 1, 1) for i in range(4))


def person(x, y, s=1.0, color=BLUE):
    return group(circle(0, -22, 7, "#f1c9a5", "#b08060", 1) + path("M-9,-12 Q0,-16 9,-12 L11,10 L-11,10 Z", fill=color, stroke="none"), x, y, s)


# ---- mascots and objects -------------------------------------------------------------------


def caishen(x, y, s=1.0, civil=True):
    robe = "#b8322b" if civil else "#2f6a4a"
    body = (
        path("M-26,60 L-18,8 Q0,0 18,8 L26,60 Z", fill=robe, stroke="#7a1f1a", sw=1.2)
        + path("M-6,8 L0,60 L6,8", fill=GOLD_LIGHT, stroke="none")
        + rect(-19, 28, 38, 5, GOLD, rx=2)
        + circle(0, -6, 13, "#f3d2b3", "#b08060", 1)
        + path("M-8,2 Q0,16 8,2", fill="#2e2e2e", stroke="none")
        + (rect(-15, -26, 30, 12, "#2e2e2e", rx=3) + rect(-26, -22, 52, 4, "#2e2e2e", rx=2) if civil else
           path("M-14,-14 L-10,-30 L0,-24 L10,-30 L14,-14 Z", fill="#3d4a3f", stroke="#1e2a20", sw=1) + circle(0, -22, 3, GOLD))
    )
    if civil:
        body += path("M-14,40 Q0,32 14,40 Q10,50 0,50 Q-10,50 -14,40 Z", fill=GOLD, stroke="#9a6d00", sw=1)
    else:
        body += line(22, -30, 22, 62, "#6b4b2a", 3) + path("M22,-34 Q34,-24 24,-14 Z", fill="#9aa3ab", stroke="#5d646b", sw=1)
    return group(body, x, y, s)


def pixiu(x, y, s=1.0, color="#d4a52a"):
    """A gilt 貔貅 crouching on a base of coins, facing right: lion head with one swept-back horn,
    curled mane, small wings, clawed forepaws and a curled tail. (x, y) is the middle of the body."""
    edge, dark, light = "#7a5400", "#a97a10", "#f1d27a"
    body = (
        rect(-46, 30, 92, 8, "#8a2e22", "#5a1a12", 1.2, 3)
        + coin(40, 25, 5, GOLD)
        # curled tail
        + path("M-34,2 Q-54,-2 -52,-20 Q-50,-32 -38,-30 Q-46,-24 -44,-16 Q-42,-8 -32,-6 Z", fill=color, stroke=edge, sw=1.2)
        + path("M-46,-20 Q-44,-26 -40,-26", stroke=dark, sw=1)
        # body and haunch
        + path("M-36,10 Q-38,-8 -18,-12 L12,-14 Q28,-14 32,0 L32,16 Q26,24 4,22 L-20,24 Q-36,24 -36,10 Z",
               fill=color, stroke=edge, sw=1.3)
        + path("M-34,14 Q-34,-4 -16,-2 Q-4,2 -6,16 Q-8,26 -22,26 Q-34,26 -34,14 Z", fill=color, stroke=edge, sw=1.2)
        + path("M-30,26 L-34,30 M-24,27 L-26,30 M-18,27 L-18,30", stroke=edge, sw=1)
        + path("M-10,-6 Q4,-2 18,-8 M-2,6 Q8,10 20,4", stroke=dark, sw=1)
        # wing on the shoulder
        + path("M-6,-10 Q0,-28 16,-30 Q12,-24 18,-22 Q10,-18 14,-14 Q6,-12 4,-8 Z", fill=light, stroke=edge, sw=1.1)
        + path("M2,-12 Q6,-20 12,-24 M6,-10 Q10,-15 14,-17", stroke=dark, sw=0.8)
        # forelegs with claws
        + path("M8,12 L6,28 Q6,31 10,31 L18,31 Q21,30 18,27 L16,12 Z", fill=dark, stroke=edge, sw=1.1)
        + path("M20,10 L20,28 Q20,31 24,31 L32,31 Q35,30 32,27 L29,10 Z", fill=color, stroke=edge, sw=1.2)
        + path("M24,31 L24,28 M28,31 L28,28", stroke=edge, sw=1)
        # curled mane behind the head
        + "".join(circle(cx, cy, 4.2, color, edge, 1) + path(f"M{cx - 2},{cy} Q{cx},{cy - 3} {cx + 2},{cy}", stroke=edge, sw=0.8)
                  for cx, cy in [(22, -30), (18, -22), (20, -13), (26, -6)])
        # head
        + path("M24,-18 Q22,-34 36,-38 Q50,-40 56,-30 Q60,-26 60,-20 Q60,-14 54,-12 L52,-8 Q44,-2 34,-4 Q24,-6 24,-18 Z",
               fill=color, stroke=edge, sw=1.3)
        + path("M50,-14 Q46,-10 40,-12 Q46,-6 52,-9", fill="#8a2e22", stroke=edge, sw=0.8)
        + path("M44,-12 L45,-10 M48,-12 L48,-10", stroke="white", sw=1)
        + path("M38,-28 Q42,-31 47,-28", stroke=edge, sw=1.4) + ellipse(43, -25, 3, 2, "white", edge, 0.8) + circle(43.5, -25, 1.4, "#2a1800")
        + circle(57, -22, 1.3, edge) + path("M52,-18 Q56,-16 59,-18", stroke=edge, sw=0.8)
        # one horn swept back, and an ear
        + path("M34,-36 Q28,-50 14,-54 Q24,-46 26,-36 Z", fill=light, stroke=edge, sw=1.1)
        + path("M30,-30 Q26,-36 30,-40 Q34,-36 34,-31 Z", fill=dark, stroke=edge, sw=0.9)
    )
    return group(body, x, y, s)


def toad(x, y, s=1.0):
    body = (
        ellipse(0, 6, 40, 22, "#b8962e", "#6e5410", 1.3)
        + "".join(circle(cx, cy, 3.2, "#d8b85a") for cx, cy in [(-20, 0), (-6, -6), (10, 0), (22, 8), (-14, 14), (4, 14)])
        + circle(-16, -14, 8, "#b8962e", "#6e5410", 1.2) + circle(16, -14, 8, "#b8962e", "#6e5410", 1.2)
        + circle(-16, -15, 3, "#2a2000") + circle(16, -15, 3, "#2a2000")
        + ellipse(-34, 24, 10, 5, "#b8962e", "#6e5410", 1.2) + ellipse(34, 24, 10, 5, "#b8962e", "#6e5410", 1.2)
        + ellipse(0, 28, 8, 5, "#b8962e", "#6e5410", 1.2)
        + coin(0, 0, 9)
    )
    return group(body, x, y, s)


def coin(x, y, r=14, color=GOLD):
    return circle(x, y, r, color, "#8a6400", 1.2) + circle(x, y, r * 0.78, "none", "#8a6400", 0.8) + rect(x - r * 0.28, y - r * 0.28, r * 0.56, r * 0.56, PAPER, "#8a6400", 0.8)


def gourd(x, y, s=1.0):
    body = (
        circle(0, 18, 22, "#c99b3c", "#7a5a18", 1.3) + circle(0, -14, 14, "#c99b3c", "#7a5a18", 1.3)
        + rect(-8, 0, 16, 6, "#c99b3c") + path("M-6,2 Q0,6 6,2", fill=RED, stroke=RED, sw=3)
        + line(0, -28, 0, -36, "#5a4010", 3) + path("M0,-34 Q12,-42 18,-32 Q8,-30 2,-32", fill=LEAF, stroke="none")
        + path("M-4,4 L-10,26 M4,4 L10,26", stroke=RED, sw=2)
        + ellipse(-6, 12, 4, 8, "#e3c070", opacity=0.8)
    )
    return group(body, x, y, s)


def wind_chime(x, y, s=1.0):
    tubes = "".join(
        line(dx, -20, dx, 0, GREY, 0.8) + rect(dx - 2.5, 0, 5, 22 + (i % 3) * 8, "#c4ccd2", "#6c757d", 1, 1)
        for i, dx in enumerate([-16, -8, 0, 8, 16]))
    body = line(0, -44, 0, -28, GREY, 1) + ellipse(0, -24, 22, 5, "#8a6a44", "#5a4020", 1) + tubes + line(0, -20, 0, 38, GREY, 0.8) + rect(-5, 38, 10, 14, RED, rx=2)
    return group(body, x, y, s)


def bagua_mirror(x, y, r=34):
    trig = ["☰", "☴", "☵", "☶", "☷", "☳", "☲", "☱"]
    pts = [(x + r * math.cos(math.pi / 8 + i * math.pi / 4), y + r * math.sin(math.pi / 8 + i * math.pi / 4)) for i in range(8)]
    body = poly(pts, "#b8322b", "#6a1a14", 1.5)
    inner = [(x + r * 0.78 * math.cos(math.pi / 8 + i * math.pi / 4), y + r * 0.78 * math.sin(math.pi / 8 + i * math.pi / 4)) for i in range(8)]
    body += poly(inner, "none", GOLD, 1)
    for i in range(8):
        a = -math.pi / 2 + i * math.pi / 4
        body += bars(x + r * 0.74 * math.cos(a), y + r * 0.74 * math.sin(a), i, r * 0.22, math.degrees(a) + 90)
    body += circle(x, y, r * 0.42, "#dbeef7", GOLD, 2) + path(f"M{x - r * 0.2},{y - r * 0.12} L{x - r * 0.05},{y - r * 0.28}", stroke="white", sw=2)
    return body


TRIGRAMS = [  # lines from the inside out, 1 = whole, 0 = broken
    (1, 1, 1), (1, 1, 0), (0, 1, 0), (1, 0, 0), (0, 0, 0), (0, 0, 1), (1, 0, 1), (0, 1, 1)]


def bars(cx, cy, index, size, rotation):
    out = ""
    for j, whole in enumerate(TRIGRAMS[index % 8]):
        yy = -size * 0.5 + j * size * 0.5
        if whole:
            out += line(-size * 0.6, yy, size * 0.6, yy, GOLD, size * 0.22, cap="butt")
        else:
            out += line(-size * 0.6, yy, -size * 0.12, yy, GOLD, size * 0.22, cap="butt") + line(size * 0.12, yy, size * 0.6, yy, GOLD, size * 0.22, cap="butt")
    return f'<g transform="translate({cx:.1f},{cy:.1f}) rotate({rotation:.1f})">{out}</g>'


def crystal_ball(x, y, r=22, color="#c7b6e6"):
    return (
        f'<radialGradient id="cb{int(x)}{int(y)}" cx="{x - r * 0.3:.1f}" cy="{y - r * 0.3:.1f}" r="{r * 1.3:.1f}" gradientUnits="userSpaceOnUse">'
        f'<stop offset="0" stop-color="white"/><stop offset="1" stop-color="{color}"/></radialGradient>'
        + circle(x, y, r, f"url(#cb{int(x)}{int(y)})", "#8a7bb0", 1)
        + path(f"M{x - r * 0.8},{y + r * 0.8} L{x + r * 0.8},{y + r * 0.8} L{x + r * 0.6},{y + r * 1.15} L{x - r * 0.6},{y + r * 1.15} Z", fill="#8a6a44", stroke="#5a4020", sw=1)
    )


def amethyst(x, y, s=1.0):
    body = path("M-30,30 Q-34,-10 0,-34 Q34,-10 30,30 Z", fill="#7b6a5a", stroke="#4a3d30", sw=1.3) + path("M-20,26 Q-22,-4 0,-22 Q22,-4 20,26 Z", fill="#8e6bc0", stroke="#5c4088", sw=1)
    for i in range(9):
        px, py = -14 + (i % 3) * 14, -6 + (i // 3) * 11
        body += poly([(px, py - 6), (px - 4, py + 4), (px + 4, py + 4)], "#c8b0ef", "#6c50a0", 0.6)
    return group(body, x, y, s)


def money_tree(x, y, s=1.0):
    body = path("M-16,30 L16,30 L12,54 L-12,54 Z", fill="#a86f45", stroke="#6b4426", sw=1.2)
    body += path("M-3,30 Q-8,10 0,-10 M3,30 Q8,10 0,-10 M0,30 L0,-10", stroke="#7a5030", sw=3)
    for a in range(9):
        ang = -math.pi / 2 + (a - 4) * 0.32
        lx, ly = 34 * math.cos(ang), -10 + 34 * math.sin(ang) * 0.7
        body += line(0, -10, lx, ly, "#4f7d3a", 1.4)
        for k in range(5):
            ex, ey = lx + 9 * math.cos(ang + (k - 2) * 0.5), ly + 9 * math.sin(ang + (k - 2) * 0.5)
            body += ellipse(ex, ey, 6, 3, LEAF, "#3f7040", 0.5).replace("/>", f' transform="rotate({math.degrees(ang + (k - 2) * 0.5):.0f} {ex:.1f} {ey:.1f})"/>')
    return group(body, x, y, s)


def bamboo(x, y, s=1.0):
    body = path("M-18,20 L18,20 L14,54 L-14,54 Z", fill="#cfe3ee", stroke="#6d9bb5", sw=1.2)
    for i, (dx, top) in enumerate([(-8, -40), (0, -56), (8, -34)]):
        body += line(dx, 40, dx, top, "#7fae4a", 5, cap="butt")
        for k in range(top + 14, 40, 16):
            body += line(dx - 3, k, dx + 3, k, "#5f8a32", 1.5)
        body += ellipse(dx + 8, top + 6, 9, 3.5, LEAF).replace("/>", f' transform="rotate(-30 {dx + 8} {top + 6})"/>')
    body += path("M-14,34 Q0,40 14,34", stroke=RED, sw=3)
    return group(body, x, y, s)


def vase(x, y, s=1.0, fresh=True):
    body = path("M-10,10 Q-20,30 -12,50 L12,50 Q20,30 10,10 Z", fill="#5d8fb3" if fresh else "#a3a39a", stroke="#3b6785", sw=1.2)
    if fresh:
        for dx, dy, c in [(-14, -26, PINK), (0, -36, "#f0c24a"), (14, -24, PINK), (-4, -16, "#e27a87")]:
            body += line(0, 10, dx, dy, "#4f7d3a", 1.5) + flower(dx, dy, 7, c)
        body += ellipse(-10, 0, 8, 3, LEAF).replace("/>", ' transform="rotate(-35 -10 0)"/>') + ellipse(10, -2, 8, 3, LEAF).replace("/>", ' transform="rotate(35 10 -2)"/>')
    else:
        for dx, dy in [(-16, -8), (4, -24), (18, 0)]:
            body += path(f"M0,10 Q{dx / 2},{dy - 8} {dx},{dy}", stroke="#8a7a52", sw=1.5) + circle(dx, dy, 4, "#a08a5a")
    return group(body, x, y, s)


def flower(x, y, r, color):
    petals = "".join(circle(x + r * 0.6 * math.cos(a), y + r * 0.6 * math.sin(a), r * 0.5, color) for a in [i * 2 * math.pi / 5 for i in range(5)])
    return petals + circle(x, y, r * 0.35, "#f6d36b")


def ingot(x, y, s=1.0):
    body = path("M-30,0 Q-34,-14 -20,-12 Q-14,4 0,4 Q14,4 20,-12 Q34,-14 30,0 Q24,18 0,18 Q-24,18 -30,0 Z", fill=GOLD, stroke="#8a6400", sw=1.3)
    body += ellipse(0, -6, 12, 9, "#e8bf3a", "#8a6400", 1.2)
    return group(body, x, y, s)


def treasure_bowl(x, y, s=1.0):
    body = ""
    for dx, dy in [(-18, -14), (18, -14), (0, -22)]:
        body += group(path("M-14,0 Q-16,-7 -10,-6 Q-7,2 0,2 Q7,2 10,-6 Q16,-7 14,0 Q11,9 0,9 Q-11,9 -14,0 Z", fill=GOLD, stroke="#8a6400", sw=1) + ellipse(0, -3, 6, 4.5, "#e8bf3a", "#8a6400", 0.8), dx, dy)
    body += coin(-6, -6, 7) + coin(10, -4, 6)
    body += path("M-40,-4 L40,-4 Q36,30 0,32 Q-36,30 -40,-4 Z", fill="#b8322b", stroke="#6a1a14", sw=1.4)
    body += path("M-30,6 Q0,14 30,6", stroke=GOLD, sw=2) + rect(-14, 32, 28, 6, "#6a1a14", rx=2)
    return group(body, x, y, s)


def lucky_cat(x, y, s=1.0):
    body = (
        ellipse(0, 20, 26, 24, "white", "#8a8a8a", 1.3)
        + circle(0, -14, 20, "white", "#8a8a8a", 1.3)
        + poly([(-18, -26), (-14, -42), (-4, -32)], "white", "#8a8a8a", 1.2) + poly([(18, -26), (14, -42), (4, -32)], "white", "#8a8a8a", 1.2)
        + poly([(-15, -29), (-13, -38), (-8, -32)], PINK) + poly([(15, -29), (13, -38), (8, -32)], PINK)
        + path("M-9,-14 Q-6,-17 -3,-14 M3,-14 Q6,-17 9,-14", stroke="#333", sw=1.5) + circle(0, -8, 2, PINK)
        + path("M20,6 Q34,-8 30,-26", stroke="#8a8a8a", sw=9) + path("M20,6 Q34,-8 30,-26", stroke="white", sw=7) + circle(30, -28, 6, "white", "#8a8a8a", 1.2)
        + rect(-22, 0, 44, 5, RED, rx=2) + circle(0, 8, 5, GOLD, "#8a6400", 1)
        + ellipse(-6, 30, 14, 9, GOLD, "#8a6400", 1) + text(-6, 30, "招财", 8, "#6a1a14", "middle")
    )
    return group(body, x, y, s)


def dragon_turtle(x, y, s=1.0):
    body = (
        ellipse(0, 6, 40, 22, "#4f8a62", "#2f5a3e", 1.3)
        + "".join(poly([(cx + 8 * math.cos(a), cy + 8 * math.sin(a)) for a in [k * math.pi / 3 for k in range(6)]], "#6aa67c", "#2f5a3e", 0.8)
                  for cx, cy in [(-14, 2), (0, -2), (14, 2), (-7, 14), (7, 14)])
        + path("M34,-2 Q48,-18 58,-20 Q66,-14 60,-4 Q52,2 40,6", fill="#c9a227", stroke="#7a5c00", sw=1.2)
        + path("M56,-20 Q60,-32 66,-30 M60,-20 Q68,-28 72,-24", stroke="#7a5c00", sw=1.2) + circle(60, -12, 2, "#2a2000")
        + ellipse(-28, 26, 9, 5, "#c9a227", "#7a5c00", 1) + ellipse(24, 26, 9, 5, "#c9a227", "#7a5c00", 1)
        + path("M-40,4 Q-52,8 -48,16", stroke="#7a5c00", sw=2)
        + ellipse(0, 30, 52, 6, "#7a5c00", opacity=0.25)
    )
    return group(body, x, y, s)


def horse(x, y, s=1.0):
    body = path(
        "M-34,4 Q-30,-14 -6,-14 L18,-16 Q24,-34 34,-40 L40,-34 Q46,-30 48,-22 L42,-20 Q36,-22 32,-16 Q34,-4 26,4 "
        "L28,30 L22,30 L18,8 L-14,8 L-18,30 L-24,30 L-24,6 Q-34,10 -44,22 Q-42,6 -34,4 Z",
        fill="#b07a3a", stroke="#6a4416", sw=1.3)
    body += path("M20,-18 Q26,-32 32,-38", stroke="#5a3410", sw=3) + circle(38, -30, 1.8, "#2a1800")
    body += rect(-46, 30, 90, 6, "#7a5c3a", rx=2)
    return group(body, x, y, s)


def qilin(x, y, s=1.0, color="#d4a52a"):
    """A gilt 麒麟 on a base, facing right, one forehoof raised: dragon head with one horn and a
    beard, scaled body, flame tufts on the shoulders and haunches, a flame tail and cloven hooves.
    (x, y) is the middle of the body."""
    edge, dark, light, flame = "#7a5400", "#a97a10", "#f1d27a", "#e4703a"
    scales = "".join(path(f"M{cx - 4},{cy} Q{cx},{cy + 4} {cx + 4},{cy}", stroke=dark, sw=0.9)
                     for cx, cy in [(-20, -6), (-12, -6), (-4, -6), (4, -6), (12, -6), (-16, 0), (-8, 0), (0, 0), (8, 0), (-12, 6), (-4, 6), (4, 6)])
    body = (
        rect(-46, 32, 92, 8, "#2f6a4a", "#1e4a32", 1.2, 3)
        # flame tail
        + path("M-30,-6 Q-46,-10 -50,-24 Q-44,-18 -42,-28 Q-38,-18 -34,-24 Q-34,-14 -28,-12 Z", fill=flame, stroke="#a8421c", sw=1)
        # far legs
        + path("M-22,8 L-26,30 L-20,30 L-16,10 Z", fill=dark, stroke=edge, sw=1)
        + path("M10,8 L8,30 L14,30 L16,10 Z", fill=dark, stroke=edge, sw=1)
        # body
        + path("M-30,0 Q-30,-12 -14,-12 L14,-14 Q24,-14 26,-4 L24,8 Q16,14 -6,12 Q-28,14 -30,0 Z", fill=color, stroke=edge, sw=1.3)
        + scales
        # near legs: hind leg standing, foreleg raised and bent
        + path("M-26,4 Q-18,4 -14,12 L-12,30 L-19,30 L-20,16 Q-28,14 -26,4 Z", fill=color, stroke=edge, sw=1.2)
        + path("M16,4 Q24,6 26,12 L34,16 L32,22 L24,18 L20,12 Z", fill=color, stroke=edge, sw=1.2)
        + path("M-19,30 L-12,30 L-11,33 L-20,33 Z", fill="#3b2a10") + path("M8,30 L14,30 L15,33 L7,33 Z", fill="#3b2a10")
        + path("M-26,30 L-20,30 L-19,33 L-27,33 Z", fill="#3b2a10") + path("M32,16 L35,17 L33,23 L31,22 Z", fill="#3b2a10")
        # flame tufts at shoulder and haunch
        + path("M-24,-2 Q-32,-8 -30,-16 Q-26,-10 -22,-12 Q-22,-6 -18,-6 Z", fill=flame, stroke="#a8421c", sw=0.8)
        + path("M14,0 Q8,-6 12,-12 Q14,-6 18,-8 Q18,-2 22,-2 Z", fill=flame, stroke="#a8421c", sw=0.8)
        # neck with a flame mane
        + path("M12,-12 Q14,-28 28,-36 L36,-30 Q28,-22 26,-8 Z", fill=color, stroke=edge, sw=1.2)
        + path("M14,-18 Q6,-24 10,-32 Q14,-26 18,-28 Q14,-34 22,-40 Q22,-34 27,-36 L20,-24 Z", fill=flame, stroke="#a8421c", sw=0.8)
        # dragon head
        + path("M26,-36 Q30,-46 42,-44 L54,-40 Q60,-38 58,-32 L50,-30 Q48,-26 42,-26 Q32,-24 28,-30 Z", fill=color, stroke=edge, sw=1.3)
        + path("M50,-31 Q54,-28 50,-26", stroke=edge, sw=1) + circle(55, -37, 1.2, edge)
        + ellipse(40, -38, 2.8, 1.9, "white", edge, 0.8) + circle(40.6, -38, 1.3, "#2a1800") + path("M36,-42 Q40,-45 45,-42", stroke=edge, sw=1.3)
        + path("M56,-38 Q66,-44 70,-36 M56,-33 Q64,-30 66,-24", stroke=dark, sw=1.1)
        + path("M42,-26 Q40,-18 34,-16 Q38,-22 36,-26", fill=light, stroke=edge, sw=0.9)
        # one horn
        + path("M34,-44 Q30,-56 36,-62 Q36,-54 40,-45 Z", fill=light, stroke=edge, sw=1)
        + path("M30,-40 Q24,-44 24,-50 Q30,-46 33,-43 Z", fill=dark, stroke=edge, sw=0.9)
    )
    return group(body, x, y, s)


def lamp(x, y, s=1.0, on=True):
    glow = circle(0, -8, 22, "#fff1b8", opacity=0.8) if on else ""
    body = glow + poly([(-12, -2), (12, -2), (8, -18), (-8, -18)], "#f3e1b0", "#a8894a", 1) + line(0, -2, 0, 20, "#8a7a5c", 2) + rect(-8, 20, 16, 4, "#8a7a5c", rx=1)
    return group(body, x, y, s)


def chinese_knot(x, y, s=1.0):
    body = line(0, -40, 0, -26, RED, 2)
    body += poly([(0, -26), (22, -4), (0, 18), (-22, -4)], "none", RED, 4)
    body += poly([(0, -16), (12, -4), (0, 8), (-12, -4)], "none", RED, 3)
    body += "".join(circle(cx, cy, 5, "none", RED, 3) for cx, cy in [(0, -28), (24, -4), (-24, -4)])
    body += "".join(line(dx, 20, dx * 1.4, 50, RED, 1.4) for dx in [-6, -3, 0, 3, 6])
    body += rect(-5, 16, 10, 8, GOLD, rx=2)
    return group(body, x, y, s)


def five_coins(x, y, s=1.0):
    body = line(0, -52, 0, 52, RED, 2)
    for i in range(5):
        body += coin(0, -40 + i * 20, 9)
    body += poly([(0, 52), (-7, 62), (7, 62)], RED)
    return group(body, x, y, s)


def couplet(x, y, h, s):
    body = rect(x - 13, y, 26, h, "#c8372d", "#8a1f18", 1, 2)
    step = h / (len(s) + 1)
    for i, ch in enumerate(s):
        body += text(x, y + step * (i + 1), ch, 14, "#f2cf58", "middle", "bold")
    return body


def fu(x, y, r=22):
    return group(rect(-r, -r, 2 * r, 2 * r, "#c8372d", "#8a1f18", 1, 2), x, y, 1.0, 45) + text(x, y, "福", r * 1.05, "#2a1a10", "middle", "bold")


def painting(x, y, w, h, kind="mountain"):
    body = rect(x, y, w, h, "#8a6a44", "#5a4020", 1.2, 2) + rect(x + 5, y + 5, w - 10, h - 10, "#f6f1e4")
    if kind == "mountain":
        body += path(f"M{x + 6},{y + h - 14} L{x + w * 0.3},{y + h * 0.35} L{x + w * 0.5},{y + h * 0.6} L{x + w * 0.7},{y + h * 0.25} L{x + w - 6},{y + h - 14} Z", fill="#7d9a84", stroke="none")
        body += path(f"M{x + 6},{y + h - 12} Q{x + w * 0.5},{y + h - 20} {x + w - 6},{y + h - 10}", stroke=WATER, sw=3)
        body += circle(x + w * 0.82, y + h * 0.28, 5, "#e27a5a")
    elif kind == "water":
        body += path(f"M{x + 6},{y + h * 0.6} Q{x + w * 0.3},{y + h * 0.4} {x + w * 0.5},{y + h * 0.62} T{x + w - 6},{y + h * 0.55} L{x + w - 6},{y + h - 6} L{x + 6},{y + h - 6} Z", fill=WATER)
    elif kind == "peony":
        body += flower(x + w * 0.38, y + h * 0.5, min(w, h) * 0.22, "#d9486a") + flower(x + w * 0.66, y + h * 0.58, min(w, h) * 0.17, PINK)
    return body


def clock(x, y, r=18):
    return circle(x, y, r, "white", WALL, 2) + line(x, y, x, y - r * 0.6, WALL, 2) + line(x, y, x + r * 0.45, y, WALL, 2) + "".join(
        circle(x + r * 0.8 * math.cos(a), y + r * 0.8 * math.sin(a), 1.2, WALL) for a in [k * math.pi / 6 for k in range(12)])


def chandelier(x, y, s=1.0):
    body = line(0, -40, 0, -20, GREY, 1.2) + path("M-30,-10 Q0,-24 30,-10", stroke=GOLD, sw=2)
    for dx in [-26, -13, 0, 13, 26]:
        body += line(dx, -12 if abs(dx) > 13 else -16, dx, 6 + (26 - abs(dx)) / 3, "#c8d4dc", 1) + poly([(dx, 6 + (26 - abs(dx)) / 3), (dx - 4, 14 + (26 - abs(dx)) / 3), (dx, 22 + (26 - abs(dx)) / 3), (dx + 4, 14 + (26 - abs(dx)) / 3)], "#e4f1f8", "#7fa6bf", 0.8)
    body += circle(0, -6, 18, "#fff6c8", opacity=0.6)
    return group(body, x, y, s)


def rug(x, y, w, h, round_=False):
    if round_:
        return ellipse(x + w / 2, y + h / 2, w / 2, h / 2, "#d9b9a0", "#a77b5a", 1.5) + ellipse(x + w / 2, y + h / 2, w / 2 - 8, h / 2 - 6, "none", "#a77b5a", 1, )
    return rect(x, y, w, h, "#d9b9a0", "#a77b5a", 1.5, 2) + rect(x + 6, y + 6, w - 12, h - 12, "none", "#a77b5a", 1)


def mountain_screen(x, y, s=1.0):
    """A 山海镇 board: sun, mountains and sea."""
    body = rect(-34, -26, 68, 52, "#f3ead6", "#8a6a44", 2, 3) + circle(0, -12, 7, "#e0573a")
    body += path("M-30,10 L-16,-8 L-6,4 L4,-14 L16,2 L30,-6 L30,10 Z", fill="#5f8a6a")
    body += path("M-30,12 Q-20,8 -10,12 T10,12 T30,12 L30,22 L-30,22 Z", fill=WATER)
    return group(body, x, y, s)


def stone_tablet(x, y, s=1.0):
    body = path("M-16,30 L-16,-26 Q0,-36 16,-26 L16,30 Z", fill="#b7b1a4", stroke="#6d675c", sw=1.3)
    body += text(0, -12, "泰", 13, "#7a1f1a", "middle", "bold") + text(0, 4, "山", 13, "#7a1f1a", "middle", "bold") + text(0, 20, "石", 11, "#7a1f1a", "middle", "bold")
    body += rect(-22, 30, 44, 6, "#8a8478", rx=1)
    return group(body, x, y, s)


def building(x, y, w, h, fill="#c9d3db", windows_=True):
    body = rect(x, y, w, h, fill, "#7d8a95", 1.2)
    if windows_:
        for yy in range(int(y) + 8, int(y + h) - 8, 14):
            for xx in range(int(x) + 6, int(x + w) - 8, 12):
                body += rect(xx, yy, 6, 7, "#eef4f8", "none")
    return body


def house(x, y, w=70, h=52, color="#efe1c6"):
    return poly([(x - 6, y), (x + w / 2, y - h * 0.55), (x + w + 6, y)], "#b8553f", "#7a3322", 1.2) + rect(x, y, w, h, color, "#8f7a5c", 1.2) + rect(x + w / 2 - 8, y + h - 24, 16, 24, "#8a5a3a") + rect(x + 8, y + 12, 14, 12, "#dfeef6", "#8f7a5c", 0.8) + rect(x + w - 22, y + 12, 14, 12, "#dfeef6", "#8f7a5c", 0.8)


def swatch(x, y, color, name, w=46, h=34):
    return rect(x, y, w, h, color, "#8a8070", 1, 4) + text(x + w / 2, y + h + 12, name, 11, INK, "middle")


def compass_ring(cx, cy, r, labels, fill_colors=None, start=-90, font=12, stroke=WALL, inner=0.55, text_color=INK):
    """A ring split into len(labels) equal sectors, the first centred on `start` degrees."""
    n = len(labels)
    out = ""
    for i, s in enumerate(labels):
        a0 = math.radians(start + (i - 0.5) * 360 / n)
        a1 = math.radians(start + (i + 0.5) * 360 / n)
        ri = r * inner
        p = (f"M{cx + ri * math.cos(a0):.1f},{cy + ri * math.sin(a0):.1f} L{cx + r * math.cos(a0):.1f},{cy + r * math.sin(a0):.1f} "
             f"A{r},{r} 0 0 1 {cx + r * math.cos(a1):.1f},{cy + r * math.sin(a1):.1f} "
             f"L{cx + ri * math.cos(a1):.1f},{cy + ri * math.sin(a1):.1f} A{ri},{ri} 0 0 0 {cx + ri * math.cos(a0):.1f},{cy + ri * math.sin(a0):.1f} Z")
        fill = fill_colors[i] if fill_colors else ("#f3ead6" if i % 2 == 0 else "#ece0c6")
        out += path(p, fill=fill, stroke=stroke, sw=0.8)
        am = math.radians(start + i * 360 / n)
        rm = r * (1 + inner) / 2
        out += text(cx + rm * math.cos(am), cy + rm * math.sin(am), s, font, text_color, "middle")
    return out


DIRS8 = ["北", "东北", "东", "东南", "南", "西南", "西", "西北"]


def potted(x, y, s=1.0, leaves="#5d9c59"):
    """A potted plant seen from the side; (x, y) is the bottom of the pot."""
    body = path("M-14,0 L-17,-24 L17,-24 L14,0 Z", fill="#b5764a", stroke="#7a4a28", sw=1.2)
    for ang, length in [(-60, 30), (-35, 38), (-10, 42), (15, 40), (40, 34), (65, 26), (-80, 22)]:
        a = math.radians(ang - 90)
        ex, ey = length * math.cos(a), -24 + length * math.sin(a)
        body += line(0, -24, ex * 0.8, -24 + (ey + 24) * 0.8, "#4f7d3a", 1.2)
        body += ellipse(ex, ey, 9, 5, leaves, "#3f7040", 0.6).replace("/>", f' transform="rotate({ang:.0f} {ex:.1f} {ey:.1f})"/>')
    return group(body, x, y, s)
