"""Pictures of picture articles 15 to 21: each page's drawing and caption, the source of
<num>/<page>.svg (see make_pages.py; the page texts are the <num>/<page>.txt files)."""

from draw import (
    BLUE, DIRS8, FRAME, GOLD, GREEN, GREY, INK, PAPER, RED, WALL, WOOD, WOOD_EDGE, amethyst, arrow,
    badge, bagua_mirror, bamboo, bed, cabinet, chandelier, check, chinese_knot, circle, clock, coin,
    compass_ring, cross, crystal_ball, door, dragon_turtle, ellipse, fish, fish_tank, five_coins,
    flower, gourd, group, horse, ingot, line, lucky_cat, mirror, money_tree, mountain_screen, note,
    painting, path, person, pixiu, poly, potted, qilin, rect, rug, screen, sight, sofa, stove, table,
    text, toad, toilet, treasure_bowl, tv, vase, wall, wealth_spot, wind_chime, window,
)
from scenes import (
    NINE, bedroom, cloud_sun, elevation_wall, front_door, grid9, panel, plan,
)

ARTICLES = {}


def shelf_items(items, y=150, x0=70, step=None):
    """Objects standing side by side, each with its name below."""
    step = step or (460 / max(1, len(items) - 1) if len(items) > 1 else 0)
    out = ""
    for i, (draw_fn, name) in enumerate(items):
        x = x0 + i * step
        out += draw_fn(x, y) + text(x, y + 62, name, 13, INK, "middle", "bold")
    return out


# 15 家居装饰吉祥物的悬挂方法 -------------------------------------------------------------------


def a15p1():
    b = elevation_wall(60, 20, 480, 210)
    b += rect(170, 150, 260, 56, "white", WOOD_EDGE, 1.2, 4) + rect(166, 110, 268, 44, WOOD, WOOD_EDGE, 1.2, 6) + rect(170, 170, 260, 36, "#c9dbe9", rx=3)
    b += rect(190, 140, 60, 18, "#fbf3f0", GREY, 1, 6) + rect(350, 140, 60, 18, "#fbf3f0", GREY, 1, 6)
    b += line(400, 20, 400, 52, RED, 1.5) + gourd(400, 80, 0.7)
    b += text(470, 80, "铜葫芦", 13, INK, "start", "bold") + note(470, 104, ["口朝上", "红绳系牢"], 12)
    return b


ARTICLES[15] = [
    (a15p1(), "葫芦挂在床头一侧"),
]


def a15p2():
    b = panel(30, 30, 250, 190, "客厅窗边、阳台", True)
    b += rect(70, 60, 170, 130, "#e2f1f8", "#8f7a5c", 3) + line(155, 60, 155, 190, "#8f7a5c", 2)
    b += wind_chime(120, 110, 0.9) + path("M190,100 q10,-6 20,0 M196,116 q10,-6 20,0", stroke=BLUE, sw=1.2)
    b += panel(320, 30, 250, 190, "卧室床头", False)
    b += rect(350, 150, 190, 40, "white", WOOD_EDGE, 1.2, 3) + rect(346, 126, 198, 28, WOOD, WOOD_EDGE, 1.2, 4) + rect(350, 164, 190, 26, "#c9dbe9", rx=3)
    b += wind_chime(445, 90, 0.7) + text(445, 210, "响声扰眠", 12, RED, "middle")
    return b


ARTICLES[15].append((a15p2(), "风铃挂在窗边，不宜挂在卧室"))


def a15p3():
    b = rect(30, 20, 540, 210, "#eef2e6") + rect(140, 40, 220, 190, "#efe1c6", "#8f7a5c", 1.4)
    b += front_door(215, 120, 70, 110) + bagua_mirror(250, 78, 26)
    b += arrow(290, 78, 420, 78, RED, 1.5, "5,4") + text(480, 78, "正对煞气来向", 12, RED, "middle")
    b += note(60, 60, ["门外上方", "镜面朝外"], 13, GREEN)
    b += note(390, 140, ["不宜挂在室内", "不可对着邻居大门"], 13, RED, gap=22) + cross(378, 140, 7) + cross(378, 162, 7)
    return b


