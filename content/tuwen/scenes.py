"""Composite scenes shared by several picture-article pages (authoring aid; see make_pages.py)."""

from draw import *


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
