"""Pictures of picture articles 8 to 14: each page's drawing and caption, the source of
<num>/<page>.svg (see make_pages.py; the page texts are the <num>/<page>.txt files)."""

import math

from draw import (
    BLUE, DIRS8, GOLD, GREEN, GREY, INK, RED, ROOM, WALL, WOOD, WOOD_EDGE, arrow, badge, bed, building,
    cabinet, caishen, check, circle, compass_ring, couplet, cross, desk, door, ellipse, fish_tank,
    floor, flower, fu, group, house, lamp, line, money_tree, north, note, painting, path, person, poly,
    potted, rect, room_label, screen, sight, sink, sofa, stone_tablet, stove, swatch, table, text,
    toilet, tv, wall, wealth_spot, window,
)
from scenes import (
    NINE, bedroom, cloud_sun, corner_view, elevation_wall, front_door, grid9, living_room, panel, plan,
)

ARTICLES = {}

# 8 财神摆放指南 --------------------------------------------------------------------------------


def a8p1():
    b = panel(40, 30, 240, 200, "文财神", None) + caishen(160, 110, 1.25, civil=True)
    b += text(160, 214, "比干、范蠡 · 手捧元宝", 12, INK, "middle")
    b += panel(320, 30, 240, 200, "武财神", None) + caishen(430, 110, 1.25, civil=False)
    b += text(440, 214, "关公、赵公明 · 手持兵器", 12, INK, "middle")
    return b


ARTICLES[8] = [
    (a8p1(), "文财神与武财神"),
]


def a8p2():
    b = plan(40, 20, 360, 210) + door(190, 230, "bottom", 34)
    b += caishen(110, 70, 0.55, civil=True) + arrow(140, 90, 200, 130, GREEN, 2) + text(110, 124, "文财神", 12, INK, "middle")
    b += text(200, 150, "面向屋内", 12, GREEN, "middle")
    b += caishen(330, 160, 0.55, civil=False) + arrow(300, 185, 240, 215, GREEN, 2) + text(350, 214, "武财神", 12, INK, "middle")
    b += text(300, 120, "面向大门", 12, GREEN, "middle")
    b += note(420, 60, ["文财神：面向屋内", "把财气送进家中", "", "武财神：面向大门", "守门挡煞、迎财入门", "", "都不宜背对大门"], 13, gap=21)
    return b


ARTICLES[8].append((a8p2(), "文财神面向屋内，武财神面向大门"))


def a8p3():
    b = plan(40, 60, 170, 130) + door(52, 190, "bottom", 26) + window(210, 96, 50, False)
    b += sight(64, 182, 186, 82, GOLD) + wealth_spot(190, 80, 22, "") + text(66, 204, "大门", 11, INK, "middle")
    b += text(125, 40, "找财位：入门对角", 13, INK, "middle", "bold")
    b += corner_view(250, 30, 250, 190) + wealth_spot(375, 120, 56, "")
    b += cabinet(340, 160, 70, 34) + caishen(375, 118, 0.62)
    b += text(300, 60, "背靠实墙", 12, GREEN, "middle") + text(452, 60, "光线明亮", 12, GREEN, "middle")
    b += arrow(300, 70, 340, 100, GREEN, 1) + arrow(452, 70, 412, 100, GREEN, 1)
    b += note(515, 90, ["财神", "坐财位"], 13, RED, gap=22)
    return b


ARTICLES[8].append((a8p3(), "财神宜放在财位：入门对角线方位"))


def a8p4():
    b = panel(30, 30, 250, 190, "对着厕所门", False)
    b += plan(50, 50, 210, 150) + wall(160, 50, 160, 120) + wall(160, 120, 260, 120) + door(200, 120, "bottom", 28)
    b += toilet(222, 58) + room_label(190, 72, "卫生间", 11)
    b += cabinet(60, 150, 40, 16) + caishen(80, 150, 0.28) + sight(100, 145, 196, 118)
    b += panel(320, 30, 250, 190, "放在卧室里", False)
    b += bedroom(340, 50, 210, 150) + bed(350, 60, 90, 70, "left") + cabinet(480, 60, 40, 16) + caishen(500, 60, 0.28)
    b += text(445, 170, "卧室不宜供奉神像", 12, RED, "middle")
    return b


ARTICLES[8].append((a8p4(), "财神不可对着厕所，也不宜放在卧室"))


def a8p5():
    b = elevation_wall(40, 20, 520, 210)
    b += cabinet(300, 120, 150, 110) + caishen(375, 62, 0.72)
    b += rect(330, 112, 14, 8, "#f3f0e8", GREY, 1) + circle(420, 112, 6, "#e2584a") + circle(430, 112, 6, "#f0a04b")
    b += sofa(90, 170, 110, 60, "left") + person(140, 172, 1.1)
    b += line(150, 146, 470, 146, BLUE, 1.2, "5,4") + text(480, 146, "坐下的视线", 11, BLUE)
    b += arrow(470, 110, 470, 76, GREEN, 1.6) + text(480, 92, "神像高于视线", 11, GREEN)
    return b