ARTICLES[15].append((a15p3(), "八卦镜挂在门外上方，镜面朝外"))


def a15p4():
    b = elevation_wall(40, 20, 520, 210)
    b += painting(170, 60, 150, 84, "mountain") + sofa(150, 170, 190, 60, "bottom", "#c9b99a")
    b += chinese_knot(430, 100, 1.0)
    b += line(360, 102, 380, 102, BLUE, 1) + line(370, 102, 370, 228, BLUE, 1, "3,3") + text(364, 154, "约1.5米", 11, BLUE, "end")
    b += line(160, 102, 330, 102, BLUE, 1, "4,4") + text(100, 102, "视线高度", 11, BLUE, "middle")
    b += text(430, 172, "中国结", 12, INK, "middle")
    return b


ARTICLES[15].append((a15p4(), "中国结与挂画：中心与视线平齐"))


def a15p5():
    b = elevation_wall(40, 20, 520, 210)
    b += rect(200, 40, 200, 190, "#d9cbb0", "#8f7a5c", 1.2) + rect(214, 58, 172, 172, "#a86f45", "#5a3418", 1.3) + circle(372, 150, 4, GOLD)
    b += text(300, 50, "门楣", 11, INK, "middle")
    b += group(five_coins(0, 0, 1.0), 300, 122, 0.9)
    b += rect(200, 226, 200, 6, "#b8553f")
    b += note(430, 80, ["门内门楣上方", "红绳串起五枚", "字面朝外"], 13, gap=24)
    b += note(60, 80, ["顺治通宝", "康熙通宝", "雍正通宝", "乾隆通宝", "嘉庆通宝"], 12, "#8a6a20", gap=20)
    return b


ARTICLES[15].append((a15p5(), "五帝钱挂在大门内侧的门楣上"))

# 16 居家好风水的15件宝贝 -----------------------------------------------------------------------


def trio(a, b, c):
    out = ""
    for i, (fn, name) in enumerate((a, b, c)):
        x = 110 + i * 190
        out += rect(x - 85, 24, 170, 200, "white", FRAME, 1.2, 8) + fn(x, 110) + text(x, 204, name, 14, INK, "middle", "bold")
    return out


ARTICLES[16] = [
    (trio((lambda x, y: pixiu(x, y, 1.3), "一、貔貅"), (lambda x, y: toad(x, y + 10, 1.3), "二、金蟾"), (lambda x, y: dragon_turtle(x - 14, y + 10, 1.0), "三、龙龟")),
     "第一至三件：貔貅、金蟾、龙龟"),
    (trio((lambda x, y: qilin(x - 6, y + 10, 1.2), "四、麒麟"), (lambda x, y: horse(x - 4, y + 6, 1.2), "五、铜马"), (lambda x, y: gourd(x, y, 1.2), "六、葫芦")),
     "第四至六件：麒麟、铜马、葫芦"),
    (trio((lambda x, y: crystal_ball(x, y - 6, 36), "七、水晶球"), (lambda x, y: amethyst(x, y + 6, 1.5), "八、紫晶洞"), (lambda x, y: wind_chime(x, y + 6, 1.3), "九、风铃")),
     "第七至九件：水晶球、紫晶洞、风铃"),
    (trio((lambda x, y: fish_tank(x - 55, y - 40, 110, 80), "十、鱼缸"), (lambda x, y: money_tree(x, y - 10, 1.2), "十一、发财树"), (lambda x, y: bamboo(x, y - 2, 1.3), "十二、富贵竹")),
     "第十至十二件：鱼缸、发财树、富贵竹"),
    (trio((lambda x, y: bagua_mirror(x, y, 48), "十三、八卦镜"), (lambda x, y: mountain_screen(x, y, 1.6), "十四、山海镇"), (lambda x, y: five_coins(x, y + 4, 1.1), "十五、五帝钱")),
     "第十三至十五件：八卦镜、山海镇、五帝钱"),
]

# 17 家居风水十二招 -----------------------------------------------------------------------------


def tip_pair(left, right):
    (lt, lb), (rt, rb) = left, right
    return panel(30, 30, 260, 195, lt, None) + lb + panel(310, 30, 260, 195, rt, None) + rb


