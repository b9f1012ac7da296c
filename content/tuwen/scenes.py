"""Composite scenes shared by several picture-article pages (see make_pages.py)."""

import math

from draw import (
    FLOOR, FRAME, GOLD, INK, WALL, check, circle, compass_ring, cross, door, ellipse, floor, group,
    line, path, poly, rect, sofa, table, text, tv, walls, window,
)


def plan(x, y, w, h):
    return floor(x, y, w, h) + walls(x, y, w, h)


def panel(x, y, w, h, title=None, good=None):
    """A framed sub-picture with an optional title above and a check or cross mark."""
    out = rect(x, y, w, h, "white", FRAME, 1.2, 6)
    if title:
        out += text(x + w / 2, y - 11, title, 13, INK, "middle", "bold")
    if good is True:
        out += check(x + w - 14, y + 14)
    elif good is False:
        out += cross(x + w - 14, y + 14)
    return out


def named(obj, x, y, name, size=12):
    return obj + text(x, y, name, size, INK, "middle")


def living_room(x, y, w, h, door_left=True, wealth=True, sofa_on_wall=True):
    """A living room seen from above with the entrance on the bottom wall; returns the drawing
    and the wealth corner (diagonal from the entrance)."""
    out = plan(x, y, w, h)
    if door_left:
        out += door(x + 14, y + h, "bottom", 32)
        corner = (x + w - 32, y + 32)
    else:
        out += door(x + w - 46, y + h, "bottom", 32)
        corner = (x + 32, y + 32)
    out += window(x + w, y + h * 0.3, h * 0.35, False)
    if sofa_on_wall:
        out += sofa(x + w * 0.3, y + 12, w * 0.4, 26, "top") + table(x + w * 0.38, y + 52, w * 0.24, 22)
        out += tv(x + w * 0.35, y + h - 18, w * 0.3)
    return out, corner


def bedroom(x, y, w, h):
    return plan(x, y, w, h) + door(x + w - 40, y + h, "bottom", 30)


