"""Pictures of picture articles 1 to 7: each page's drawing and caption, the source of
<num>/<page>.svg (see make_pages.py; the page texts are the <num>/<page>.txt files)."""

from draw import (
    BLUE, GREEN, GREY, INK, LEAF, PINK, RED, WALL, WOOD, WOOD_EDGE, arrow, badge, bamboo, bed, cabinet,
    check, circle, compass_ring, cross, crystal_ball, desk, door, ellipse, fish_tank, flower, lamp,
    line, mirror, money_tree, north, note, painting, path, plant, poly, potted, rect, room_label, rug,
    sight, sink, sofa, stove, swatch, table, text, toilet, vase, wall, window,
)
from scenes import (
    NINE, bedroom, bin_, carton, cloud_sun, corner_view, elevation_wall, floor_lamp, folding_screen,
    front_door, grid9, living_room, panel, plan, room_view, view_window, zodiac_wheel,
)

ARTICLES = {}

# 1 旺夫家居风水设计 ------------------------------------------------------------------------------


def a1p1():
    b = grid9(60, 20, 210, NINE, highlight=6)
    b += rect(62, 162, 66, 66, "#f8d9df") + text(95, 176, "西南·主卧", 11, RED, "middle", "bold")
    b += bed(72, 190, 46, 34, "left", "#f2c4cc")
    b += north(40, 40)
    b += note(300, 40, ["后天八卦：西南为坤卦", "代表家中的女主人", "", "西南方五行属土，宜放：", "· 陶瓷花瓶", "· 黄水晶摆件"], 13)
    b += crystal_ball(540, 120, 22, "#f3dc8a") + vase(470, 150, 0.9)
    b += note(300, 192, ["忌：厕所、厨房、杂物"], 13, RED)
    return b


ARTICLES[1] = [
    (a1p1(), "主卧宜设在住宅的西南方（坤位）"),
]


def a1p2():
    b = panel(30, 30, 250, 190, "床头靠实墙", True)
    b += bedroom(50, 50, 210, 150) + bed(115, 54, 80, 100, "top", "#f2c4cc")
    b += text(155, 175, "床头有靠", 12, GREEN, "middle")
    b += panel(320, 30, 250, 190, "床尾正对房门", False)
    b += plan(340, 50, 210, 150) + door(430, 200, "bottom", 30) + bed(405, 54, 80, 100, "top", "#f2c4cc")
    b += sight(445, 196, 445, 160)
    return b


ARTICLES[1].append((a1p2(), "床头靠实墙，床尾不冲房门"))


def a1p3():
    b = panel(30, 30, 250, 190, "镜子正对床铺", False)
    b += bedroom(50, 50, 210, 150) + bed(60, 80, 100, 80, "left", "#f2c4cc") + mirror(250, 85, 60, False)
    b += sight(244, 115, 165, 120)
    b += panel(320, 30, 250, 190, "镜子装在衣柜门内侧", True)
    b += bedroom(340, 50, 210, 150) + bed(350, 80, 100, 80, "left", "#f2c4cc")
    b += cabinet(470, 56, 74, 24, "衣柜") + mirror(480, 86, 54, True) + text(507, 100, "镜在门内", 11, GREEN, "middle")
    return b


ARTICLES[1].append((a1p3(), "卧室的镜子不宜正对床铺"))


def a1p4():
    b, corner = living_room(60, 20, 300, 210)
    b += cabinet(150, 196, 120, 16) + vase(185, 190, 0.35) + vase(235, 190, 0.35)
    b += note(390, 60, ["沙发背靠实墙：有靠山", "茶几低于沙发、形状圆润", "边柜上摆一对成双的饰物", "客厅光线充足明亮"], 13, gap=26)
    b += check(380, 60, 8) + check(380, 86, 8) + check(380, 112, 8) + check(380, 138, 8)
    b += lamp(500, 200, 1.0)
    return b


ARTICLES[1].append((a1p4(), "沙发靠墙有靠山，饰物成双成对"))

# 2 家居风水与姻缘 ------------------------------------------------------------------------------


