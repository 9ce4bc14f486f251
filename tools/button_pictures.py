"""The small pictures beside the captions of the options window's buttons, designed on a 16 x 16
grid and drawn at the sizes of 96, 120, 144 and 192 DPI (16, 20, 24 and 32 pixels).

    tick     "Minimize"    a green tick
    door     "&Quit"       a door with an arrow pointing out
    info     "Abo&ut"      a white "i" on a blue disc
    help     "&Help"       a white "?" on a blue disc
    add      "&Add"        a green plus
    delete   "&Delete"     a red cross
    modify   "&Modify"     a pencil

Each is drawn as a set of pixels; a shape's border pixels take its darker colour. At a larger
size a shape is drawn anew at every pixel, and the letters of a grid cover the pixels whose
centres fall in their cells.
"""

from ico_file import ico_file

SIZE = 16  # the design grid
SIZES = (16, 20, 24, 32)
CLEAR = (0, 0, 0, 0)
COLOURS = {
    "k": (64, 64, 64), "x": (32, 32, 32), "w": (255, 255, 255), "s": (190, 190, 190),
    "g": (40, 170, 40), "G": (20, 105, 20), "r": (225, 45, 45), "R": (140, 20, 20),
    "b": (45, 105, 215), "B": (20, 50, 140), "y": (245, 200, 50), "Y": (175, 125, 20),
    "o": (175, 115, 60), "O": (105, 60, 25), "e": (240, 210, 160), "p": (240, 150, 165),
}


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def paint(image, inside, fill, edge=None):
    """Paints the pixels whose centres inside() accepts; with edge, those next to an outside
    pixel take the edge colour."""
    size = len(image)
    scale = size / SIZE

    def hit(x, y):
        return 0 <= x < size and 0 <= y < size and inside((x + 0.5) / scale, (y + 0.5) / scale)
    for y in range(size):
        for x in range(size):
            if hit(x, y):
                border = edge and not all(hit(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                image[y][x] = COLOURS[edge if border else fill] + (255,)
    return image


def overlay(image, rows):
    """Paints the letters of rows ("." leaves the pixel as it is)."""
    assert len(rows) == SIZE and all(len(line) == SIZE for line in rows), rows
    size = len(image)
    for y in range(size):
        for x in range(size):
            c = rows[(2 * y + 1) * SIZE // (2 * size)][(2 * x + 1) * SIZE // (2 * size)]
            if c != ".":
                image[y][x] = COLOURS[c] + (255,)
    return image


TICK = [
    "................",
    "................",
    "..............G.",
    ".............Gg.",
    "............Ggg.",
    "...........Gggg.",
    "..G.......Gggg..",
    ".Gg......Gggg...",
    "Gggg....Gggg....",
    ".gggg..Gggg.....",
    "..ggggGggg......",
    "...ggggggg......",
    "....ggggg.......",
    ".....ggg........",
    "......g.........",
    "................",
]

DOOR = [
    "................",
    ".kkkkkkkkk......",
    ".kOOOOOOOk......",
    ".kOoooooOk......",
    ".kOoOOOoOk......",
    ".kOoOoOoOk...g..",
    ".kOoOOOoOk...gg.",
    ".kOooooyOkgggggg",
    ".kOoooooOk...gg.",
    ".kOoOOOoOk...g..",
    ".kOoOoOoOk......",
    ".kOoOOOoOk......",
    ".kOoooooOk......",
    ".kOOOOOOOk......",
    ".kkkkkkkkk......",
    "................",
]

LETTER_I = [
    "................",
    "................",
    "................",
    ".......ww.......",
    ".......ww.......",
    "................",
    "......www.......",
    ".......ww.......",
    ".......ww.......",
    ".......ww.......",
    ".......ww.......",
    ".......ww.......",
    "......wwww......",
    "................",
    "................",
    "................",
]

QUESTION_MARK = [
    "................",
    "................",
    "................",
    "......wwww......",
    ".....ww..ww.....",
    ".........ww.....",
    "........ww......",
    ".......ww.......",
    ".......ww.......",
    "................",
    ".......ww.......",
    ".......ww.......",
    "................",
    "................",
    "................",
    "................",
]


def disc(x, y):
    return (x - 8) ** 2 + (y - 8) ** 2 <= 7.2 ** 2


def plus(x, y):
    return (6 <= x <= 10 and 2 <= y <= 14) or (2 <= x <= 14 and 6 <= y <= 10)


def cross(x, y):
    return 2 <= x <= 14 and 2 <= y <= 14 and (abs(x - y) <= 2.2 or abs(x + y - 16) <= 2.2)


# The pencil lies from the bottom left (its point) to the top right (its eraser): along its
# axis x - y runs from -11 to 11, across it x + y - 16 is 0 on the axis.
PENCIL_WIDTH = 2.6


def pencil_part(low, high):
    return lambda x, y: low <= x - y <= high and abs(x + y - 16) <= PENCIL_WIDTH


def point(x, y):
    return -11 <= x - y <= -5 and abs(x + y - 16) <= PENCIL_WIDTH * (x - y + 11) / 6


def modify(size):
    image = canvas(size)
    paint(image, point, "e")
    paint(image, lambda x, y: -11 <= x - y <= -9 and abs(x + y - 16) <= 0.8, "x")
    paint(image, pencil_part(-5, 6), "y", "Y")
    paint(image, pencil_part(6, 8), "s")
    paint(image, pencil_part(8, 11), "p")
    return image


def button_pictures(plain=False):
    """The .ico files under res/buttons/, by their name there (PNG-compressed unless plain)."""
    pictures = {
        "tick": lambda size: overlay(canvas(size), TICK),
        "door": lambda size: overlay(canvas(size), DOOR),
        "info": lambda size: overlay(paint(canvas(size), disc, "b", "B"), LETTER_I),
        "help": lambda size: overlay(paint(canvas(size), disc, "b", "B"), QUESTION_MARK),
        "add": lambda size: paint(canvas(size), plus, "g", "G"),
        "delete": lambda size: paint(canvas(size), cross, "r", "R"),
        "modify": modify,
    }
    return {f"buttons/{name}.ico": ico_file([draw(size) for size in SIZES], plain)
            for name, draw in pictures.items()}