def a17p1():
    left = rect(50, 50, 220, 160, "#ecebe6") + rect(50, 50, 220, 40, "#fffdf8", WALL, 2) + rect(50, 170, 220, 40, "#fffdf8", WALL, 2)
    left += door(140, 90, "top", 28, "#ecebe6") + door(140, 170, "bottom", 28, "#ecebe6") + text(70, 130, "走廊", 11, "#6b6258")
    left += arrow(154, 118, 154, 98, RED, 1.5) + arrow(154, 142, 154, 162, RED, 1.5) + cross(200, 130, 9)
    left += rect(124, 124, 60, 12, "#b8553f", rx=2)
    right = plan(330, 50, 220, 160) + door(350, 210, "bottom", 30) + potted(380, 160, 1.0) + check(530, 70, 10)
    right += arrow(364, 200, 378, 170, GREEN, 1.5) + text(470, 130, "一进门满眼绿意", 12, GREEN, "middle")
    return tip_pair(("第一招：大门不对大门", left), ("第二招：进门见绿", right))


def a17p2():
    left = plan(70, 55, 180, 150) + rect(72, 57, 176, 146, "#f5f0e6") + text(160, 130, "方正稳定", 12, GREEN, "middle") + check(255, 50, 9)
    right = plan(330, 50, 220, 160) + door(500, 210, "bottom", 30) + sofa(370, 54, 140, 30, "top") + table(400, 96, 80, 30)
    right += text(440, 150, "背后实墙 = 有靠山", 12, GREEN, "middle") + check(550, 50, 9)
    return tip_pair(("第三招：客厅宜方正", left), ("第四招：沙发有靠", right))


def a17p3():
    left = plan(50, 50, 220, 160) + door(140, 210, "bottom", 30) + table(80, 70, 60, 40, True) + text(110, 124, "餐桌偏离门线", 11, GREEN, "middle")
    left += screen(130, 160, 60) + sight(155, 200, 155, 60, GREY) + check(255, 50, 9)
    right = plan(330, 50, 220, 160) + wall(470, 50, 470, 130) + wall(470, 130, 550, 130) + door(490, 130, "bottom", 26) + stove(490, 60, 44, 24)
    right += rect(488, 127, 34, 6, "#7d6341") + text(510, 150, "门常关", 11, GREEN, "middle") + text(400, 130, "厨房藏在一角", 12, GREEN, "middle")
    return tip_pair(("第五招：餐桌不对大门", left), ("第六招：厨房不外露", right))


def a17p4():
    left = bedroom(50, 50, 220, 160) + bed(60, 80, 100, 80, "left") + mirror(262, 90, 60, False) + sight(256, 120, 166, 120) + cross(255, 50, 9)
    right = bedroom(330, 50, 220, 160) + window(410, 50, 80) + bed(350, 70, 100, 80, "left") + text(460, 180, "床头靠实墙", 12, GREEN, "middle") + check(550, 50, 9)
    return tip_pair(("第七招：床不对镜", left), ("第八招：床头不靠窗", right))


def a17p5():
    labels = [s if i not in (2, 4) else "" for i, s in enumerate(NINE)]
    left = grid9(90, 56, 150, labels, fills={4: "#eaf4e6", 2: "#dcecf6"}, font=11)
    left += text(215, 65, "东北", 10, INK, "middle") + toilet(203, 71)
    left += text(165, 124, "中宫", 11, INK, "middle") + text(165, 140, "宜空", 11, GREEN, "middle", "bold")
    right = plan(340, 60, 200, 140) + rect(342, 62, 196, 136, "#eef3f6") + toilet(420, 70) + ellipse(432, 91, 10, 13, "#e6eef2", GREY, 1)
    right += wall(340, 200, 540, 200) + rect(420, 194, 46, 12, "#7d6341") + text(443, 150, "门随手关，马桶盖盖好", 11, GREEN, "middle")
    return tip_pair(("第九招：厕所不居中", left), ("第十招：厕所门常关", right))