ARTICLES[8].append((a8p5(), "摆放高度宜高于人坐下的视线"))

# 9 随意改房对风水影响 --------------------------------------------------------------------------


def a9p1():
    b = plan(60, 20, 360, 210) + wall(240, 20, 240, 230, 8)
    b += path("M236,60 L244,80 L236,100 L246,122 L238,140", stroke=RED, sw=2)
    b += rect(228, 150, 24, 40, ROOM) + path("M228,150 L236,160 L228,172 L238,182 L228,190", stroke="#8a8078", sw=1)
    b += text(252, 212, "承重墙", 12, RED, "start", "bold") + cross(270, 40, 10)
    b += room_label(150, 120, "客厅") + room_label(330, 120, "卧室")
    b += note(440, 60, ["承重墙：严禁拆改", "", "只拆非承重隔墙", "保留必要的隔断", "动静分区要清楚"], 13, gap=24)
    return b


ARTICLES[9] = [
    (a9p1(), "拆改承重墙，既危险又打乱格局"),
]


def a9p2():
    b = panel(30, 30, 250, 190, "床移到原阳台", False)
    b += plan(50, 50, 210, 110) + rect(50, 160, 210, 40, "#e8f4fb", WALL, 2, dash="6,3")
    b += window(50, 200, 210) + bed(110, 140, 90, 56, "top") + text(155, 120, "原阳台处三面临窗", 11, RED, "middle")
    b += panel(320, 30, 250, 190, "床靠实墙，阳台作书桌", True)
    b += plan(340, 50, 210, 110) + rect(340, 160, 210, 40, "#e8f4fb", WALL, 2, dash="6,3") + window(340, 200, 210)
    b += bed(400, 54, 90, 70, "top") + desk(470, 166, 60, 20)
    return b


ARTICLES[9].append((a9p2(), "阳台改卧室，床不宜放在原阳台处"))


def a9p3():
    b = grid9(60, 20, 210, NINE, fills={4: "#f7d6d2"})
    b += toilet(153, 118) + cross(188, 102, 9)
    b += text(160, 100, "中宫", 12, RED, "middle", "bold")
    b += note(300, 50, ["卫生间设在中宫：", "秽气向四周扩散", "湿气难以排出", "", "宜设在住宅边角", "要有窗户或排风"], 13, gap=24)
    b += check(292, 146, 7) + check(292, 170, 7)
    return b


ARTICLES[9].append((a9p3(), "卫生间不宜移到住宅中央"))


def a9p4():
    b = plan(60, 20, 360, 210)
    b += door(220, 230, "bottom", 34)
    b += rect(58, 90, 8, 40, RED, opacity=0.5) + text(40, 110, "?", 18, RED, "middle", "bold")
    b += path("M230,190 Q150,170 90,112", stroke=RED, sw=1.8, fill="none") + poly([(84, 106), (96, 108), (90, 118)], RED) + cross(130, 140, 10)
    b += text(300, 214, "原有大门", 12, GREEN, "middle")
    b += note(440, 60, ["改门 = 改坐向", "原有布置失去依据", "", "宜保持原大门", "以玄关布置调整"], 13, gap=24)
    return b


ARTICLES[9].append((a9p4(), "大门的位置与朝向不可随意更改"))

# 10 装修颜色与风水吉凶 -------------------------------------------------------------------------


def a10p1():
    cx, cy, r = 170, 134, 80
    items = [("木", "#5d9c59", "绿·青"), ("火", "#d9483b", "红·紫"), ("土", "#c9a24a", "黄·棕"), ("金", "#e8e8e4", "白·金"), ("水", "#2f4f6e", "黑·蓝")]
    pts = []
    for i, (name, color, colors) in enumerate(items):
        a = math.radians(-90 + i * 72)
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        pts.append((x, y))
    b = ""
    for i in range(5):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % 5]
        k = 30 / math.hypot(x2 - x1, y2 - y1)
        b += arrow(x1 + (x2 - x1) * k, y1 + (y2 - y1) * k, x2 - (x2 - x1) * k, y2 - (y2 - y1) * k, GREEN, 1.8)
    for (x, y), (name, color, colors) in zip(pts, items):
        b += circle(x, y, 26, color, "#6b6258", 1.2) + text(x, y - 1, name, 16, "white" if name not in ("金",) else INK, "middle", "bold")
        b += text(x, y + 38 if y > cy else y - 36, colors, 11, INK, "middle")
    b += text(cx, cy, "相生", 13, GREEN, "middle", "bold")
    b += note(330, 60, ["木生火　火生土", "土生金　金生水", "水生木", "", "相邻空间的颜色宜相生", "避免大面积相克硬碰"], 14, gap=24)
    return b


ARTICLES[10] = [
    (a10p1(), "五行与五色：木绿、火红、土黄、金白、水黑"),
]