def a2p1():
    labels = ["北", "东北", "东", "东南", "南", "西南", "西", "西北"]
    fills = ["#f8d0d8", "#f3ede2", "#f8d0d8", "#f3ede2", "#f8d0d8", "#f3ede2", "#f8d0d8", "#f3ede2"]
    b = compass_ring(150, 122, 100, labels, fills, -90, 13, "#b9ab94", 0.45) + circle(150, 122, 45, "#fffdf8", "#b9ab94", 1)
    b += text(150, 115, "桃花位", 13, RED, "middle", "bold") + text(150, 133, "四正方", 11, INK, "middle")
    rows = [("属猴、鼠、龙", "正西"), ("属虎、马、狗", "正东"), ("属蛇、鸡、牛", "正南"), ("属兔、羊、猪", "正北")]
    for i, (who, where) in enumerate(rows):
        y = 50 + i * 44
        b += rect(300, y - 16, 270, 32, "#fdf1f3" if i % 2 == 0 else "#fffdf8", "#e6c3ca", 1, 4)
        b += text(318, y, who, 14) + text(470, y, "桃花位在", 12, "#7a6a60") + text(545, y, where, 14, RED, "middle", "bold")
    return b


ARTICLES[2] = [
    (a2p1(), "依出生年的生肖找出桃花位"),
]


def side_bed(x, y, clutter):
    b = rect(x, y, 180, 20, "white", WOOD_EDGE, 1.2, 3) + rect(x, y - 10, 180, 12, "#f2c4cc", "none", 0, 4)
    b += rect(x - 6, y - 40, 8, 90, WOOD, WOOD_EDGE, 1) + rect(x + 4, y + 20, 8, 30, WOOD) + rect(x + 168, y + 20, 8, 30, WOOD)
    b += line(x - 20, y + 50, x + 200, y + 50, WALL, 2)
    if clutter:
        b += rect(x + 20, y + 28, 40, 22, "#c9a978", "#7d6341", 1) + rect(x + 64, y + 34, 30, 16, "#b0b8c0", "#6c757d", 1) + rect(x + 100, y + 24, 46, 26, "#c9a978", "#7d6341", 1) + rect(x + 40, y + 22, 22, 8, "#9a7d5a")
    return b


def a2p2():
    b = panel(30, 40, 255, 180, "床下堆满杂物", False) + side_bed(66, 110, True)
    b += panel(315, 40, 255, 180, "床下空净通风", True) + side_bed(351, 110, False)
    b += arrow(390, 146, 480, 146, BLUE, 1.5, "5,4") + text(440, 176, "通风、易打扫", 12, GREEN, "middle")
    return b


ARTICLES[2].append((a2p2(), "床下保持空净，不堆杂物"))


def a2p3():
    b = bedroom(130, 20, 340, 210)
    b += bed(235, 24, 130, 140, "top", "#f2c4cc")
    b += cabinet(195, 26, 34, 30) + cabinet(371, 26, 34, 30)
    b += lamp(212, 40, 0.6) + lamp(388, 40, 0.6)
    b += arrow(200, 120, 228, 120, GREEN, 1.5) + arrow(400, 120, 372, 120, GREEN, 1.5)
    b += text(175, 140, "两侧留走道", 11, GREEN, "middle") + text(425, 140, "两侧留走道", 11, GREEN, "middle")
    b += note(480, 60, ["两个枕头", "两盏台灯", "两张床头柜"], 13, gap=24)
    return b


ARTICLES[2].append((a2p3(), "成双成对的摆设寓意好姻缘"))


def a2p4():
    b = panel(60, 30, 220, 190, "鲜花：常换清水", True) + vase(170, 140, 1.4)
    b += panel(320, 30, 220, 190, "枯花、假花", False) + vase(430, 140, 1.4, fresh=False)
    return b


ARTICLES[2].append((a2p4(), "桃花位插鲜花，忌用枯花假花"))

# 3 桃花盛开制胜秘笈 ----------------------------------------------------------------------------


def a3p1():
    b = plan(40, 20, 300, 210) + door(250, 230, "bottom", 32) + window(150, 20, 90)
    b += rect(42, 22, 70, 206, "#f8d9df", opacity=0.7) + text(77, 36, "正西", 12, RED, "middle", "bold")
    b += vase(77, 120, 0.8) + sofa(130, 150, 120, 30, "bottom") + table(160, 110, 60, 28, True)
    b += north(320, 44)
    b += note(370, 50, ["例：属鼠的人，桃花位在正西", "", "圆口花瓶，清水七分满", "插三枝或五枝鲜花", "粉红、淡紫、白色花瓶"], 13, gap=24)
    return b


ARTICLES[3] = [
    (a3p1(), "在桃花位摆放清水花瓶"),
]