def a17p6():
    left = rect(50, 50, 220, 160, "#e2f1f8") + line(50, 170, 270, 170, "#8f7a5c", 3) + "".join(line(x, 140, x, 170, "#8f7a5c", 2) for x in range(60, 270, 20))
    left += potted(90, 168, 0.7) + potted(230, 168, 0.7) + cloud_sun(160, 90) + text(160, 196, "明亮通透", 12, GREEN, "middle")
    right = plan(330, 50, 220, 160) + window(330, 100, 60, False) + window(550, 100, 60, False)
    for y in (110, 130, 150):
        right += arrow(345, y, 535, y, BLUE, 1.5, "6,4")
    right += text(440, 190, "每天开窗半小时以上", 12, GREEN, "middle")
    return tip_pair(("第十一招：阳台不堆杂物", left), ("第十二招：家中常通风", right))


ARTICLES[17] = [
    (a17p1(), "第一招、第二招"),
    (a17p2(), "第三招、第四招"),
    (a17p3(), "第五招、第六招"),
    (a17p4(), "第七招、第八招"),
    (a17p5(), "第九招、第十招"),
    (a17p6(), "第十一招、第十二招"),
]

# 18 如何选择吉祥物增财旺运 ---------------------------------------------------------------------


def a18p1():
    items = [("木", "#5d9c59", lambda x, y: bamboo(x, y - 14, 0.55), "富贵竹"), ("火", "#d9483b", lambda x, y: chinese_knot(x, y + 2, 0.55), "中国结"),
             ("土", "#c9a24a", lambda x, y: crystal_ball(x, y - 6, 14, "#f3dc8a"), "黄水晶"), ("金", "#a0a4a8", lambda x, y: gourd(x, y - 6, 0.5), "铜葫芦"),
             ("水", "#2f4f6e", lambda x, y: fish_tank(x - 22, y - 16, 44, 28), "鱼缸")]
    b = text(300, 40, "木生火 → 火生土 → 土生金 → 金生水 → 水生木", 14, GREEN, "middle", "bold")
    for i, (elem, color, fn, name) in enumerate(items):
        x, y = 80 + i * 110, 130
        b += circle(x, y, 38, "white", color, 3) + fn(x, y) + badge(x, y - 56, elem, color, 13)
        b += text(x, y + 56, name, 13, INK, "middle", "bold")
        if i < 4:
            b += arrow(x + 42, y, x + 66, y, GREEN, 1.6)
    b += text(300, 218, "按自己五行所喜，选择相应的吉祥物", 12, "#6b6258", "middle")
    return b


def a18p2():
    cols = [("求财", [(pixiu, "貔貅"), (toad, "金蟾")]), ("事业", [(horse, "铜马"), (dragon_turtle, "龙龟")]), ("平安化煞", [(gourd, "葫芦"), (lambda x, y, s: bagua_mirror(x, y, 30 * s), "八卦镜")])]
    b = ""
    for i, (title, things) in enumerate(cols):
        x = 110 + i * 190
        b += rect(x - 85, 24, 170, 204, "white", FRAME, 1.2, 8) + badge(x, 44, title, [GOLD, BLUE, GREEN][i], 13)
        for j, (fn, name) in enumerate(things):
            y = 100 + j * 76
            b += fn(x - 30, y, 0.6) + text(x + 44, y, name, 13, INK, "middle")
    return b


ARTICLES[18] = [
    (a18p1(), "依五行喜用选择吉祥物"),
    (a18p2(), "依用途选择吉祥物"),
]


def a18p3():
    b = panel(30, 30, 250, 190, "小客厅摆大件", False) + elevation_wall(45, 45, 220, 160) + cabinet(80, 150, 150, 55) + pixiu(155, 110, 1.2)
    b += panel(320, 30, 250, 190, "大小相称", True) + elevation_wall(335, 45, 220, 160) + cabinet(370, 150, 150, 55) + pixiu(445, 138.6, 0.3)
    b += line(530, 150, 530, 205, BLUE, 1) + line(530, 124, 530, 150, GREEN, 1) + text(445, 86, "不超过柜高一半", 11, GREEN, "middle")
    return b


ARTICLES[18].append((a18p3(), "吉祥物的大小要与空间相称"))