def a10p2():
    b = rect(40, 20, 330, 210, "#f6ecd8") + line(40, 230, 370, 230, WALL, 3)
    b += painting(150, 40, 110, 60, "mountain") + sofa(100, 150, 210, 70, "bottom", "#e6d3b3")
    b += rect(120, 160, 30, 24, "#e27a5a", rx=5) + rect(260, 160, 30, 24, "#5d9c59", rx=5)
    b += potted(340, 226, 1.0) + lamp(70, 210, 1.0)
    b += text(400, 40, "宜：明亮温暖", 14, GREEN, "start", "bold")
    for i, (c, n) in enumerate([("#f3e3b5", "米黄"), ("#d8c0a0", "浅咖"), ("#faf4e8", "暖白"), ("#d9d9d6", "浅灰")]):
        b += swatch(400 + (i % 2) * 86, 60 + (i // 2) * 70, c, n, 60, 34)
    return b


ARTICLES[10].append((a10p2(), "客厅宜明亮温暖"))


def a10p3():
    b = text(150, 30, "宜：柔和安眠", 14, GREEN, "middle", "bold")
    for i, (c, n) in enumerate([("#efe5d3", "浅米"), ("#cfe2f0", "淡蓝"), ("#d6e8d0", "浅绿"), ("#f6d9dd", "淡粉")]):
        b += swatch(40 + i * 58, 50, c, n)
    b += text(450, 30, "忌：大面积刺激或压抑", 14, RED, "middle", "bold")
    for i, (c, n) in enumerate([("#c4161c", "大红"), ("#6a2c8a", "大紫"), ("#f2d30f", "明黄"), ("#1e1e1e", "纯黑")]):
        b += swatch(340 + i * 58, 50, c, n)
    b += bed(70, 130, 200, 90, "left", "#cfe2f0") + check(285, 140, 10)
    b += bed(340, 130, 200, 90, "left", "#c4161c") + cross(555, 140, 10)
    return b


ARTICLES[10].append((a10p3(), "卧室宜柔和，忌大红大紫"))


def kitchen_elev(x, y, cab, wall_color):
    b = rect(x, y, 240, 150, wall_color) + line(x, y + 150, x + 240, y + 150, WALL, 3)
    b += rect(x + 10, y + 10, 220, 40, cab, "#8a8070", 1, 2) + line(x + 120, y + 10, x + 120, y + 50, "#8a8070", 1)
    b += rect(x + 10, y + 90, 220, 60, cab, "#8a8070", 1, 2) + rect(x + 6, y + 84, 228, 8, "#d9d6cf", "#8a8070", 1)
    b += stove(x + 30, y + 62, 60, 22) + sink(x + 150, y + 64, 56, 20)
    return b


def a10p4():
    b = panel(30, 30, 260, 190, "浅淡干净", True) + kitchen_elev(40, 50, "#f4f2ec", "#fbfaf6")
    b += potted(240, 140, 0.5)
    b += panel(310, 30, 260, 190, "满眼大红", False) + kitchen_elev(320, 50, "#c9302c", "#f0a088")
    return b


ARTICLES[10].append((a10p4(), "厨房宜浅淡，红色不宜过多"))


def a10p5():
    fills = ["#bcd6ea", "#eadcb8", "#b9dab0", "#b9dab0", "#f0b7ad", "#eadcb8", "#f1f1ee", "#f1f1ee"]
    b = compass_ring(160, 122, 104, DIRS8, fills, -90, 13, "#9a8f7e", 0.5) + circle(160, 122, 52, "#f6ecd0", "#9a8f7e", 1)
    b += text(160, 114, "中央", 12, INK, "middle") + text(160, 132, "米黄", 12, INK, "middle")
    rows = [("东、东南", "木", "绿色、浅青", "#b9dab0"), ("南", "火", "暖红、浅紫点缀", "#f0b7ad"), ("西南、东北", "土", "米黄、浅棕", "#eadcb8"),
            ("西、西北", "金", "白色、银灰", "#f1f1ee"), ("北", "水", "浅蓝", "#bcd6ea")]
    for i, (where, elem, colors, c) in enumerate(rows):
        y = 42 + i * 38
        b += rect(300, y - 14, 26, 28, c, "#9a8f7e", 1, 3) + text(313, y, elem, 13, INK, "middle", "bold")
        b += text(336, y, where, 13) + text(436, y, colors, 13, "#6b5a40")
    return b


ARTICLES[10].append((a10p5(), "依房间所在的方位选择墙面颜色"))

# 11 客厅招财布局 -------------------------------------------------------------------------------


def a11p1():
    b = panel(30, 30, 260, 200, "门在左侧", None)
    room, corner = living_room(50, 50, 220, 160, door_left=True, sofa_on_wall=False)
    b += room + sight(70, 200, corner[0] - 8, corner[1] + 8, GOLD) + wealth_spot(corner[0], corner[1], 28)
    b += text(80, 222, "大门", 11, INK, "middle")
    b += panel(310, 30, 260, 200, "门在右侧", None)
    room, corner = living_room(330, 50, 220, 160, door_left=False, sofa_on_wall=False)
    b += room + sight(520, 200, corner[0] + 8, corner[1] + 8, GOLD) + wealth_spot(corner[0], corner[1], 28)
    b += text(520, 222, "大门", 11, INK, "middle")
    return b


ARTICLES[11] = [
    (a11p1(), "财位在入门的对角线方位"),
]


def a11p2():
    b = plan(60, 20, 330, 210) + door(74, 230, "bottom", 32) + window(60, 120, 70, False)
    b += wealth_spot(345, 70, 60, s="")
    b += sofa(300, 30, 84, 30, "top") + sofa(356, 62, 30, 80, "right") + table(300, 80, 44, 40, True)
    b += lamp(372, 44, 0.6) + badge(326, 158, "财位", GOLD)
    b += note(420, 50, ["宜明亮：常亮一盏灯", "宜坐宜卧：摆放沙发", "背后是实墙", "", "忌：窗户、通道"], 13, gap=24)
    b += check(410, 50, 7) + check(410, 74, 7) + check(410, 98, 7) + cross(410, 146, 7)
    return b


ARTICLES[11].append((a11p2(), "财位宜明亮，宜坐宜卧"))


def a11p3():
    b = elevation_wall(40, 20, 360, 210)
    b += wealth_spot(300, 150, 80, s="") + money_tree(300, 150, 1.2) + badge(300, 40, "财位", GOLD)
    b += note(420, 50, ["发财树、金钱树", "巴西木、橡皮树", "", "叶片肥厚、四季常青", "泥土种植，不宜水养"], 13, gap=24)
    b += cross(420, 190, 8) + text(434, 190, "仙人掌等带刺植物", 12, RED)
    return b


ARTICLES[11].append((a11p3(), "财位摆放常绿阔叶植物"))


def corner_panel(x, title):
    b = panel(x, 30, 170, 190, title, False)
    b += floor(x + 20, 60, 130, 130) + wall(x + 20, 60, x + 150, 60, 6) + wall(x + 150, 60, x + 150, 190, 6)
    return b + wealth_spot(x + 120, 90, 36)


def a11p4():
    b = corner_panel(25, "一忌压") + cabinet(125, 64, 46, 90, "重柜")
    b += corner_panel(215, "二忌水") + fish_tank(300, 70, 60, 36)
    b += corner_panel(405, "三忌空") + window(555, 80, 70, False) + arrow(470, 180, 540, 100, BLUE, 1.5, "5,4")
    b += text(110, 206, "压住财运", 12, RED, "middle") + text(300, 206, "见财化水", 12, RED, "middle") + text(490, 206, "过道开窗", 12, RED, "middle")
    return b


ARTICLES[11].append((a11p4(), "财位三忌：忌压、忌水、忌空"))


def a11p5():
    b = plan(60, 20, 330, 210) + door(344, 230, "bottom", 32)
    b += rect(63, 23, 324, 40, "#dcecf6", opacity=0.8) + rect(347, 23, 40, 204, "#dcecf6", opacity=0.8)
    b += text(225, 40, "北", 12, BLUE, "middle", "bold") + text(367, 130, "东", 12, BLUE, "middle", "bold")
    b += fish_tank(352, 90, 30, 60) + sofa(120, 80, 30, 110, "left") + table(170, 110, 60, 46) + north(40, 40)
    b += wealth_spot(95, 50, 26) + cross(120, 48, 7)
    b += note(410, 50, ["鱼缸宜：东、东南、北", "", "不宜：", "· 沙发背后", "· 正对大门", "· 放在财位"], 13, gap=22)
    return b


ARTICLES[11].append((a11p5(), "鱼缸宜放在客厅的东方、东南方或北方"))

# 12 九种最常见风水煞气及解救方法 ---------------------------------------------------------------


def a12p1():
    b = rect(30, 20, 540, 210, "#eef2e6")
    b += rect(250, 20, 100, 130, "#9aa3ab") + "".join(rect(296, y, 8, 14, "white") for y in range(26, 140, 26))
    b += arrow(300, 40, 300, 140, RED, 2.5)
    b += house(265, 175, 70, 50)
    b += stone_tablet(380, 190, 0.8) + text(420, 214, "石敢当", 12, INK) + "".join(potted(x, 228, 0.6) for x in (240, 360))
    b += text(100, 60, "路冲煞", 18, RED, "start", "bold") + note(100, 90, ["道路直冲大门"], 13)
    b += note(420, 60, ["化解：", "门前种灌木、设花坛", "立“泰山石敢当”"], 13, GREEN, gap=22)
    return b


ARTICLES[12] = [
    (a12p1(), "路冲煞：道路直冲大门"),
]


def a12p2():
    b = rect(30, 20, 540, 210, "#e8f1f7")
    b += building(200, 30, 90, 200) + building(306, 40, 90, 190)
    b += arrow(298, 60, 298, 200, RED, 2) + text(312, 30, "窄缝", 12, RED, "start", "bold")
    b += text(80, 60, "天斩煞", 18, RED, "start", "bold") + note(80, 90, ["两座高楼之间", "一道狭窄缝隙"], 13)
    b += note(420, 70, ["化解：", "窗前摆高大盆栽", "挂厚窗帘", "少开这一面窗"], 13, GREEN, gap=22)
    return b


ARTICLES[12].append((a12p2(), "天斩煞：两栋高楼之间的窄缝"))


def a12p3():
    b = rect(30, 20, 540, 210, "#eef2e6")
    b += poly([(180, 60), (290, 130), (180, 200), (70, 130)], "#c9d3db", "#7d8a95", 1.4)
    b += arrow(292, 130, 380, 130, RED, 2) + text(330, 114, "尖角", 12, RED, "middle", "bold")
    b += rect(390, 70, 150, 130, "#efe1c6", "#8f7a5c", 1.4) + window(390, 100, 60, False)
    b += potted(420, 160, 0.9) + potted(460, 160, 0.9)
    b += text(60, 40, "尖角煞", 18, RED, "start", "bold")
    b += text(465, 190, "窗前绿植挡角", 12, GREEN, "middle")
    return b


ARTICLES[12].append((a12p3(), "尖角煞：邻楼的屋角对着自家窗户"))


def a12p4():
    b = rect(30, 20, 540, 210, "#e8f1f7") + cloud_sun(90, 60)
    b += rect(150, 40, 110, 190, "#9cc3dc", "#5b8aa6", 1.4) + "".join(line(150, y, 260, y, "#d9ecf6", 1) for y in range(60, 230, 20)) + "".join(line(x, 40, x, 230, "#d9ecf6", 1) for x in (178, 205, 232))
    b += arrow(110, 80, 170, 120, "#f0b030", 2) + arrow(262, 120, 380, 150, "#f0b030", 2.5) + arrow(262, 150, 380, 170, "#f0b030", 2.5)
    b += rect(390, 90, 150, 140, "#efe1c6", "#8f7a5c", 1.4) + window(390, 130, 60, False)
    b += "".join(line(398, y, 438, y, "#9a8f7e", 2) for y in range(134, 190, 6))
    b += text(480, 160, "百叶帘", 12, GREEN, "middle")
    b += text(300, 40, "反光煞", 18, RED, "start", "bold") + note(300, 68, ["玻璃幕墙反射强光"], 13)
    return b


ARTICLES[12].append((a12p4(), "反光煞：玻璃幕墙反射强光入屋"))


def a12p5():
    b = plan(60, 20, 330, 210) + rect(63, 23, 324, 44, "#e8f4fb") + window(150, 20, 150)
    b += wall(60, 68, 180, 68) + wall(272, 68, 390, 68) + rect(180, 64, 92, 8, "#e8f4fb", WALL, 1) + line(180, 68, 272, 68, WALL, 0.8)
    b += door(210, 230, "bottom", 32) + room_label(110, 46, "阳台") + room_label(320, 84, "阳台门", 11)
    b += sofa(80, 110, 30, 90, "left") + table(124, 130, 40, 50) + tv(370, 110, 80, False)
    b += sight(226, 222, 226, 8, RED) + text(236, 150, "气流直进直出", 12, RED) + text(240, 246, "大门", 11, INK)
    b += note(420, 50, ["穿堂煞：", "大门、阳台门与窗户", "在一条直线上", "", "化解：", "玄关屏风或玄关柜", "直线上放大型绿植"], 13, gap=22)
    return b


ARTICLES[12].append((a12p5(), "穿堂煞：大门与窗户一线直通"))


def section_room(x, ceiling):
    b = rect(x, 50, 230, 170, "#fbf6ec") + line(x, 220, x + 230, 220, WALL, 3) + line(x, 50, x + 230, 50, WALL, 3)
    if ceiling:
        b += rect(x, 50, 230, 30, "#e9e1d2", "#b9ab94", 1) + line(x, 80, x + 230, 80, "#b9ab94", 1)
    else:
        b += rect(x + 80, 50, 40, 34, "#b9ab94", "#8a7e6a", 1)
    b += rect(x + 40, 180, 150, 24, "white", WOOD_EDGE, 1.2, 3) + rect(x + 30, 160, 10, 60, WOOD, WOOD_EDGE, 1) + rect(x + 40, 172, 150, 10, "#c9dbe9", rx=3)
    return b


def a12p6():
    b = panel(30, 30, 260, 200, "横梁压在床上", False) + section_room(45, False) + arrow(145, 88, 145, 166, RED, 1.6, "4,3")
    b += panel(310, 30, 260, 200, "吊顶包住横梁", True) + section_room(325, True)
    return b


ARTICLES[12].append((a12p6(), "横梁压顶：床和沙发上方忌有横梁"))


def a12p7():
    b = plan(40, 20, 380, 210) + door(200, 230, "bottom", 32)
    b += wall(40, 110, 170, 110) + wall(170, 20, 170, 110) + wall(290, 20, 290, 110) + wall(290, 110, 420, 110)
    b += door(120, 110, "bottom", 28) + door(320, 110, "bottom", 28)
    b += stove(70, 30) + room_label(110, 85, "厨房") + toilet(350, 30) + room_label(360, 85, "卫生间")
    b += sight(214, 220, 140, 118) + sight(218, 220, 330, 118)
    b += rect(110, 112, 40, 6, "#c9a978") + rect(320, 112, 40, 6, "#c9a978") + text(230, 150, "门帘", 12, GREEN, "middle")
    b += note(440, 60, ["开门见灶：钱财易耗", "开门见厕：秽气扑面", "", "化解：", "门随时关上", "门口挂门帘"], 13, gap=22)
    return b


ARTICLES[12].append((a12p7(), "开门见灶与开门见厕"))


def a12p8():
    b = rect(30, 20, 540, 210, "#eef2e6")
    b += path("M60,40 Q300,260 540,40", stroke="#9aa3ab", sw=26) + path("M60,40 Q300,260 540,40", stroke="#f4f4f0", sw=2, fill="none").replace('stroke-linecap="round"', 'stroke-linecap="round" stroke-dasharray="10,8"')
    b += house(270, 190, 60, 36)
    b += arrow(240, 150, 262, 178, RED, 2) + arrow(360, 150, 338, 178, RED, 2)
    b += "".join(potted(x, 228, 0.55) for x in (230, 370))
    b += text(300, 60, "镰刀煞（反弓煞）", 16, RED, "middle", "bold")
    b += text(300, 90, "弯道外侧对着住宅", 13, INK, "middle")
    b += note(420, 200, ["化解：种树、筑墙", "门窗挂厚窗帘"], 13, GREEN)
    return b


ARTICLES[12].append((a12p8(), "镰刀煞：弯道的外侧对着住宅"))

# 13 除夕家居风水摆设与新年运 -------------------------------------------------------------------


def a13p1():
    b = elevation_wall(40, 20, 520, 210)
    b += rect(80, 50, 110, 90, "#e2f1f8", "#8f7a5c", 3) + "".join(path(f"M{x},{y} l4,-8 l4,8 l-4,8 z", fill="white", stroke="#9cc3dc", sw=0.8) for x, y in [(110, 80), (150, 100), (130, 120)])
    b += path("M300,230 L330,120", stroke="#8a5a3a", sw=5) + path("M316,226 L344,226 L340,200 L320,200 Z", fill="#d9b56a", stroke="#8a6a2a", sw=1.2)
    b += "".join(line(318 + k * 4, 226, 312 + k * 5, 240, "#b58a3a", 1.5) for k in range(7))
    b += rect(380, 60, 80, 100, "white", "#c8372d", 2, 3) + rect(380, 60, 80, 22, "#c8372d") + text(420, 71, "腊月", 12, "white", "middle")
    b += text(420, 115, "廿四", 26, "#c8372d", "middle", "bold") + text(420, 146, "扫尘日", 12, INK, "middle")
    b += note(80, 180, ["除夕前扫净", "初一不扫地"], 13, GREEN)
    return b


ARTICLES[13] = [
    (a13p1(), "除夕之前大扫除，除旧迎新"),
]


def a13p2():
    b = elevation_wall(40, 20, 520, 210)
    b += rect(220, 28, 160, 26, "#c8372d", "#8a1f18", 1, 2) + text(300, 41, "安平季四", 14, "#f2cf58", "middle", "bold")
    b += text(392, 36, "横批自右向左读", 11, "#7a6a60") + arrow(474, 48, 392, 48, GREY, 1, head=6)
    b += front_door(240, 80, 120, 150, "#8a3a2a") + line(300, 80, 300, 230, "#5a2418", 1.5)
    b += fu(270, 140, 18) + fu(330, 140, 18)
    b += couplet(400, 70, 150, "春回大地百花艳") + couplet(200, 70, 150, "福满人间喜事多")
    b += note(430, 96, ["上联贴右", "末字“艳”仄声"], 12, gap=18) + arrow(428, 96, 416, 100, GREY, 1)
    b += note(170, 96, ["下联贴左", "末字“多”平声"], 12, anchor="end", gap=18) + arrow(172, 96, 186, 100, GREY, 1)
    return b


ARTICLES[13].append((a13p2(), "贴春联、贴福字"))


def kumquat(x, y, s=1.0):
    body = path("M-20,0 L-16,-26 L16,-26 L20,0 Z", fill="#c8372d", stroke="#8a1f18", sw=1.2) + text(0, -13, "吉", 11, GOLD, "middle", "bold")
    body += circle(0, -60, 34, "#4f8a45") + circle(-18, -70, 20, "#5d9c59") + circle(16, -74, 20, "#5d9c59")
    body += "".join(circle(cx, cy, 5, "#f4a21c", "#c07a10", 0.8) for cx, cy in [(-20, -60), (-6, -80), (12, -62), (24, -80), (0, -48), (-26, -82), (18, -44), (-12, -40)])
    return group(body, x, y, s)


def narcissus(x, y, s=1.0):
    body = ellipse(0, 0, 30, 10, "#d9e6ee", "#7fa6bf", 1.2)
    for dx, h in [(-12, 50), (-4, 64), (6, 58), (14, 44)]:
        body += path(f"M{dx},-2 Q{dx - 4},{-h / 2} {dx + 2},{-h}", stroke="#5d9c59", sw=3)
    body += "".join(flower(cx, cy, 8, "white") for cx, cy in [(-4, -64), (8, -56), (-14, -50)])
    return group(body, x, y, s)


def a13p3():
    b = elevation_wall(40, 20, 520, 210)
    b += kumquat(130, 228, 1.1) + kumquat(470, 228, 1.1)
    b += cabinet(240, 170, 120, 60) + narcissus(300, 166, 1.0)
    b += text(130, 60, "年桔", 13, INK, "middle") + text(470, 60, "年桔", 13, INK, "middle") + text(300, 70, "水仙", 13, INK, "middle")
    b += note(210, 40, ["桔谐音“吉”，成对摆放"], 13, GREEN)
    return b


ARTICLES[13].append((a13p3(), "客厅摆放年桔与水仙"))


def lantern(x, y, s=1.0):
    body = line(0, -30, 0, -20, GOLD, 2) + rect(-10, -22, 20, 5, GOLD) + ellipse(0, 0, 22, 20, "#d9362b", "#8a1f18", 1.2)
    body += path("M-10,-18 Q-16,0 -10,18 M10,-18 Q16,0 10,18 M0,-20 L0,20", stroke="#8a1f18", sw=0.8) + rect(-10, 17, 20, 5, GOLD) + "".join(line(dx, 22, dx, 34, GOLD, 1) for dx in (-4, 0, 4))
    return group(body, x, y, s)


def a13p4():
    b = rect(30, 20, 540, 210, "#263a5a")
    b += "".join(circle(x, y, 1.5, "white") for x, y in [(60, 40), (120, 70), (500, 50), (540, 90), (420, 34), (200, 40)])
    b += poly([(170, 110), (300, 50), (430, 110)], "#7a3322") + rect(180, 110, 240, 120, "#e9dcc0")
    for x in (195, 255, 355):
        for y in (125, 175):
            if x == 255 and y == 175:
                continue
            b += rect(x, y, 44, 34, "#ffd66b", "#8f7a5c", 1) + rect(x - 4, y - 4, 52, 42, "#ffe9a0", opacity=0.35)
    b += rect(280, 170, 40, 60, "#8a3a2a") + lantern(240, 120, 0.7) + lantern(360, 120, 0.7)
    b += text(100, 200, "除夕夜", 14, "#ffe9a0", "middle", "bold") + text(500, 200, "灯火通明", 14, "#ffe9a0", "middle", "bold")
    return b


ARTICLES[13].append((a13p4(), "除夕夜灯火通明，门口挂红灯笼"))


def a13p5():
    b = rect(60, 40, 480, 180, "#e6d6bc", WOOD_EDGE, 1.5, 12)
    cx, cy = 200, 130
    b += circle(cx, cy, 70, "#c8372d", "#8a1f18", 2) + circle(cx, cy, 26, "#e9b949", "#8a1f18", 1.2)
    for i in range(8):
        a = math.radians(i * 45)
        b += line(cx + 26 * math.cos(a), cy + 26 * math.sin(a), cx + 70 * math.cos(a), cy + 70 * math.sin(a), "#8a1f18", 1.2)
    for i, c in enumerate(["#f2cf58", "#e88a4a", "#9a6a3a", "#f0e6c8", "#d9486a", "#7fbf6a", "#e6c07a", "#b05a3a"]):
        a = math.radians(22.5 + i * 45)
        b += circle(cx + 48 * math.cos(a), cy + 48 * math.sin(a), 8, c)
    b += text(cx, cy, "全盒", 12, "#6a1a14", "middle", "bold")
    b += ellipse(400, 150, 90, 26, "#f4f1ea", GREY, 1.5)
    for x, y, c in [(360, 130, "#d9362b"), (390, 120, "#f4a21c"), (420, 128, "#d9362b"), (450, 134, "#f4a21c"), (375, 145, "#f4a21c"), (410, 146, "#d9362b"), (440, 150, "#f4a21c")]:
        b += circle(x, y, 14, c, "#8a3a1a", 0.8)
    b += text(400, 190, "苹果·平安　橘子·吉利", 12, INK, "middle")
    return b


ARTICLES[13].append((a13p5(), "茶几摆上全盒与满满的果盘"))

# 14 6种类型的住宅学会驱邪避凶 ------------------------------------------------------------------


def a14p1():
    b = panel(30, 30, 250, 190, "三角形住宅", False)
    b += poly([(60, 200), (250, 200), (155, 60)], ROOM, WALL, 5) + text(155, 170, "尖角难用", 12, RED, "middle")
    b += panel(320, 30, 250, 190, "用柜子把尖角填平", True)
    b += poly([(350, 200), (540, 200), (445, 60)], ROOM, WALL, 5)
    b += poly([(350, 200), (385, 200), (385, 148)], "#ddd3c2", WOOD_EDGE, 1) + poly([(540, 200), (505, 200), (505, 148)], "#ddd3c2", WOOD_EDGE, 1)
    b += poly([(445, 60), (420, 98), (470, 98)], "#ddd3c2", WOOD_EDGE, 1)
    b += rect(388, 100, 114, 96, "#e9f4e6", GREEN, 1.5, 2, dash="5,3") + text(445, 150, "方正活动区", 12, GREEN, "middle")
    return b


ARTICLES[14] = [
    (a14p1(), "形状不方正的住宅：填平尖角"),
]


def a14p2():
    b = panel(30, 30, 250, 190, "前窄后宽", True)
    b += poly([(115, 200), (195, 200), (250, 60), (60, 60)], ROOM, WALL, 4) + door(140, 200, "bottom", 30)
    b += text(155, 110, "口收腹宽，聚财", 12, GREEN, "middle")
    b += panel(320, 30, 250, 190, "前宽后窄", False)
    b += poly([(350, 200), (540, 200), (485, 60), (405, 60)], ROOM, WALL, 4) + door(430, 200, "bottom", 30)
    b += text(445, 110, "形如簸箕", 12, RED, "middle")
    return b


ARTICLES[14].append((a14p2(), "前窄后宽与前宽后窄"))


def a14p3():
    b = path("M180,30 L360,30 L360,230 L80,230 L80,110 L180,110 Z", fill=ROOM, stroke=WALL, sw=6)
    b += rect(80, 30, 100, 80, "none", RED, 2, dash="6,4") + text(130, 62, "缺角", 14, RED, "middle", "bold")
    b += text(130, 84, "西北（乾）", 11, "#8a8078", "middle")
    b += lamp(150, 134, 0.7) + potted(110, 170, 0.7)
    b += text(120, 214, "西南（坤）", 11, "#8a8078", "middle") + text(330, 48, "东北", 11, "#8a8078", "middle")
    b += text(330, 214, "东南", 11, "#8a8078", "middle") + north(385, 200)
    b += note(400, 50, ["缺西北：对男主人不利", "缺西南：对女主人不利", "", "补救：在缺角处", "常亮灯、大型绿植、镜子"], 13, gap=24)
    return b


ARTICLES[14].append((a14p3(), "缺角的住宅：以灯与绿植补足"))


def a14p4():
    b = rect(30, 20, 540, 210, "#e8f1f7")
    b += poly([(30, 120), (250, 120), (330, 170), (570, 170), (570, 230), (30, 230)], "#b9b0a0")
    b += rect(30, 112, 220, 10, "#6f6a60") + text(130, 100, "道路", 12, INK, "middle")
    b += poly([(364, 120), (420, 86), (476, 120)], "#b8553f", "#7a3322", 1.2) + rect(370, 120, 100, 50, "#efe1c6", "#8f7a5c", 1.2) + rect(410, 136, 20, 34, "#8a5a3a")
    b += path("M250,124 Q280,150 330,168", stroke=BLUE, sw=2, fill="none") + poly([(330, 168), (318, 168), (324, 160)], BLUE) + text(186, 146, "积水倒灌", 12, BLUE)
    b += rect(400, 166, 40, 6, "#6f6a60") + text(420, 190, "挡水门槛", 11, GREEN, "middle") + rect(340, 172, 40, 6, "#5b8aa6") + text(360, 200, "排水沟", 11, GREEN, "middle")
    return b


ARTICLES[14].append((a14p4(), "地势低于道路的住宅"))


def a14p5():
    b = rect(30, 20, 540, 210, "#eef2e6")
    b += rect(60, 60, 160, 150, "#f4f4f0", "#9aa3ab", 1.4) + rect(120, 80, 40, 40, "white", "#c8372d", 2)
    b += rect(134, 86, 12, 28, "#c8372d") + rect(126, 94, 28, 12, "#c8372d") + text(140, 150, "医院", 13, INK, "middle")
    b += arrow(230, 140, 360, 140, RED, 1.8, "6,4")
    b += rect(380, 80, 150, 130, "#efe1c6", "#8f7a5c", 1.4) + window(380, 110, 70, False)
    b += rect(386, 108, 14, 74, "#e6c3ca") + potted(420, 200, 0.8)
    b += text(480, 140, "窗帘、绿植", 12, GREEN, "middle")
    b += note(236, 52, ["阴气偏重的场所：", "医院、殡仪馆、", "寺庙、垃圾站"], 12)
    return b


ARTICLES[14].append((a14p5(), "门窗正对医院等场所的住宅"))


def a14p6():
    b = rect(40, 20, 340, 90, "#ecebe6") + rect(40, 20, 340, 90, "none", WALL, 2)
    b += rect(170, 24, 80, 60, "#c4ccd2", "#6c757d", 1.5) + line(210, 24, 210, 84, "#6c757d", 1.5) + text(120, 60, "电梯厅", 12, INK, "middle")
    b += plan(40, 130, 340, 100) + door(195, 130, "top", 30)
    b += sight(210, 86, 210, 150) + cross(240, 118, 9)
    b += screen(170, 190, 80) + text(210, 210, "玄关屏风", 12, GREEN, "middle") + rect(185, 104, 50, 14, "#b8553f", rx=2)
    b += note(400, 50, ["大门对电梯：开口煞", "大门对下行楼梯：", "家财顺梯外流", "", "化解：", "门内设玄关屏风或柜", "门口铺地垫，常关大门"], 13, gap=22)
    return b


ARTICLES[14].append((a14p6(), "大门正对电梯或楼梯"))