def a3p2():
    b = text(150, 30, "宜：柔和温暖", 14, GREEN, "middle", "bold")
    for i, (c, n) in enumerate([("#f6c9d0", "粉红"), ("#f5efe3", "米白"), ("#f3d9bf", "浅杏"), ("#dccdea", "淡紫")]):
        b += swatch(40 + i * 58, 60, c, n)
    b += text(450, 30, "忌：大面积刺激或压抑", 14, RED, "middle", "bold")
    for i, (c, n) in enumerate([("#c4161c", "大红"), ("#2a2a2a", "深黑"), ("#5a5f66", "深灰")]):
        b += swatch(370 + i * 58, 60, c, n)
    b += check(40, 140, 9) + text(56, 140, "灯光用暖黄色，亮度适中", 13)
    b += lamp(120, 200, 1.2) + bed(180, 170, 120, 50, "left", "#f6c9d0")
    b += cross(370, 140, 9) + text(386, 140, "冷白强光、彩色闪灯", 13)
    return b


ARTICLES[3].append((a3p2(), "卧室用柔和的暖色调"))


def a3p3():
    b = elevation_wall(30, 20, 540, 210)
    b += front_door(70, 110, 66, 120)
    b += circle(230, 50, 24, "#fff1b8", opacity=0.9) + rect(222, 24, 16, 12, "#e8d9b0", "#a8894a", 1) + text(230, 82, "常亮小灯", 11, "#8a6a20", "middle")
    b += cabinet(180, 160, 110, 70, "鞋柜") + plant(205, 150, 12) + vase(260, 118, 0.5)
    b += line(170, 130, 300, 130, RED, 1, "4,3") + text(305, 130, "不高于肩", 11, RED)
    b += note(390, 70, ["玄关明亮", "鞋子收进鞋柜", "柜面摆绿植或鲜花", "门口不堆杂物"], 13, gap=26)
    b += check(378, 70, 8) + check(378, 96, 8) + check(378, 122, 8) + check(378, 148, 8)
    return b


ARTICLES[3].append((a3p3(), "玄关明亮，鞋柜整洁"))

# 4 家居风水与桃花运 ----------------------------------------------------------------------------


def a4p1():
    b = panel(30, 30, 300, 190, "过大而空旷", False)
    b += plan(50, 50, 260, 150) + bed(70, 60, 50, 60, "top", "#f2c4cc")
    b += text(200, 140, "冷清、气不聚", 12, "#8a8078", "middle")
    b += panel(360, 30, 210, 190, "紧凑温馨", True)
    b += bedroom(385, 50, 160, 150) + bed(420, 54, 80, 90, "top", "#f2c4cc") + cabinet(505, 56, 34, 60, "衣柜") + rug(420, 150, 80, 22)
    b += text(465, 214, "十到二十平方米", 11, GREEN, "middle")
    return b


ARTICLES[4] = [
    (a4p1(), "卧室宜小不宜大"),
]


def a4p2():
    b = panel(30, 30, 250, 190, "床头靠窗", False)
    b += bedroom(50, 50, 210, 150) + window(110, 50, 90) + bed(115, 54, 80, 100, "top", "#f2c4cc")
    b += arrow(140, 30, 140, 70, BLUE, 1.5, "4,3") + arrow(170, 30, 170, 70, BLUE, 1.5, "4,3")
    b += panel(320, 30, 250, 190, "床头靠实墙", True)
    b += bedroom(340, 50, 210, 150) + window(380, 200, 60) + bed(350, 70, 100, 80, "left", "#f2c4cc")
    b += text(410, 186, "窗帘厚实", 11, GREEN, "middle")
    return b


ARTICLES[4].append((a4p2(), "床头不宜紧靠窗户"))


def a4p3():
    b = bedroom(60, 20, 300, 210) + bed(140, 24, 110, 120, "top", "#f2c4cc")
    b += fish_tank(70, 170, 70, 34) + cross(105, 160, 9)
    b += plant(290, 60, 14) + plant(320, 90, 14) + plant(300, 130, 14) + cross(330, 50, 9)
    b += note(390, 50, ["卧室不宜：", "· 鱼缸（水气重、有声响）", "· 过多的绿植", "· 带刺的仙人掌"], 13, RED, gap=26)
    b += note(390, 170, ["可放一两盆叶片圆润的小植物"], 13, GREEN)
    b += plant(420, 210, 10)
    return b


ARTICLES[4].append((a4p3(), "卧室不宜摆放鱼缸和过多植物"))


