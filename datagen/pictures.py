"""Room backdrops (263 x 240, 256 colours) and the program icon, drawn pixel by pixel."""
import struct

W, H = 263, 240
HEAD_X, HEAD_Y = 130, 116
FLOOR = (192, 192, 192)
WALL = (134, 134, 134)
WALL_EDGE = (96, 96, 96)
GRID = (4, 4, 4)
SKIN = (236, 188, 150)
HAIR = (70, 44, 24)
NOSE = (214, 160, 124)

PALETTE = [FLOOR, WALL, WALL_EDGE, GRID, SKIN, HAIR, NOSE]
INSET_X, INSET_Y = 22, 20  # depth of the walls drawn in perspective

# resource id -> (grid spacing across, grid spacing down, head diameter); None = empty room
BACKDROPS = {
    133: (11.5, 10.3, 21),
    134: (46.0, 41.0, 27),
    135: (92.0, 82.0, 36),
    144: None,
}


def _draw(room):
    px = [[0] * W for _ in range(H)]  # palette index, floor everywhere
    # Walls: the band between the outer frame and the floor; the four trapezoids meet on the diagonals.
    for y in range(H):
        for x in range(W):
            if INSET_X <= x < W - INSET_X and INSET_Y <= y < H - INSET_Y:
                continue
            px[y][x] = 1
    # Wall edges: the outer frame, the floor's border and the four corner diagonals.
    for x in range(W):
        px[0][x] = px[H - 1][x] = 2
        if INSET_X <= x < W - INSET_X:
            px[INSET_Y][x] = px[H - 1 - INSET_Y][x] = 2
    for y in range(H):
        px[y][0] = px[y][W - 1] = 2
        if INSET_Y <= y < H - INSET_Y:
            px[y][INSET_X] = px[y][W - 1 - INSET_X] = 2
    for i in range(max(INSET_X, INSET_Y) + 1):
        x = round(i * INSET_X / max(INSET_X, INSET_Y))
        y = round(i * INSET_Y / max(INSET_X, INSET_Y))
        for (cx, cy) in ((x, y), (W - 1 - x, y), (x, H - 1 - y), (W - 1 - x, H - 1 - y)):
            px[cy][cx] = 2
    if room is None:
        return px
    dx, dy, head = room
    # Floor grid, aligned so that lines cross at the head.
    x0, x1 = INSET_X + 1, W - INSET_X - 1
    y0, y1 = INSET_Y + 1, H - INSET_Y - 1
    k = -int((HEAD_X - x0) / dx)
    while HEAD_X + k * dx < x1:
        gx = int(round(HEAD_X + k * dx))
        if x0 <= gx < x1:
            for y in range(y0, y1):
                px[y][gx] = 3
        k += 1
    k = -int((HEAD_Y - y0) / dy)
    while HEAD_Y + k * dy < y1:
        gy = int(round(HEAD_Y + k * dy))
        if y0 <= gy < y1:
            for x in range(x0, x1):
                px[gy][x] = 3
        k += 1
    # The listener's head from above: face (skin) towards the top edge, hair behind, a nose in front.
    r = head / 2.0
    for y in range(int(HEAD_Y - r - 3), int(HEAD_Y + r + 2)):
        for x in range(int(HEAD_X - r - 1), int(HEAD_X + r + 2)):
            ddx, ddy = x - HEAD_X, y - HEAD_Y
            if ddx * ddx + ddy * ddy <= r * r:
                px[y][x] = 5 if ddy > -r * 0.15 else 4
    nose = max(2, int(head / 8))
    for y in range(int(HEAD_Y - r - nose), int(HEAD_Y - r + 1)):
        for x in range(HEAD_X - nose // 2, HEAD_X + nose // 2 + 1):
            px[y][x] = 6
    return px


def _bmp8(px, palette):
    width, height = len(px[0]), len(px)
    stride = (width + 3) & ~3
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pal += b"\0\0\0\0" * (256 - len(palette))
    rows = b"".join(bytes(px[y]) + b"\0" * (stride - width) for y in range(height - 1, -1, -1))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(pal)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + pal + rows


def write_backdrops(folder):
    for rid, room in BACKDROPS.items():
        with open("%s/room%d.bmp" % (folder, rid), "wb") as f:
            f.write(_bmp8(_draw(room), PALETTE))


def write_icon(path):
    """32 x 32, 32-bit colour: a loudspeaker with two sound waves."""
    size = 32
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            c = None
            if 4 <= x <= 10 and 11 <= y <= 20:
                c = (40, 40, 120)
            elif 10 < x <= 17 and abs(y - 15.5) <= (x - 10) * 0.9 + 4.5:
                c = (40, 40, 160)
            else:
                d = ((x - 12) ** 2 + (y - 15.5) ** 2) ** 0.5
                if x > 18 and (abs(d - 10) < 1.2 or abs(d - 15) < 1.2) and abs(y - 15.5) < (x - 12) * 0.9:
                    c = (200, 40, 40)
            row.append(c)
        pixels.append(row)
    xor = b""
    for y in range(size - 1, -1, -1):
        for x in range(size):
            c = pixels[y][x]
            xor += struct.pack("<BBBB", c[2], c[1], c[0], 255) if c else b"\0\0\0\0"
    and_mask = b""
    for y in range(size - 1, -1, -1):
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (0 if pixels[y][x] else 1)
        and_mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as f:
        f.write(icondir + image)
