"""The small pictures beside the captions of the options window's buttons, 16 x 16.

    tick     "Minimize"    a green tick
    door     "&Quit"       a door with an arrow pointing out
    info     "Abo&ut"      a white "i" on a blue disc
    help     "&Help"       a white "?" on a blue disc
    add      "&Add"        a green plus
    delete   "&Delete"     a red cross
    modify   "&Modify"     a pencil

Each is drawn as a set of pixels; a shape's border pixels take its darker colour.
"""

from ico_file import ico_file

SIZE = 16
CLEAR = (0, 0, 0, 0)
COLOURS = {
    "k": (64, 64, 64), "x": (32, 32, 32), "w": (255, 255, 255), "s": (190, 190, 190),
    "g": (40, 170, 40), "G": (20, 105, 20), "r": (225, 45, 45), "R": (140, 20, 20),
    "b": (45, 105, 215), "B": (20, 50, 140), "y": (245, 200, 50), "Y": (175, 125, 20),
    "o": (175, 115, 60), "O": (105, 60, 25), "e": (240, 210, 160), "p": (240, 150, 165),
}


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def paint(image, inside, fill, edge=None):
    """Paints the pixels whose centres inside() accepts; with edge, those next to an outside
    pixel take the edge colour."""
    def hit(x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE and inside(x + 0.5, y + 0.5)
    for y in range(SIZE):
        for x in range(SIZE):
            if hit(x, y):
                border = edge and not all(hit(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                image[y][x] = COLOURS[edge if border else fill] + (255,)
    return image


def overlay(image, rows):
    """Paints the letters of rows ("." leaves the pixel as it is)."""
    for y, line in enumerate(rows):
        assert len(line) == SIZE, line
        for x, c in enumerate(line):
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


def modify():
    image = canvas()
    paint(image, point, "e")
    paint(image, lambda x, y: -11 <= x - y <= -9 and abs(x + y - 16) <= 0.8, "x")
    paint(image, pencil_part(-5, 6), "y", "Y")
    paint(image, pencil_part(6, 8), "s")
    paint(image, pencil_part(8, 11), "p")
    return image


def button_pictures():
    """The .ico files under res/buttons/, by their name there."""
    pictures = {
        "tick": overlay(canvas(), TICK),
        "door": overlay(canvas(), DOOR),
        "info": overlay(paint(canvas(), disc, "b", "B"), LETTER_I),
        "help": overlay(paint(canvas(), disc, "b", "B"), QUESTION_MARK),
        "add": paint(canvas(), plus, "g", "G"),
        "delete": paint(canvas(), cross, "r", "R"),
        "modify": modify(),
    }
    return {f"buttons/{name}.ico": ico_file([rgba]) for name, rgba in pictures.items()}