def a4p4():
    b = plan(40, 20, 380, 210)
    b += wall(40, 110, 420, 110) + wall(40, 150, 420, 150)
    b += rect(42, 112, 376, 36, "#f1ebe0")
    b += room_label(230, 130, "走廊")
    b += door(150, 110, "bottom", 30) + room_label(200, 60, "卧室") + bed(70, 26, 60, 70, "top", "#f2c4cc")
    b += door(150, 150, "top", 30) + room_label(130, 190, "卫生间") + toilet(80, 165)
    b += sight(165, 165, 165, 100) + cross(195, 130, 9)
    b += note(440, 60, ["化解：", "· 卫生间门随手关上", "· 门口挂布帘", "· 卧室门内放阔叶植物"], 13, gap=26)
    return b


ARTICLES[4].append((a4p4(), "卫生间门不宜正对卧室门"))

# 5 风水秘籍钓"金龟婿" --------------------------------------------------------------------------


def a5p1():
    b = panel(30, 30, 250, 190, "西南角堆放旧物", False) + corner_view(42, 44, 226, 164)
    b += carton(70, 150, 44, 34) + carton(78, 120, 36, 30) + carton(118, 160, 30, 24) + bin_(200, 188)
    b += rect(42, 44, 226, 164, "#4a5560", opacity=0.12)
    b += panel(320, 30, 250, 190, "西南角明亮温暖", True) + corner_view(332, 44, 226, 164)
    b += floor_lamp(372, 186, 0.95) + cabinet(412, 160, 56, 28) + vase(428, 146, 0.45) + crystal_ball(454, 146, 9, "#f3dc8a")
    b += text(500, 190, "陶瓷、黄水晶", 11, GREEN, "middle") + text(372, 206, "暖黄落地灯", 11, GREEN, "middle")
    return b


ARTICLES[5] = [
    (a5p1(), "保持西南坤位整洁明亮"),
]


def a5p2():
    b = elevation_wall(60, 20, 480, 210)
    b += painting(230, 36, 140, 80, "peony")
    b += rect(180, 150, 240, 56, "white", WOOD_EDGE, 1.2, 4) + rect(176, 124, 248, 30, WOOD, WOOD_EDGE, 1.2, 6) + rect(180, 170, 240, 36, "#f2a7b2", "none", 0, 3)
    b += rect(200, 140, 60, 18, "#fbf3f0", GREY, 1, 6) + rect(340, 140, 60, 18, "#fbf3f0", GREY, 1, 6)
    b += cabinet(110, 170, 50, 60) + cabinet(440, 170, 50, 60) + lamp(135, 160, 0.6) + lamp(465, 160, 0.6)
    b += note(400, 50, ["宜：牡丹、鸳鸯、喜鹊"], 12, GREEN) + note(400, 72, ["忌：猛兽、孤鸟、枯树"], 12, RED)
    return b


ARTICLES[5].append((a5p2(), "床头挂上喜庆的装饰画"))


def a5p3():
    b = panel(30, 30, 250, 190, "镜子对着房门", False)
    b += bedroom(50, 50, 210, 150) + bed(60, 60, 90, 70, "left", "#f2c4cc")
    b += cabinet(200, 90, 50, 24, "梳妆台") + mirror(225, 120, 40, True) + sight(225, 126, 228, 190)
    b += panel(320, 30, 250, 190, "镜子朝向墙角", True)
    b += bedroom(340, 50, 210, 150) + bed(350, 60, 90, 70, "left", "#f2c4cc")
    b += cabinet(490, 56, 54, 24, "梳妆台") + mirror(497, 84, 40, True)
    return b


ARTICLES[5].append((a5p3(), "梳妆镜不对床也不对门"))


def a5p4():
    b = elevation_wall(60, 20, 480, 210)
    b += rect(170, 40, 260, 140, "#dff0f8", "#8f7a5c", 4) + line(300, 40, 300, 180, "#8f7a5c", 3)
    b += cloud_sun(370, 80)
    b += rect(140, 30, 30, 160, "#f3c9d0", "#d99aa8", 1) + rect(430, 30, 30, 160, "#f3c9d0", "#d99aa8", 1)
    b += rect(160, 180, 280, 10, WOOD, WOOD_EDGE, 1)
    for x in (200, 260, 340, 400):
        b += path(f"M{x - 14},{180} L{x - 10},{160} L{x + 10},{160} L{x + 14},{180} Z", fill="#c9805a", stroke="#8a5030", sw=1)
        b += flower(x - 6, 148, 7, PINK) + flower(x + 7, 142, 6, "#e27a87") + ellipse(x, 156, 10, 4, LEAF)
    b += arrow(250, 60, 230, 110, "#f6c84a", 2) + arrow(330, 60, 310, 110, "#f6c84a", 2)
    return b