def jade_disc(x, y, s=1.0):
    return group(circle(0, 0, 30, "#9fcfa8", "#4f8a5a", 1.3) + circle(0, 0, 10, PAPER, "#4f8a5a", 1) + path("M-20,-14 Q0,-24 20,-14", stroke="#d8efdc", sw=3) + line(0, -30, 0, -44, RED, 2), x, y, s)


def porcelain(x, y, s=1.0):
    body = path("M-12,-40 L12,-40 L10,-30 Q30,-10 24,16 Q18,34 0,36 Q-18,34 -24,16 Q-30,-10 -10,-30 Z", fill="#f4f6f8", stroke="#3b6785", sw=1.3)
    body += path("M-18,0 Q0,-12 18,0 M-20,12 Q0,2 20,12", stroke="#3b6785", sw=1.5) + flower(0, 20, 6, "#3b6785")
    return group(body, x, y, s)


ARTICLES[18].append((shelf_items([(lambda x, y: gourd(x, y, 1.0), "铜"), (lambda x, y: jade_disc(x, y, 1.1), "玉"),
                                   (lambda x, y: crystal_ball(x, y - 4, 28, "#d9e6f2"), "水晶"), (lambda x, y: porcelain(x, y, 1.1), "陶瓷")], 130, 90, 140),
    "常见材质：铜、玉、水晶、陶瓷"))


def a18p5():
    b = elevation_wall(40, 20, 520, 210) + cabinet(170, 150, 260, 80)
    b += pixiu(300, 116, 1.1)
    b += "".join(path(f"M{x},{y - 7} L{x + 2},{y - 2} L{x + 7},{y} L{x + 2},{y + 2} L{x},{y + 7} L{x - 2},{y + 2} L{x - 7},{y} L{x - 2},{y - 2} Z", fill="#f6d36b") for x, y in [(240, 70), (360, 64), (380, 110), (230, 120)])
    b += path("M420,120 q14,-10 28,0 q14,10 28,0 l0,20 q-14,10 -28,0 q-14,-10 -28,0 Z", fill="#cfe3f2", stroke="#6d9bb5", sw=1.2) + text(448, 160, "软布擦拭", 12, INK, "middle")
    b += note(60, 60, ["清水、软布擦净", "选定位置不常挪动", "定期除尘", "水养的勤换水"], 13, gap=24)
    return b


ARTICLES[18].append((a18p5(), "摆放之前擦拭干净，摆好之后勤加打理"))

# 19 风水理气盘 ---------------------------------------------------------------------------------

MOUNTAINS = ["子", "癸", "丑", "艮", "寅", "甲", "卯", "乙", "辰", "巽", "巳", "丙",
             "午", "丁", "未", "坤", "申", "庚", "酉", "辛", "戌", "乾", "亥", "壬"]
LATER_HEAVEN = ["☵", "☶", "☳", "☴", "☲", "☷", "☱", "☰"]   # 北 东北 东 东南 南 西南 西 西北
EARLIER_HEAVEN = ["☷", "☳", "☲", "☱", "☰", "☴", "☵", "☶"]  # 北 东北 东 东南 南 西南 西 西北


def luopan(cx, cy, r, base=True):
    b = ""
    if base:
        b += rect(cx - r - 16, cy - r - 16, 2 * r + 32, 2 * r + 32, "#b0703a", "#6a3c18", 2, 6)
    b += circle(cx, cy, r, "#e9c46a", "#7a5a18", 2)
    b += compass_ring(cx, cy, r - 4, MOUNTAINS, None, -90, 9, "#7a5a18", 0.78, "#3b2a10")
    b += compass_ring(cx, cy, r * 0.76, LATER_HEAVEN, ["#f3e3b0"] * 8, -90, 12, "#7a5a18", 0.62)
    b += circle(cx, cy, r * 0.46, "#fbf3dc", "#7a5a18", 1.5) + circle(cx, cy, r * 0.3, "#cfe6f2", "#7a5a18", 1.5)
    b += poly([(cx, cy - r * 0.26), (cx - 4, cy), (cx + 4, cy)], RED) + poly([(cx, cy + r * 0.26), (cx - 4, cy), (cx + 4, cy)], "#2e3338")
    if base:
        b += line(cx, cy - r - 16, cx, cy + r + 16, RED, 1.2) + line(cx - r - 16, cy, cx + r + 16, cy, RED, 1.2)
    return b