def grid9(x, y, size, labels, highlight=None, fills=None, font=12):
    """A 3 x 3 grid of a house's nine sectors."""
    out = ""
    c = size / 3
    for i, s in enumerate(labels):
        cx, cy = x + (i % 3) * c, y + (i // 3) * c
        fill = (fills or {}).get(i, "#fffdf8")
        if highlight is not None and i in (highlight if isinstance(highlight, (list, tuple)) else [highlight]):
            fill = "#f8d9df"
        out += rect(cx, cy, c, c, fill, "#b9ab94", 1)
        out += text(cx + c / 2, cy + c / 2, s, font, INK, "middle")
    out += rect(x, y, size, size, "none", WALL, 3)
    return out


NINE = ["西北", "北", "东北", "西", "中宫", "东", "西南", "南", "东南"]  # north up, as a floor plan


def elevation_wall(x, y, w, h):
    """A wall seen from the front with its floor line."""
    return rect(x, y, w, h, "#f7f1e6", "none") + line(x, y + h, x + w, y + h, WALL, 3)


def front_door(x, y, w=60, h=100, color="#9a5b34"):
    return rect(x - 6, y - 6, w + 12, h + 6, "#d9cbb0", "#8f7a5c", 1) + rect(x, y, w, h, color, "#5a3418", 1.3, 2) + circle(x + w - 10, y + h / 2, 3, GOLD)


def zodiac_wheel(cx, cy, r, highlight):
    signs = ["白羊", "金牛", "双子", "巨蟹", "狮子", "处女", "天秤", "天蝎", "射手", "摩羯", "水瓶", "双鱼"]
    colors = {0: "#f0b29a", 4: "#f0b29a", 8: "#f0b29a", 1: "#d9c49a", 5: "#d9c49a", 9: "#d9c49a",
              2: "#b9d3ea", 6: "#b9d3ea", 10: "#b9d3ea", 3: "#a9c9d9", 7: "#a9c9d9", 11: "#a9c9d9"}
    fills = [colors[i] if i in highlight else "#f3ede2" for i in range(12)]
    return compass_ring(cx, cy, r, signs, fills, -90, 11, "#b9ab94", 0.5) + circle(cx, cy, r * 0.5, "#fffdf8", "#b9ab94", 1)


def cloud_sun(x, y):
    return circle(x, y, 14, "#f6c84a") + "".join(
        line(x + 18 * math.cos(a), y + 18 * math.sin(a), x + 24 * math.cos(a), y + 24 * math.sin(a), "#f6c84a", 2) for a in [k * math.pi / 4 for k in range(8)])


def corner_view(x, y, w, h, left="#f7f1e6", right="#eee4d2"):
    """The corner of a room seen from inside: two walls meeting at the middle, and the floor."""
    mx, top, foot = x + w / 2, y + 18, y + h - 34
    return (poly([(x, y), (mx, top), (mx, foot), (x, y + h)], left)
            + poly([(mx, top), (x + w, y), (x + w, y + h), (mx, foot)], right)
            + poly([(x, y + h), (mx, foot), (x + w, y + h)], FLOOR)
            + line(mx, top, mx, foot, "#c9bba2", 1.2) + line(x, y + h, mx, foot, "#c9bba2", 1.2)
            + line(mx, foot, x + w, y + h, "#c9bba2", 1.2))


def room_view(x, y, w, h):
    """A room seen from its doorway (one-point perspective); returns the drawing and the far wall
    (x, y, w, h)."""
    fx, fy, fw, fh = x + w * 0.3, y + h * 0.2, w * 0.4, h * 0.5
    out = (rect(x, y, w, h, "#f2ebdf")
           + poly([(x, y), (x + w, y), (fx + fw, fy), (fx, fy)], "#faf7f0")
           + poly([(x, y + h), (fx, fy + fh), (fx + fw, fy + fh), (x + w, y + h)], FLOOR)
           + poly([(x, y), (fx, fy), (fx, fy + fh), (x, y + h)], "#efe6d6")
           + poly([(x + w, y), (x + w, y + h), (fx + fw, fy + fh), (fx + fw, fy)], "#efe6d6")
           + rect(fx, fy, fw, fh, "#f7f1e6", "#c9bba2", 1))
    for ax, ay, bx, by in [(x, y, fx, fy), (x + w, y, fx + fw, fy), (x, y + h, fx, fy + fh), (x + w, y + h, fx + fw, fy + fh)]:
        out += line(ax, ay, bx, by, "#c9bba2", 1)
    return out, (fx, fy, fw, fh)


def view_window(x, y, w, h):
    """A window seen from the front, sky behind."""
    return (rect(x, y, w, h, "#cfe8f6", WALL, 1.5) + line(x + w / 2, y, x + w / 2, y + h, WALL, 1.2)
            + line(x, y + h / 2, x + w, y + h / 2, WALL, 1.2) + circle(x + w * 0.75, y + h * 0.3, 3, "#f6c84a"))


def folding_screen(x, bottom, leaf, h):
    """A four-leaf folding screen seen from the front; (x, bottom) is its lower left corner."""
    out = ""
    for i in range(4):
        lx = x + i * leaf
        out += rect(lx, bottom - h, leaf - 2, h - 4, "#c9a978", "#7d6341", 1.2, 1)
        out += rect(lx + 3, bottom - h + 4, leaf - 8, h * 0.55, "#f3ead6", "#9a7d5a", 0.8)
        out += path(f"M{lx + 4},{bottom - h + 4 + h * 0.45} L{lx + leaf * 0.4},{bottom - h + h * 0.3} "
                    f"L{lx + leaf - 6},{bottom - h + h * 0.42}", stroke="#7d9a84", sw=2)
        out += line(lx + 3, bottom - 4, lx + 3, bottom, "#7d6341", 2) + line(lx + leaf - 5, bottom - 4, lx + leaf - 5, bottom, "#7d6341", 2)
    return out


def floor_lamp(x, y, s=1.0):
    """A standing lamp with a warm glow; (x, y) is the foot on the floor."""
    body = (circle(0, -92, 34, "#fff1b8", opacity=0.75) + ellipse(0, -1, 12, 3.5, "#8a7a5c")
            + line(0, -2, 0, -84, "#8a7a5c", 2.2) + poly([(-14, -80), (14, -80), (9, -104), (-9, -104)], "#f6e3b0", "#a8894a", 1.1))
    return group(body, x, y, s)


def carton(x, y, w, h):
    """A cardboard box; (x, y) is its top left corner."""
    return rect(x, y, w, h, "#c9a978", "#7d6341", 1) + line(x + w / 2, y, x + w / 2, y + h * 0.35, "#e8d9b8", 4, cap="butt")


def bin_(x, y):
    """A waste bin; (x, y) is the middle of its foot."""
    return poly([(x - 11, y - 28), (x + 11, y - 28), (x + 8, y), (x - 8, y)], "#9aa3ab", "#5d646b", 1.1) + rect(x - 13, y - 31, 26, 4, "#7d868e", rx=1)