ARTICLES[5].append((a5p4(), "窗台摆放粉色花卉，清晨拉开窗帘"))

# 6 十二星座卧室桃花运大揭密 --------------------------------------------------------------------


def zodiac_page(highlight, element, colors, items):
    b = zodiac_wheel(140, 122, 104, highlight)
    b += text(140, 114, element, 16, INK, "middle", "bold") + text(140, 134, "星座", 12, INK, "middle")
    b += text(300, 36, "卧室宜用的颜色", 13, INK, "start", "bold")
    for i, (c, n) in enumerate(colors):
        b += swatch(300 + i * 62, 52, c, n, 52, 34)
    b += text(300, 130, "宜摆放", 13, INK, "start", "bold")
    return b + items


ARTICLES[6] = [
    (zodiac_page([0, 4, 8], "火象", [("#ef7f6a", "珊瑚红"), ("#f0a04b", "橙色"), ("#f2c94c", "金黄")],
                 lamp(340, 200, 1.1) + text(340, 236, "暖光台灯", 11, INK, "middle")
                 + rect(430, 186, 22, 30, "#f7e7c6", "#a8894a", 1, 3) + path("M441,186 Q446,176 441,168 Q436,178 441,186", fill="#f0a04b", stroke="none")
                 + text(441, 236, "香薰蜡烛", 11, INK, "middle")),
     "火象星座：白羊、狮子、射手"),
    (zodiac_page([1, 5, 9], "土象", [("#e9dcc3", "米色"), ("#9b7653", "咖啡"), ("#8a9a5b", "橄榄绿")],
                 vase(340, 180, 0.8) + text(340, 236, "陶瓷花瓶", 11, INK, "middle")
                 + potted(450, 222, 0.9) + text(450, 236, "圆叶绿植", 11, INK, "middle")),
     "土象星座：金牛、处女、摩羯"),
    (zodiac_page([2, 6, 10], "风象", [("#9cc9ea", "天蓝"), ("#cdbde6", "浅紫"), ("#e6e9ee", "银白")],
                 view_window(318, 160, 44, 50) + path("M316,156 Q326,184 320,214 L316,214 Z", fill="#cdbde6", stroke="#9a88c0", sw=0.8)
                 + path("M364,156 Q354,184 360,214 L364,214 Z", fill="#cdbde6", stroke="#9a88c0", sw=0.8)
                 + line(312, 156, 368, 156, "#8a7a5c", 2) + text(340, 236, "透光纱帘", 11, INK, "middle")
                 + rect(425, 190, 40, 8, "#7d9ab5") + rect(428, 182, 34, 8, "#c4a07a") + rect(430, 174, 30, 8, "#9cc9ea") + text(445, 236, "喜爱的书", 11, INK, "middle")),
     "风象星座：双子、天秤、水瓶"),
    (zodiac_page([3, 7, 11], "水象", [("#4f86b8", "海蓝"), ("#f4c7d0", "浅粉"), ("#ffffff", "纯白")],
                 crystal_ball(340, 190, 18, "#f4b8c6") + text(340, 236, "粉水晶", 11, INK, "middle")
                 + painting(420, 170, 60, 44, "water") + text(450, 236, "海景画", 11, INK, "middle")),
     "水象星座：巨蟹、天蝎、双鱼"),
]

# 7 家居风水开运方法 ----------------------------------------------------------------------------


def a7p1():
    b = panel(30, 30, 250, 190, "干净明亮", True)
    b += front_door(120, 100, 66, 118) + circle(100, 80, 14, "#fff1b8") + rect(94, 66, 12, 10, "#e8d9b0") + rect(110, 214, 86, 6, "#b8553f", rx=2)
    b += plant(70, 200, 14) + plant(230, 200, 14)
    b += panel(320, 30, 250, 190, "杂物堆在门前", False)
    b += front_door(410, 100, 66, 118, "#7a6a5a")
    b += rect(350, 186, 40, 32, "#c9a978", "#7d6341", 1) + rect(486, 196, 50, 22, "#c9a978", "#7d6341", 1) + rect(395, 206, 20, 12, "#555") + rect(420, 210, 24, 8, "#6a4a3a")
    b += rect(500, 170, 26, 26, "#7f8a8f", "#4d565b", 1)
    return b