def a19p1():
    b = luopan(160, 122, 90)
    labels = [("天池（磁针）", 160, 122, 330, 50), ("后天八卦", 160 + 52, 122 - 30, 330, 90), ("二十四山", 160 + 76, 122 + 40, 330, 130),
              ("天心十道（红线）", 160 + 100, 122, 330, 170), ("方形底盘", 160 + 98, 122 + 98, 330, 210)]
    for s, x1, y1, x2, y2 in labels:
        b += line(x1, y1, x2 - 6, y2, GREY, 0.8) + circle(x1, y1, 2.5, INK) + text(x2, y2, s, 13)
    return b


def bagua_ring(cx, cy, r, trigrams, title, order_note):
    b = compass_ring(cx, cy, r, DIRS8, ["#f3ead6"] * 8, -90, 11, "#9a8f7e", 0.78)
    b += compass_ring(cx, cy, r * 0.78, trigrams, ["#fffdf8"] * 8, -90, 18, "#9a8f7e", 0.5)
    b += circle(cx, cy, r * 0.39, "#f6ecd0", "#9a8f7e", 1) + text(cx, cy - 8, title, 13, INK, "middle", "bold") + text(cx, cy + 10, order_note, 10, "#6b6258", "middle")
    return b


def a19p2():
    b = bagua_ring(150, 122, 100, EARLIER_HEAVEN, "先天八卦", "乾南坤北")
    b += bagua_ring(450, 122, 100, LATER_HEAVEN, "后天八卦", "离南坎北")
    return b