ARTICLES[7] = [
    (a7p1(), "大门干净明亮，门前不堆杂物"),
]


def a7p2():
    b = panel(30, 30, 250, 190, "一进门直见窗", False)
    room, (fx, fy, fw, fh) = room_view(42, 44, 226, 164)
    b += room + view_window(fx + 14, fy + 12, fw - 28, fh - 30)
    b += sight(155, 204, 155, fy + fh - 12, RED) + text(200, 180, "气直进直出", 11, RED, "middle")
    b += panel(320, 30, 250, 190, "玄关设屏风", True)
    room, (fx, fy, fw, fh) = room_view(332, 44, 226, 164)
    b += room + view_window(fx + 14, fy + 12, fw - 28, fh - 30)
    b += folding_screen(385, 196, 30, 78) + potted(522, 200, 0.9)
    b += path("M445,212 Q376,212 371,168 Q368,124 414,114", stroke=GREEN, sw=1.8)
    b += poly([(424, 112), (413, 109), (415, 119)], GREEN) + text(510, 110, "气流回旋", 11, GREEN, "middle")
    return b


ARTICLES[7].append((a7p2(), "开门见窗是穿堂煞，玄关屏风来化解"))


def a7p3():
    b = plan(40, 20, 380, 210)
    b += rect(43, 23, 200, 204, "#fdf3e3") + rect(246, 23, 171, 204, "#eaf2f7")
    b += wall(245, 20, 245, 230) + wall(245, 125, 420, 125)
    b += door(120, 230, "bottom", 32) + door(245, 60, "left", 26, "#fdf3e3") + door(245, 160, "left", 26, "#fdf3e3")
    b += sofa(80, 30, 120, 28, "top") + table(110, 70, 60, 26) + table(70, 140, 70, 44, True) + text(105, 162, "餐桌", 10, "#6b6258", "middle")
    b += bed(330, 28, 70, 80, "top") + desk(320, 140, 80, 36) + room_label(290, 80, "卧室") + room_label(290, 190, "书房")
    b += badge(140, 205, "动区·近门", "#d98a3a") + badge(330, 112, "静区·深处", BLUE)
    b += note(440, 60, ["客厅、餐厅、厨房", "靠近大门", "", "卧室、书房", "设在住宅深处"], 13, gap=22)
    return b


ARTICLES[7].append((a7p3(), "动静分区：客厅在前，卧室在后"))


def a7p4():
    b = panel(30, 30, 250, 190, "灶台正对水槽", False)
    b += plan(50, 50, 210, 150) + door(200, 200, "bottom", 30)
    b += rect(54, 54, 202, 30, "#e4e7ea") + rect(54, 140, 150, 30, "#e4e7ea") + stove(80, 55) + sink(80, 142)
    b += arrow(102, 88, 102, 136, RED, 1.5, "4,3") + text(140, 112, "水火相冲", 12, RED)
    b += panel(320, 30, 250, 190, "并排，中间留台面", True)
    b += plan(340, 50, 210, 150) + door(490, 200, "bottom", 30)
    b += rect(344, 54, 202, 30, "#e4e7ea") + stove(350, 55) + sink(470, 56) + text(440, 70, "台面", 11, "#6b6258", "middle")
    b += text(445, 130, "灶台背靠实墙", 12, GREEN, "middle")
    return b


ARTICLES[7].append((a7p4(), "灶台与水槽不宜正对"))


def a7p5():
    b = elevation_wall(40, 20, 520, 210)
    b += rect(80, 40, 440, 110, "#e2f1f8", "#8f7a5c", 3) + cloud_sun(450, 80)
    b += rect(60, 180, 480, 10, "#b9b0a0") + "".join(line(x, 150, x, 180, "#8f7a5c", 3) for x in range(70, 540, 24)) + line(60, 150, 540, 150, "#8f7a5c", 4)
    b += money_tree(140, 126, 0.9) + bamboo(250, 140, 0.85) + potted(340, 180, 1.0) + vase(420, 150, 0.7)
    b += text(140, 206, "发财树", 11, INK, "middle") + text(250, 206, "富贵竹", 11, INK, "middle") + text(340, 206, "金钱树", 11, INK, "middle") + text(420, 206, "开花盆栽", 11, INK, "middle")
    return b


ARTICLES[7].append((a7p5(), "阳台摆放绿植，纳气迎福"))