def a19p3():
    fills = []
    for i in range(24):
        fills.append(["#dfe9f2", "#e9efd8", "#f6e3d0", "#efe6cc"][(i + 1) // 6 % 4])
    b = compass_ring(160, 124, 104, MOUNTAINS, fills, -90, 12, "#8a7e6a", 0.7)
    b += compass_ring(160, 124, 72, DIRS8, ["#fffdf8"] * 8, -90, 11, "#8a7e6a", 0.5) + circle(160, 124, 36, "#f6ecd0", "#8a7e6a", 1)
    b += text(160, 124, "每山15°", 11, INK, "middle")
    b += note(310, 50, ["八天干：甲乙丙丁庚辛壬癸", "十二地支：子丑寅卯辰巳", "　　　　　午未申酉戌亥", "四卦：乾坤艮巽", "", "壬、子、癸 = 北方坎卦", "甲、卯、乙 = 东方震卦"], 13, gap=24)
    return b


def a19p4():
    nums = [("4", "东南"), ("9", "南"), ("2", "西南"), ("3", "东"), ("5", "中"), ("7", "西"), ("8", "东北"), ("1", "北"), ("6", "西北")]
    b = ""
    x0, y0, c = 70, 24, 68
    for i, (n, d) in enumerate(nums):
        x, y = x0 + (i % 3) * c, y0 + (i // 3) * c
        b += rect(x, y, c, c, "#fffdf8" if n != "5" else "#f6ecd0", "#9a8f7e", 1.2)
        b += text(x + c / 2, y + c / 2 - 6, n, 24, RED if n in ("1", "6", "8", "9") else INK, "middle", "bold") + text(x + c / 2, y + c - 12, d, 10, "#6b6258", "middle")
    b += rect(x0, y0, 3 * c, 3 * c, "none", WALL, 2.5)
    b += note(310, 50, ["洛书：戴九履一", "左三右七，二四为肩", "六八为足，五居中央", "", "横、竖、斜相加皆为十五", "（图依传统上南下北）"], 13, gap=24)
    return b


def a19p5():
    b = plan(60, 30, 300, 190) + door(180, 220, "bottom", 40)
    b += person(200, 212, 0.9) + circle(200, 222, 8, "#e9c46a", "#7a5a18", 1)
    b += arrow(200, 236, 200, 250 - 4, GREEN, 2) + text(230, 244 - 4, "向（屋外）", 12, GREEN)
    b += arrow(200, 186, 200, 80, BLUE, 2, "6,4") + text(210, 70, "坐（屋内方向）", 12, BLUE)
    b += luopan(480, 120, 64, True)
    b += text(480, 218, "底盘边缘与门框平行", 12, INK, "middle")
    return b


ARTICLES[19] = [
    (a19p1(), "罗盘的基本构造"),
    (a19p2(), "先天八卦与后天八卦"),
    (a19p3(), "二十四山：一周分为二十四个方位"),
    (a19p4(), "九宫飞星与洛书"),
    (a19p5(), "怎样用罗盘测量住宅的坐向"),
]

# 20 家中放置哪些吉祥物能招财 -------------------------------------------------------------------


def a20p1():
    b = plan(60, 20, 320, 210) + door(300, 230, "bottom", 34)
    b += cabinet(120, 40, 110, 26) + pixiu(175, 46, 0.42)
    b += arrow(200, 60, 300, 200, GREEN, 2, "6,4") + text(270, 120, "头朝大门", 12, GREEN)
    b += pixiu(470, 90, 1.1) + text(470, 150, "貔貅", 14, INK, "middle", "bold")
    b += note(400, 180, ["只进不出，招财守财", "不可对着床和镜子"], 12, gap=20)
    return b


def a20p2():
    b = plan(60, 20, 320, 210) + door(300, 230, "bottom", 34)
    b += wealth_spot(110, 70, 40, s="") + toad(110, 82, 0.4) + badge(110, 40, "财位", GOLD)
    b += arrow(140, 86, 230, 140, GREEN, 2, "6,4") + text(230, 160, "头朝屋内", 12, GREEN, "middle")
    b += toad(480, 90, 1.2) + text(480, 150, "三足金蟾", 14, INK, "middle", "bold")
    b += note(400, 180, ["口衔铜钱，吐钱入屋", "不对大门、厕所"], 12, gap=20)
    return b


ARTICLES[20] = [
    (a20p1(), "貔貅：头朝大门，只进不出"),
    (a20p2(), "金蟾：头朝屋内，口衔铜钱"),
]


def a20p3():
    b = panel(40, 30, 240, 190, "举右手：招财", None) + lucky_cat(160, 130, 1.4)
    b += panel(320, 30, 240, 190, "放在收银台，面朝门口", None)
    b += rect(350, 150, 180, 50, WOOD, WOOD_EDGE, 1.2, 3) + lucky_cat(400, 122, 0.7) + rect(450, 130, 50, 20, "#2e3338", rx=2)
    b += arrow(440, 80, 500, 60, GREEN, 1.5) + text(500, 84, "门口", 12, GREEN, "middle")
    return b


ARTICLES[20].append((a20p3(), "招财猫：右手招财，左手招客"))


def a20p4():
    b = elevation_wall(40, 20, 520, 210) + line(300, 20, 300, 230, "#e8dfcf", 2)
    b += wealth_spot(400, 130, 80, s="") + cabinet(330, 160, 140, 70) + treasure_bowl(400, 122, 1.0)
    b += badge(400, 44, "财位", GOLD)
    b += note(70, 60, ["盆口朝上、朝向屋内", "放铜钱、元宝、水晶碎石", "常保满满当当", "每月擦拭一次"], 13, gap=26)
    return b


ARTICLES[20].append((a20p4(), "聚宝盆：放在财位，盆中常满"))


def a20p5():
    b = ingot(150, 110, 1.6) + ingot(110, 160, 1.2) + ingot(190, 165, 1.2)
    b += "".join(coin(x, y, 16) for x, y in [(330, 100), (370, 130), (410, 100), (350, 170), (400, 176)])
    b += line(470, 60, 470, 200, RED, 2) + "".join(coin(470, 80 + k * 28, 11) for k in range(5))
    b += text(150, 220, "元宝", 13, INK, "middle", "bold") + text(370, 220, "铜钱", 13, INK, "middle", "bold") + text(520, 130, "红绳串起", 12, INK)
    return b


ARTICLES[20].append((a20p5(), "元宝与铜钱：寓意财源广进"))

# 21 6大吉利风水家饰 ---------------------------------------------------------------------------


def a21p1():
    b = elevation_wall(40, 20, 520, 210) + table(160, 170, 280, 16) + line(190, 186, 190, 230, WOOD_EDGE, 4) + line(410, 186, 410, 230, WOOD_EDGE, 4)
    b += vase(300, 118, 1.1)
    b += note(70, 50, ["百合、向日葵、牡丹", "两三天换一次水", "花谢及时撤下"], 13, GREEN, gap=24)
    b += note(420, 50, ["不宜：", "带刺的花放客厅中央", "干花长期摆放"], 13, RED, gap=24)
    return b


def a21p2():
    b = elevation_wall(40, 20, 520, 210) + line(40, 24, 560, 24, WALL, 3)
    b += chandelier(300, 80, 1.6) + sofa(180, 180, 240, 50, "bottom", "#c9b99a")
    b += note(70, 70, ["装在客厅中央", "大小与客厅相称"], 13, GREEN, gap=24) + note(430, 70, ["层高低宜选吸顶式", "不可太低压在座位上"], 13, INK, gap=24)
    return b


def a21p3():
    b = elevation_wall(40, 20, 520, 210) + cabinet(180, 170, 240, 60) + fish_tank(200, 80, 200, 90)
    b += "".join(fish(x, y, 7, c) for x, y, c in [(250, 110, "#e07b39"), (320, 140, "#d9362b"), (360, 104, "#e0a339")])
    b += line(430, 80, 430, 230, BLUE, 1, "3,3") + text(440, 100, "不高于心口", 11, BLUE)
    b += note(60, 60, ["东、东南、北方", "鱼数单数为佳", "缸水保持清澈"], 13, GREEN, gap=24)
    return b


def a21p4():
    b = rect(30, 20, 540, 210, "#f6f1e4")
    b += rect(40, 30, 240, 190, "#efe7d6", "#b9ab94", 1) + rect(320, 30, 240, 190, "#efe7d6", "#b9ab94", 1)
    b += painting(90, 44, 140, 70, "mountain") + sofa(70, 150, 180, 56, "bottom", "#c9b99a") + text(160, 128, "沙发背后：山", 12, GREEN, "middle")
    b += painting(370, 60, 140, 70, "water") + tv(390, 200, 100) + text(440, 148, "沙发对面：水", 12, GREEN, "middle")
    b += arrow(480, 96, 420, 110, BLUE, 1.5) + text(440, 180, "水流向屋内", 11, BLUE, "middle")
    return b


def a21p5():
    b = plan(60, 20, 340, 210) + door(90, 230, "bottom", 32)
    b += rug(150, 70, 180, 110, True) + "".join(flower(x, y, 10, "#b5553f") for x, y in [(200, 110), (280, 110), (240, 140)])
    b += table(200, 100, 80, 40) + sofa(170, 30, 140, 30, "top")
    b += note(420, 60, ["图案：团花、回纹、祥云", "颜色：米色、暖红、金黄", "", "不宜：图案尖锐", "颜色阴冷"], 13, gap=24)
    return b


def a21p6():
    b = plan(60, 20, 330, 210) + door(200, 230, "bottom", 32)
    b += clock(216, 36, 14) + sight(216, 52, 216, 206) + cross(250, 40, 9)
    b += clock(70 + 12, 130, 14) + check(104, 110, 9) + text(130, 156, "侧墙", 11, GREEN)
    b += note(410, 50, ["挂钟不宜：", "· 正对大门", "· 挂在沙发正上方", "· 闹钟正对床头", "", "走时准确，坏了及时修"], 13, gap=22)
    return b


ARTICLES[21] = [
    (a21p1(), "鲜花：花开饱满，常换清水"),
    (a21p2(), "水晶灯：让客厅明亮聚气"),
    (a21p3(), "鱼缸：鱼游水活，年年有余"),
    (a21p4(), "字画：山在背后，水在面前"),
    (a21p5(), "地毯：图案圆润，颜色温暖"),
    (a21p6(), "时钟：不对大门，不对床头"),
]
