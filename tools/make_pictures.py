#!/usr/bin/env python3
"""Draw the pictures of the e-book "Арвий Квиллборн - Избранное".

Everything is generated procedurally (no external images); the output goes
to content/pictures/:

  book.png, book@2x.png       open book seen from above (page background)
  splash.png, splash@2x.png   front cover shown while the program starts
  hand.png, hand@2x.png       pointing-hand mouse pointer, plus hand.hotspot
  icon_16.png .. icon_256.png program icon (open book with a quill)

Run from the repository root:

    python3 tools/make_pictures.py

Needs Debian's python3-pil and python3-numpy, and the Liberation Serif font
(fonts-liberation2).  The output is identical on every run: all randomness
comes from fixed seeds.
"""

import math
import os
import sys

try:
    import numpy as np
    from PIL import Image, ImageDraw, ImageFont
except ImportError:
    # A user-installed interpreter (pyenv, venv) can shadow the system one
    # that carries the Debian packages; retry once with the system python.
    _SYS_PY = "/usr/bin/python3"
    if (os.path.exists(_SYS_PY) and not os.environ.get("MAKE_PICTURES_REEXEC")
            and os.path.realpath(sys.executable) != os.path.realpath(_SYS_PY)):
        os.environ["MAKE_PICTURES_REEXEC"] = "1"
        os.execv(_SYS_PY, [_SYS_PY] + sys.argv)
    raise

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "content", "pictures")

FONT_DIRS = ["/usr/share/fonts/truetype/liberation2",
             "/usr/share/fonts/truetype/liberation"]


# ---------------------------------------------------------------------------
# small numeric helpers (images are float arrays, 0..1, shape (h, w[, 3]))
# ---------------------------------------------------------------------------

def gauss_blur(a, sigma):
    """Separable Gaussian blur of a 2-D or 3-D float array."""
    if sigma <= 0:
        return a
    r = max(1, int(math.ceil(sigma * 3)))
    k = np.exp(-0.5 * (np.arange(-r, r + 1) / sigma) ** 2)
    k = (k / k.sum()).astype(np.float32)
    out = a.astype(np.float32)
    for axis in (0, 1):
        pad = [(0, 0)] * out.ndim
        pad[axis] = (r, r)
        p = np.pad(out, pad, mode="edge")
        acc = np.zeros_like(out)
        n = out.shape[axis]
        for i in range(2 * r + 1):
            sl = [slice(None)] * out.ndim
            sl[axis] = slice(i, i + n)
            acc += k[i] * p[tuple(sl)]
        out = acc
    return out


def value_noise(w, h, cell, rng):
    """Smooth noise with features about `cell` pixels across, zero mean."""
    gw, gh = int(w / cell) + 4, int(h / cell) + 4
    g = rng.rand(gh, gw).astype(np.float32)
    im = Image.fromarray(g, "F").resize((int(gw * cell), int(gh * cell)),
                                        Image.BICUBIC)
    a = np.asarray(im, dtype=np.float32)
    oy, ox = int(cell), int(cell)
    a = a[oy:oy + h, ox:ox + w]
    return a - a.mean()


def fbm(w, h, cells, rng, gain=0.55):
    """Several octaves of value noise, normalised to unit deviation."""
    acc = np.zeros((h, w), np.float32)
    amp = 1.0
    for c in cells:
        acc += amp * value_noise(w, h, c, rng)
        amp *= gain
    return acc / (acc.std() + 1e-6)


def white_noise(w, h, rng):
    a = rng.rand(h, w).astype(np.float32)
    return (a - 0.5) / 0.2887


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def mask_from_draw(w, h, draw_fn, ss=4):
    """Antialiased coverage mask: draw at ss times the size, box-filter down.

    draw_fn(draw, s) gets an ImageDraw and the scale to multiply
    coordinates by, and paints with fill=255."""
    im = Image.new("L", (w * ss, h * ss), 0)
    draw_fn(ImageDraw.Draw(im), ss)
    im = im.resize((w, h), Image.BOX)
    return np.asarray(im, dtype=np.float32) / 255.0


def poly_mask(w, h, pts, ss=4):
    def fn(d, s):
        d.polygon([(x * s, y * s) for x, y in pts], fill=255)
    return mask_from_draw(w, h, fn, ss)


def lerp(a, b, t):
    return a + (b - a) * t


def rgb(c):
    return np.array(c, np.float32) / 255.0


def over(dst, colour, alpha):
    """Paint `colour` (array broadcastable to dst) with coverage alpha."""
    a = alpha[..., None] if alpha.ndim == 2 else alpha
    return dst * (1 - a) + colour * a


def to_image(a, mode="RGB"):
    a = np.clip(a * 255.0 + 0.5, 0, 255).astype(np.uint8)
    return Image.fromarray(a, mode)


def shade_from_height(hmap, light=(-1.0, -1.4), strength=1.0):
    """Lambert-like relief term from a height map, 0 on flat ground.

    Light comes from the upper left, as on most desktop artwork."""
    gy, gx = np.gradient(hmap)
    lx, ly = light
    n = math.hypot(lx, ly)
    return -(gx * lx + gy * ly) / n * strength


def font(name, size):
    for d in FONT_DIRS:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return ImageFont.truetype(p, size)
    sys.exit("font %s not found: apt-get install fonts-liberation2" % name)


def save(img, name):
    os.makedirs(OUT, exist_ok=True)
    img.save(os.path.join(OUT, name), optimize=True)
    print("wrote %-16s %dx%d" % (name, img.size[0], img.size[1]))


# ---------------------------------------------------------------------------
# leather, shared by the open book and the cover
# ---------------------------------------------------------------------------

LEATHER = (80, 17, 27)        # burgundy


def leather(w, h, seed, scale=1.0, base=LEATHER):
    """Burgundy grained leather, float RGB array."""
    rng = np.random.RandomState(seed)
    # Pebble grain: small blurred noise used as a height map gives the
    # irregular bumps of boarded calf; a coarser layer adds the slightly
    # uneven dye take-up every real hide has.
    grain = gauss_blur(white_noise(w, h, rng), 0.9 * scale)
    grain2 = gauss_blur(white_noise(w, h, rng), 2.2 * scale)
    height = grain * 0.6 + grain2 * 1.4
    relief = shade_from_height(height, strength=0.22 / scale)
    mott = fbm(w, h, [160 * scale, 70 * scale, 30 * scale], rng)
    fine = white_noise(w, h, rng)
    col = np.empty((h, w, 3), np.float32)
    b = rgb(base)
    lum = 1.0 + relief + 0.07 * mott + 0.025 * fine
    col[:] = b
    col *= lum[..., None]
    # Worn high spots get a little browner, as real dye rubs off unevenly.
    col[..., 1] += np.clip(relief, 0, None) * 0.05
    return np.clip(col, 0, 1)


# ---------------------------------------------------------------------------
# book.png: open book from above
# ---------------------------------------------------------------------------

def page_outline(side, S, off_out=0.0, off_top=0.0, off_bot=0.0):
    """Outline of one page (side -1 left, +1 right) in pixels at scale S.

    Geometry is defined in 1x units because labels are positioned in 1x
    coordinates; the page must cover x 14..340 / 366..700, y 20..470."""
    gx = 352.5                   # gutter centre line
    outer = 11.5 if side < 0 else 703.5
    top, bot = 8.5, 472.0
    outer_x = outer + side * off_out
    n = 80
    pts_top, pts_bot = [], []
    for i in range(n + 1):
        t = i / n
        x = lerp(outer_x, gx, t)
        dg = abs(x - gx)
        # Pages rise out of the gutter, so seen from above their top and
        # bottom edges pinch towards the spine; a faint overall arch keeps
        # the outline from looking ruled.
        pinch = 3.4 * math.exp(-dg / 7.0) + 0.6 * math.exp(-dg / 60.0)
        arch = (2 * t - 1) ** 2
        yt = top - off_top + pinch + arch * 0.5
        yb = bot + off_bot - pinch * 0.6 - arch * 0.3
        pts_top.append((x, yt))
        pts_bot.append((x, yb))
    # Slightly rounded outer corners, as on trimmed paper.
    r = 2.0
    xo, yt0 = pts_top[0]
    yb0 = pts_bot[0][1]
    outline = [(x, y) for x, y in pts_top[::-1] if abs(x - xo) >= r]
    cy = yt0 + r
    for k in range(7):
        a = k / 6 * (math.pi / 2)
        outline.append((xo - side * r + side * r * math.sin(a),
                        cy - r * math.cos(a)))
    cy = yb0 - r
    for k in range(7):
        a = k / 6 * (math.pi / 2)
        outline.append((xo - side * r + side * r * math.cos(a),
                        cy + r * math.sin(a)))
    outline += [(x, y) for x, y in pts_bot if abs(x - xo) >= r]
    return [(x * S, y * S) for x, y in outline]


def make_book(S=2):
    W, H = 715 * S, 482 * S
    rng = np.random.RandomState(11)
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    X, Y = (xx + 0.5) / S, (yy + 0.5) / S        # 1x coordinates

    # --- table: dark oiled walnut, grain running left-right -------------
    gr = fbm(max(2, W // 30), H, [6 * S, 2.5 * S, 1.2 * S], rng)
    gr = np.asarray(Image.fromarray(gr.astype(np.float32), "F")
                    .resize((W, H), Image.BICUBIC))
    rings = np.sin(Y * 0.9 + gr * 2.2) * 0.5 + 0.5
    table = np.empty((H, W, 3), np.float32)
    table[:] = rgb((58, 36, 24))
    table *= (0.78 + 0.28 * rings + 0.05 * fbm(W, H, [90 * S], rng))[..., None]
    table *= (1 + 0.04 * white_noise(W, H, rng))[..., None]

    img = table

    # --- cover board ------------------------------------------------------
    cx0, cy0, cx1, cy1 = 3.0, 2.5, 712.0, 480.5
    def cover_draw(d, s):
        d.rounded_rectangle([cx0 * S * s, cy0 * S * s, cx1 * S * s - 1,
                             cy1 * S * s - 1], radius=int(3 * S * s),
                            fill=255)
    cover_m = mask_from_draw(W, H, cover_draw)
    # soft shadow of the whole book on the table
    sh = gauss_blur(np.roll(np.roll(cover_m, int(1 * S), 0), int(1 * S), 1),
                    2.0 * S)
    img = img * (1 - 0.65 * sh)[..., None]

    cov = leather(W, H, 21, scale=S * 0.5)
    # The board edge is rounded: light catches the upper-left rims, the
    # lower-right ones fall into shade.
    inner = gauss_blur(cover_m, 1.2 * S)
    rim = shade_from_height(inner, strength=1.6 * S)
    cov *= (1 + np.clip(rim, -0.45, 0.16))[..., None]
    # the spine hinge runs under the gutter: a slight ridge on the cover
    spine = np.exp(-((X - 352.5) / 5.0) ** 2)
    cov *= (1 + 0.10 * spine)[..., None]
    img = over(img, cov, cover_m)

    # --- headbands at the spine ends ---------------------------------------
    for yc in (10.2, 476.4):
        def hb(d, s, yc=yc):
            d.rounded_rectangle([(352.5 - 3.2) * S * s, (yc - 1.1) * S * s,
                                 (352.5 + 3.2) * S * s, (yc + 1.1) * S * s],
                                radius=1.1 * S * s, fill=255)
        hm = mask_from_draw(W, H, hb)
        stripes = 0.5 + 0.5 * np.sin((X - 352.5) * math.pi * 2.2)
        hcol = (lerp(rgb((110, 32, 36)), rgb((190, 160, 110)),
                     stripes[..., None]))
        # a rolled band: lit along its middle, darker at both rims
        roll = 1 - 0.45 * ((Y - yc) / 1.1) ** 2
        hcol = hcol * np.clip(roll, 0.4, 1)[..., None]
        img = over(img, hcol, hm)

    # --- page block: stacked leaves under the top page ----------------------
    edge_col = rgb((228, 216, 190))
    line_col = rgb((170, 152, 122))
    # few, fairly thick leaves: at 1x the lines must still be visible
    layers = 4
    step = 1.4
    block_m = np.zeros((H, W), np.float32)
    for side in (-1, 1):
        m = poly_mask(W, H, page_outline(side, S, layers * step + 0.55,
                                         layers * step * 0.3 + 0.25,
                                         layers * step + 0.55))
        block_m = np.maximum(block_m, m)
    # the block throws a short shadow onto the cover
    bsh = gauss_blur(np.roll(np.roll(block_m, int(0.8 * S), 0),
                             int(0.5 * S), 1), 1.4 * S)
    img = img * (1 - 0.55 * bsh * (1 - block_m))[..., None]

    edge_noise = 1 + 0.05 * gauss_blur(white_noise(W, H, rng), 0.5)
    for i in range(layers, 0, -1):
        o = i * step
        for side in (-1, 1):
            m_dark = poly_mask(W, H, page_outline(side, S, o + 0.55,
                                                  o * 0.3 + 0.25, o + 0.55))
            m_light = poly_mask(W, H, page_outline(side, S, o, o * 0.3, o))
            img = over(img, line_col * edge_noise[..., None], m_dark)
            # deeper leaves are slightly darker: less light reaches them
            shade = 1.0 - 0.012 * i
            img = over(img, edge_col * shade * edge_noise[..., None], m_light)

    # --- top pages ----------------------------------------------------------
    page_m = np.zeros((H, W), np.float32)
    for side in (-1, 1):
        page_m = np.maximum(page_m, poly_mask(W, H, page_outline(side, S)))
    # leaves between the visible edges and the top sheet cast a hairline
    img = img * (1 - 0.25 * gauss_blur(page_m, 0.7 * S) * (1 - page_m))[..., None]

    paper = np.empty((H, W, 3), np.float32)
    paper[:] = rgb((246, 238, 218))
    dg = np.abs(X - 352.5)
    # Paper curving down into the gutter: steep dark fold close to the
    # centre line, dying out before the text columns (x < 340, x > 366).
    dark = (0.55 * np.exp(-dg / 3.4) + 0.11 * np.exp(-dg / 8.5)
            + 0.03 * np.exp(-dg / 55.0))
    # Where the sheet turns up out of the fold it faces the light a bit more.
    sheen = 0.012 * np.exp(-((dg - 24) / 10.0) ** 2)
    # Outer edges curl down a little.
    dout = np.minimum(np.abs(X - 11.5), np.abs(X - 703.5))
    curl = (1 - 0.07 * np.exp(-dout / 2.5)) * (1 - 0.015 * np.exp(-dout / 30.0))
    # Light from the upper left: a gentle overall gradient.
    grad = 1.012 - 0.022 * (Y / 482.0) - 0.012 * (X / 715.0)
    # the left leaf is tipped towards the window light, the right away
    tilt = np.where(X < 352.5, 0.006, -0.004)
    lum = curl * (grad + sheen + tilt)
    # paper grain: fine tooth plus a faint cloudy formation of the fibres
    tooth = gauss_blur(white_noise(W, H, rng), 0.55 * S / 2)
    cloud = fbm(W, H, [40 * S, 14 * S, 5 * S], rng)
    lum = lum * (1 + 0.010 * tooth + 0.0045 * cloud)
    paper *= lum[..., None]
    # Shadow inside the fold is warm: light bounces between two cream
    # sheets before it gets there, so blue is lost faster than red.
    warm = np.array([0.80, 0.90, 1.0], np.float32)
    paper *= 1 - dark[..., None] * warm
    img = over(img, paper, page_m)

    # a crisp crease line exactly at the centre
    crease = np.exp(-((X - 352.5) / 0.55) ** 2) * page_m
    img = img * (1 - 0.12 * crease)[..., None]

    return np.clip(img, 0, 1)


def check_book(img1x):
    """Guard the areas where the program puts text."""
    a = np.asarray(img1x.convert("L"), dtype=np.float32)
    left = a[20:471, 14:339]
    right = a[20:471, 369:701]
    print("  book text areas: left min %.0f mean %.0f, right min %.0f mean %.0f"
          % (left.min(), left.mean(), right.min(), right.mean()))
    col = a[100:400, 330:376].mean(axis=0)
    print("  darkest gutter column x=%d" % (330 + int(col.argmin())))
    assert left.min() > 190 and right.min() > 190, "text area too dark"


# ---------------------------------------------------------------------------
# splash.png: the front cover
# ---------------------------------------------------------------------------

GOLD_RAMP = [(0.00, (72, 46, 14)), (0.30, (142, 102, 38)),
             (0.55, (204, 160, 74)), (0.78, (240, 206, 124)),
             (1.00, (255, 244, 196))]


def gold_colour(t):
    """Map a brightness value 0..1 onto a warm metallic gold ramp."""
    t = np.clip(t, 0, 1)
    out = np.zeros(t.shape + (3,), np.float32)
    for (t0, c0), (t1, c1) in zip(GOLD_RAMP, GOLD_RAMP[1:]):
        sel = (t >= t0) & (t <= t1)
        u = ((t - t0) / (t1 - t0))[sel][:, None]
        out[sel] = rgb(c0) * (1 - u) + rgb(c1) * u
    return out


def stamp_gold(img, m, S, rng, sheen):
    """Gold foil pressed into leather: a debossed groove, then bevelled gold."""
    H, W = m.shape
    # The die pushes the leather down, so just outside the gilding the
    # leather falls away into a dark rim (stronger on the lit side).
    halo = gauss_blur(m, 1.1 * S)
    sh = np.roll(np.roll(halo, -int(round(0.6 * S)), 0), -int(round(0.6 * S)), 1)
    img = img * (1 - 0.55 * np.clip(sh - m, 0, 1) - 0.25 * np.clip(halo - m, 0, 1))[..., None]
    height = gauss_blur(m, 0.7 * S)
    light = shade_from_height(height, strength=2.2 * S)
    wear = gauss_blur(white_noise(W, H, rng), 0.6 * S)
    t = 0.56 + np.clip(light, -0.5, 0.5) + 0.18 * sheen + 0.03 * wear
    col = gold_colour(t)
    # foil never takes perfectly on grained leather: a few dull specks
    alpha = m * np.clip(1 - 0.12 * np.clip(wear - 1.2, 0, None), 0, 1)
    return over(img, col, alpha)


def text_mask(W, H, text, fnt_name, size, cx, cy, S, spacing=0.0, ss=4):
    """Coverage mask of a centred line of text (size in 1x px)."""
    f = font(fnt_name, int(round(size * S * ss)))
    big = Image.new("L", (W * ss, H * ss), 0)
    d = ImageDraw.Draw(big)
    sp = spacing * S * ss
    widths = [d.textlength(ch, font=f) for ch in text]
    total = sum(widths) + sp * (len(text) - 1)
    x = cx * S * ss - total / 2
    for ch, w in zip(text, widths):
        d.text((x, cy * S * ss), ch, font=f, fill=255, anchor="ls")
        x += w + sp
    return np.asarray(big.resize((W, H), Image.BOX), np.float32) / 255.0


def ornament(d, s, cx, cy, half, S, flip=False):
    """A small fleuron: diamond, dots, tapering rules ending in curls."""
    k = S * s
    def P(x, y):
        return ((cx + x) * k, (cy + y) * k)
    d.polygon([P(-5, 0), P(0, -4.2), P(5, 0), P(0, 4.2)], fill=255)
    for sx in (-1, 1):
        d.ellipse([P(sx * 9 - 1.6, -1.6), P(sx * 9 + 1.6, 1.6)], fill=255)
        # rule thins as it runs out, like a hand-cut brass fillet
        x0, x1 = 13, half - 9
        d.polygon([P(sx * x0, -1.2), P(sx * x1, -0.35),
                   P(sx * x1, 0.35), P(sx * x0, 1.2)], fill=255)
        # curl at the end
        r = 3.6
        ccx = sx * (half - 9)
        dy = 3.6 if flip else -3.6
        box = [P(ccx - r, dy - r), P(ccx + r, dy + r)]
        box = [(min(box[0][0], box[1][0]), min(box[0][1], box[1][1])),
               (max(box[0][0], box[1][0]), max(box[0][1], box[1][1]))]
        if sx > 0:
            start, end = (90, 360) if not flip else (0, 270)
        else:
            start, end = (180, 450) if not flip else (270, 540)
        d.arc(box, start, end, fill=255, width=max(1, int(round(1.0 * k))))
        d.ellipse([P(ccx - 1.3, dy - 1.3), P(ccx + 1.3, dy + 1.3)], fill=255)
        # a pair of small leaves sprouting from the rule
        for lx, ang, ln in ((half * 0.50, 35, 9.0), (half * 0.50 + 7, 28, 6.5)):
            base = (sx * lx, 0.0)
            th = math.radians(ang)
            up = 1 if flip else -1
            tip = (base[0] + sx * ln * math.cos(th), up * ln * math.sin(th))
            nx, ny = -(tip[1] - base[1]) / ln, (tip[0] - base[0]) / ln
            pts = []
            for i in range(13):
                t = i / 12
                w = 1.5 * math.sin(math.pi * t) ** 0.8
                pts.append(P(lerp(base[0], tip[0], t) + nx * w,
                             lerp(base[1], tip[1], t) + ny * w))
            for i in range(12, -1, -1):
                t = i / 12
                w = 1.5 * math.sin(math.pi * t) ** 0.8
                pts.append(P(lerp(base[0], tip[0], t) - nx * w,
                             lerp(base[1], tip[1], t) - ny * w))
            d.polygon(pts, fill=255)


def make_splash(S=2):
    W, H = 326 * S, 467 * S
    rng = np.random.RandomState(31)
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    X, Y = (xx + 0.5) / S, (yy + 0.5) / S

    img = leather(W, H, 41, scale=S * 0.75)
    # large soft lighting: a lamp above left of the book
    img *= (1.06 - 0.16 * np.hypot((X - 120) / 326, (Y - 140) / 467))[..., None]

    # Spine and joint on the left: the rounded spine turns away from the
    # viewer, then the hinge groove separates it from the flat board.
    spine_w, joint = 15.0, 21.0
    u = np.clip(X / spine_w, 0, 1)
    spine_sh = np.where(X < spine_w, 0.70 + 0.38 * np.sin(u * math.pi * 0.5) ** 0.7,
                        1.0)
    groove = (-0.55 * np.exp(-((X - joint) / 2.2) ** 2)
              + 0.14 * np.exp(-((X - joint - 4.2) / 1.6) ** 2)
              + 0.10 * np.exp(-((X - spine_w) / 1.6) ** 2))
    img *= (spine_sh + groove)[..., None]

    # board edges are slightly rounded and rubbed
    edge = np.minimum.reduce([W / S - X, Y, H / S - Y])
    img *= (1 - 0.28 * np.exp(-edge / 2.0))[..., None]
    img[..., 1:] += (0.018 * np.exp(-edge / 3.0))[..., None]
    img = np.clip(img, 0, 1)

    # --- gilding -------------------------------------------------------------
    cxb = (joint + 326) / 2.0               # centre of the board
    fx0, fy0, fx1, fy1 = joint + 17, 18, 326 - 17, 467 - 18

    def frame_draw(d, s):
        k = S * s
        w1 = max(1, int(round(2.0 * k)))
        w2 = max(1, int(round(0.9 * k)))
        d.rectangle([fx0 * k, fy0 * k, fx1 * k, fy1 * k], outline=255, width=w1)
        i = 6
        d.rectangle([(fx0 + i) * k, (fy0 + i) * k, (fx1 - i) * k, (fy1 - i) * k],
                    outline=255, width=w2)
        # corner pieces: a lozenge on the outer corner, a dot on the inner
        # one and a small lozenge set diagonally inside
        for cx, cy, sx, sy in ((fx0, fy0, 1, 1), (fx1, fy0, -1, 1),
                               (fx0, fy1, 1, -1), (fx1, fy1, -1, -1)):
            r = 4.0
            cx, cy = cx + sx * 1.0, cy + sy * 1.0    # middle of the 2px rule
            d.polygon([(cx * k, (cy - r) * k), ((cx + r) * k, cy * k),
                       (cx * k, (cy + r) * k), ((cx - r) * k, cy * k)], fill=255)
            ix, iy = cx + sx * (i - 0.55), cy + sy * (i - 0.55)
            d.ellipse([(ix - 1.7) * k, (iy - 1.7) * k, (ix + 1.7) * k,
                       (iy + 1.7) * k], fill=255)
            px, py = cx + sx * 13, cy + sy * 13
            d.polygon([(px * k, (py - 2.6) * k), ((px + 2.6) * k, py * k),
                       (px * k, (py + 2.6) * k), ((px - 2.6) * k, py * k)], fill=255)
        # a dot halfway down each long side breaks the long bare rules
        for cy in (467 / 2.0,):
            for cx in (fx0 + 3, fx1 - 3):
                d.ellipse([(cx - 1.8) * k, (cy - 1.8) * k, (cx + 1.8) * k,
                           (cy + 1.8) * k], fill=255)

    gm = mask_from_draw(W, H, frame_draw)

    def orn_draw(d, s):
        ornament(d, s, cxb, 134, 62, S)
        ornament(d, s, cxb, 300, 52, S, flip=True)
        # a small lozenge above the foot of the frame
        k = S * s
        cy = 405
        d.polygon([(cxb * k, (cy - 5) * k), ((cxb + 5) * k, cy * k),
                   (cxb * k, (cy + 5) * k), ((cxb - 5) * k, cy * k)], fill=255)
        for dx in (-10, 10):
            d.ellipse([(cxb + dx - 1.6) * k, (cy - 1.6) * k,
                       (cxb + dx + 1.6) * k, (cy + 1.6) * k], fill=255)

    gm = np.maximum(gm, mask_from_draw(W, H, orn_draw))
    gm = np.maximum(gm, text_mask(W, H, "Арвий Квиллборн",
                                  "LiberationSerif-Regular.ttf", 21.0,
                                  cxb, 98, S, spacing=0.6))
    gm = np.maximum(gm, text_mask(W, H, "Избранное",
                                  "LiberationSerif-Bold.ttf", 44.0,
                                  cxb, 232, S, spacing=0.8))
    sheen = np.sin((X * 0.6 + Y) / 467 * math.pi * 2.2 + 0.6)
    img = stamp_gold(img, gm, S, rng, sheen)
    return np.clip(img, 0, 1)


def no_key_colour(img):
    """The program treats exact RGB (1,0,0) as transparent; avoid it."""
    a = np.array(img)
    hit = (a[..., 0] == 1) & (a[..., 1] == 0) & (a[..., 2] == 0)
    a[hit] = (2, 1, 1)
    return Image.fromarray(a, "RGB"), int(hit.sum())


# ---------------------------------------------------------------------------
# hand.png: pointing-hand mouse pointer
# ---------------------------------------------------------------------------

# Glove shapes in 1x pixel-edge coordinates.  Fingers are separated by a
# one-pixel gap: the black outline fills it, which draws the lines between
# the fingers without any extra strokes.
HAND_INDEX = (8, 1, 11, 17)            # x0, y0, x1, y1 of the pointing finger
HAND_FINGERS = [(12, 8, 15, 17), (16, 9, 19, 18), (20, 11, 22, 19)]
HAND_PALM = [(8, 14), (22, 14), (22, 22.5), (20, 26), (11, 26), (8, 23)]
HAND_THUMB = ((8.5, 21.0), (4.5, 16.5), 1.5)    # from, to, radius
HAND_HOTSPOT = (9, 0)                  # top pixel of the index finger


def draw_hand_interior(d, k):
    d.rounded_rectangle([HAND_INDEX[0] * k, HAND_INDEX[1] * k,
                         HAND_INDEX[2] * k - 1, HAND_INDEX[3] * k - 1],
                        radius=1.5 * k, fill=255)
    for x0, y0, x1, y1 in HAND_FINGERS:
        d.rounded_rectangle([x0 * k, y0 * k, x1 * k - 1, y1 * k - 1],
                            radius=1.0 * k, fill=255)
    d.polygon([(x * k, y * k) for x, y in HAND_PALM], fill=255)
    (ax, ay), (bx, by), r = HAND_THUMB
    d.line([(ax * k, ay * k), (bx * k, by * k)], fill=255,
           width=int(round(2 * r * k)))
    for cx, cy in ((ax, ay), (bx, by)):
        d.ellipse([(cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k],
                  fill=255)


def dilate_disk(m, r):
    """Grow a boolean mask by a disk of radius r pixels."""
    out = m.copy()
    h, w = m.shape
    ri = int(math.ceil(r))
    p = np.pad(m, ri)
    for dy in range(-ri, ri + 1):
        for dx in range(-ri, ri + 1):
            if dx * dx + dy * dy <= r * r:
                out |= p[ri + dy:ri + dy + h, ri + dx:ri + dx + w]
    return out


def make_hand(S):
    size = 32 * S
    ss = 8
    im = Image.new("L", (size * ss, size * ss), 0)
    draw_hand_interior(ImageDraw.Draw(im), S * ss)
    inner_b = np.asarray(im) > 127
    outer_b = dilate_disk(inner_b, S * ss * 1.0)

    def down(b):
        return np.asarray(Image.fromarray((b * 255).astype(np.uint8))
                          .resize((size, size), Image.BOX), np.float32) / 255
    inner, outer = down(inner_b), down(outer_b)
    if S == 1:
        # A 1x pointer reads best as hard pixels, like the system ones.
        inner = (inner >= 0.5).astype(np.float32)
        # Every white pixel gets a black neighbour on all four sides;
        # diagonal corner pixels only where the round outline really
        # covers them, which keeps the fingertips round.
        ib = inner > 0.5
        cross = dilate_disk(ib, 1.0)
        outer = (cross | (outer >= 0.7)).astype(np.float32)
    else:
        # keep antialiasing but tighten it so the outline stays crisp
        inner = smoothstep(0.2, 0.8, inner)
        outer = np.maximum(smoothstep(0.2, 0.8, outer), inner)
    out = np.zeros((size, size, 4), np.float32)
    out[..., 0] = out[..., 1] = out[..., 2] = inner
    out[..., 3] = outer
    return to_image(out, "RGBA")


# ---------------------------------------------------------------------------
# icon_*.png: open book with a quill
# ---------------------------------------------------------------------------

def bezier(p0, p1, p2, n=24):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def page_shape(side, g, dx=0.0, dy=0.0):
    """One page of the icon book in unit coordinates (side -1 / +1).

    dx pushes the outer edge outwards and dy the bottom edge down, which
    gives the leaves under the top page and the cover."""
    cx = 0.5
    st, sb = g["spine_top"], g["spine_bot"]
    ot, ob = g["outer_top"], g["outer_bot"]
    ox = cx + side * (g["half"] + dx)
    top = bezier((cx, st + dy * 0.5), (cx + side * g["half"] * 0.45, ot - g["arch"] + dy * 0.5),
                 (ox, ot + dy * 0.5))
    bot = bezier((ox, ob + dy), (cx + side * g["half"] * 0.45, ob - g["arch"] * 0.6 + dy),
                 (cx, sb + dy))
    return top + bot


class Canvas:
    """Premultiplied RGBA float canvas drawn at a supersampled size."""

    def __init__(self, size, ss):
        self.n = size * ss
        self.size = size
        self.rgb = np.zeros((self.n, self.n, 3), np.float32)
        self.a = np.zeros((self.n, self.n), np.float32)
        yy, xx = np.mgrid[0:self.n, 0:self.n].astype(np.float32)
        self.X, self.Y = (xx + 0.5) / self.n, (yy + 0.5) / self.n

    def mask(self, fn):
        im = Image.new("L", (self.n, self.n), 0)
        fn(ImageDraw.Draw(im), self.n)
        return np.asarray(im, np.float32) / 255.0

    def poly(self, pts):
        return self.mask(lambda d, n: d.polygon([(x * n, y * n) for x, y in pts],
                                                fill=255))

    def stroke(self, pts, w, closed=True):
        def fn(d, n):
            q = [(x * n, y * n) for x, y in pts]
            if closed:
                q = q + [q[0], q[1]]
            d.line(q, fill=255, width=max(1, int(round(w * n))), joint="curve")
        return self.mask(fn)

    def paint(self, m, colour, alpha=1.0):
        a = (m * alpha).astype(np.float32)
        c = colour if np.ndim(colour) == 3 else np.broadcast_to(colour, self.rgb.shape)
        self.rgb = (self.rgb * (1 - a[..., None]) + c * a[..., None]).astype(np.float32)
        self.a = self.a * (1 - a) + a

    def image(self):
        def down(ch):
            return np.asarray(Image.fromarray(ch, "F").resize(
                (self.size, self.size), Image.BOX), np.float32)
        a = down(self.a)
        out = np.zeros((self.size, self.size, 4), np.float32)
        for i in range(3):
            out[..., i] = down(np.ascontiguousarray(self.rgb[..., i])) / np.maximum(a, 1e-6)
        out[..., 3] = a
        return to_image(np.clip(out, 0, 1), "RGBA")


ICON_COVER = (138, 22, 34)
ICON_COVER_DARK = (74, 10, 18)
ICON_PAGE = (252, 246, 230)
ICON_PAGE_SHADE = (214, 196, 164)
ICON_EDGE = (222, 206, 176)
ICON_LINE = (120, 92, 72)


# 16 px icon as pixel art: at this size every pixel has to be placed by
# hand to get crisp page edges and a readable cover.
ICON16 = [
    "..............QQ",
    ".............QqQ",
    "............QqsQ",
    ".oooo......QqsQ.",
    "oWWWWoo..ooQqQWo",
    "RWWWWWWooWQqQWWR",
    "RWllllhgghQQllWR",
    "RWWWWWhgghnWWWWR",
    "RWllllhgghlllWWR",
    "RWWWWWhgghWWWWWR",
    "RWlllWhgghllllWR",
    "RWWWWWhgghWWWWWR",
    "RooooWhgghWooooR",
    "RRRRRooggooRRRRR",
    "DRRRRRRooRRRRRRD",
    ".DDDDDDDDDDDDDD.",
]
ICON16_COLOURS = {
    ".": (0, 0, 0, 0), "o": (110, 80, 60, 255), "W": (252, 246, 230, 255),
    "l": (176, 162, 140, 255), "g": (200, 178, 140, 255),
    "h": (236, 224, 198, 255), "s": (206, 210, 220, 255),
    "e": (226, 210, 178, 255), "R": (150, 26, 38, 255),
    "D": (84, 12, 20, 255), "Q": (78, 74, 86, 255), "q": (255, 255, 255, 255),
    "n": (30, 26, 34, 255),
}


def icon16():
    im = Image.new("RGBA", (16, 16))
    im.putdata([ICON16_COLOURS[ch] for row in ICON16 for ch in row])
    return im


def curve_y(pts, x):
    xs = np.array([p[0] for p in pts])
    ys = np.array([p[1] for p in pts])
    order = np.argsort(xs)
    return float(np.interp(x, xs[order], ys[order]))


def make_icon(size):
    if size <= 16:
        return icon16()
    # Detail level: smaller icons keep only the big shapes and thicker
    # strokes, so they stay readable instead of turning into grey mush.
    lvl = 1 if size <= 32 else 2 if size <= 64 else 3
    ss = max(4, 1024 // size)
    c = Canvas(size, ss)
    px = 1.0 / size                        # one output pixel in units
    g = {"half": 0.46, "spine_top": 0.33, "spine_bot": 0.86,
         "outer_top": 0.25, "outer_bot": 0.79, "arch": 0.05}
    cover_dx, cover_dy, leaf_dx, leaf_dy = 0.035, 0.12, 0.016, 0.055
    if lvl == 1:
        # Put edges on pixel centres so 1-px outlines land on whole pixels
        # instead of smearing over two.
        n = size
        g.update(half=(n / 2 - 2.5) * px, outer_top=(round(n * 0.2) + 0.5) * px,
                 spine_top=(round(n * 0.2) + 2.5 + (n > 24)) * px,
                 outer_bot=(round(n * 0.74) + 0.5) * px,
                 spine_bot=(round(n * 0.74) + 2.5 + (n > 24)) * px,
                 arch=0.6 * px)
        cover_dx, cover_dy = 2.0 * px, 3.0 * px
        leaf_dx, leaf_dy = 0.0, 1.0 * px
    outline_w = max(1.0 * px, 0.018) if lvl < 3 else 0.014

    # cover boards, showing round the leaves
    for side in (-1, 1):
        pts = page_shape(side, g, dx=cover_dx, dy=cover_dy)
        shade = np.clip(1.08 - 0.35 * (c.Y - 0.6), 0.75, 1.1)[..., None]
        c.paint(c.poly(pts), rgb(ICON_COVER) * shade)
        c.paint(c.stroke(pts, outline_w), rgb(ICON_COVER_DARK))

    # leaves under the top page: thin edges following the page outline
    n_leaves = {1: 1, 2: 2, 3: 3}[lvl]
    for i in range(n_leaves, 0, -1):
        f = i / n_leaves
        for side in (-1, 1):
            pts = page_shape(side, g, dx=leaf_dx * f, dy=leaf_dy * f)
            c.paint(c.poly(pts), rgb(ICON_EDGE))
            c.paint(c.stroke(pts, outline_w * 0.7), rgb(ICON_LINE), 0.6)

    # top pages
    for side in (-1, 1):
        pts = page_shape(side, g)
        m = c.poly(pts)
        dg = np.abs(c.X - 0.5)
        t = np.exp(-dg / 0.06)
        col = lerp(rgb(ICON_PAGE), rgb(ICON_PAGE_SHADE), (t * 0.9)[..., None])
        c.paint(m, col)
        top, bot = pts[:25], pts[25:]
        # a few lines of verse, following the curve of the page
        rows = {1: 3, 2: 5, 3: 7}[lvl]
        for r in range(rows):
            if side > 0 and r >= rows - (1 if lvl == 1 else 2):
                continue          # room for the quill nib
            fy = 0.18 + 0.64 * r / max(1, rows - 1)
            x0 = 0.5 + side * 0.075
            short = 0.13 if r % 3 == 2 else 0.0
            x1 = 0.5 + side * (g["half"] - 0.07 - short)
            line = []
            for j in range(17):
                x = lerp(x0, x1, j / 16)
                line.append((x, lerp(curve_y(top, x), curve_y(bot, x), fy)))
            if lvl == 1:
                # straight and pixel-aligned: curves would only blur here
                y = (math.floor(lerp(g["outer_top"], g["outer_bot"], fy) / px) + 0.5) * px
                line = [(round(x0 / px) * px, y), (round(x1 / px) * px, y)]
            lw = max(px * 1.0, 0.026 if lvl == 1 else 0.014)
            c.paint(c.stroke(line, lw, closed=False), rgb((160, 146, 126)))
        c.paint(c.stroke(pts, outline_w), rgb(ICON_LINE))
    fold = [(0.5, g["spine_top"]), (0.5, g["spine_bot"])]
    c.paint(c.stroke(fold, outline_w, closed=False), rgb(ICON_LINE))

    draw_quill(c, lvl, px)
    return c.image()


def draw_quill(c, lvl, px):
    nib = (0.60, 0.66)
    end = (0.95, 0.05)
    L = math.hypot(end[0] - nib[0], end[1] - nib[1])
    ux, uy = (end[0] - nib[0]) / L, (end[1] - nib[1]) / L
    nx, ny = -uy, ux                      # normal, pointing to the right/down
    def at(t, off):
        return (nib[0] + ux * L * t + nx * off, nib[1] + uy * L * t + ny * off)
    # vane: wider on the upper-left side, as on a real flight feather
    wl, wr = (0.10, 0.055) if lvl > 1 else (0.12, 0.065)
    t0, t1 = 0.30, 1.0
    left, right = [], []
    for i in range(25):
        t = lerp(t0, t1, i / 24)
        u = (t - t0) / (t1 - t0)
        prof = math.sin(math.pi * min(1.0, u * 1.15) ** 0.8) if u < 0.87 else \
            math.sin(math.pi * 0.87 ** 0.8 * 1.0) * (1 - (u - 0.87) / 0.13) ** 0.7
        prof = max(prof, 0.0)
        left.append(at(t, -wl * prof))
        right.append(at(t, wr * prof))
    vane = left + right[::-1]
    m = c.poly(vane)
    # shade across the vane so it reads as a curved feather
    d = (c.X - nib[0]) * nx + (c.Y - nib[1]) * ny
    col = lerp(rgb((255, 255, 255)), rgb((200, 204, 214)),
               np.clip((d + 0.02) / 0.09, 0, 1)[..., None] * (lvl > 1))
    if lvl > 1:
        # drop shadow on the page
        sh_pts = [(x + 0.02, y + 0.025) for x, y in vane]
        c.paint(c.poly(sh_pts), rgb((60, 40, 30)), 0.18 * (c.a > 0.5))
    c.paint(m, col)
    ow = max(px * 1.0, 0.016 if lvl < 3 else 0.012)
    if lvl >= 2:
        # a couple of splits in the vane
        for t, side, ln in ((0.58, -1, 0.06), (0.78, -1, 0.05), (0.66, 1, 0.035)):
            a = at(t, 0)
            b = at(t - 0.07, side * ln)
            c.paint(c.stroke([a, b], ow * 0.8, closed=False), rgb((150, 150, 165)))
    c.paint(c.stroke(vane, ow), rgb((70, 62, 70)))
    # shaft (rachis) and the cut nib
    if lvl > 1:
        c.paint(c.stroke([at(0.08, 0), at(0.97, 0)], ow * 1.1, closed=False),
                rgb((120, 110, 120)))
    else:
        c.paint(c.stroke([at(0.08, 0), at(0.5, 0)], ow, closed=False),
                rgb((70, 62, 70)))
    nib_pts = [at(0.0, 0), at(0.12, -0.016), at(0.30, -0.010), at(0.30, 0.010),
               at(0.12, 0.016)]
    c.paint(c.poly(nib_pts), rgb((44, 36, 44)))


# ---------------------------------------------------------------------------

def main():
    big = to_image(make_book(2))
    save(big, "book@2x.png")
    small = big.resize((715, 482), Image.LANCZOS)
    save(small, "book.png")
    check_book(small)

    big = to_image(make_splash(2))
    small = big.resize((326, 467), Image.LANCZOS)
    for im, name in ((big, "splash@2x.png"), (small, "splash.png")):
        im, n = no_key_colour(im)
        save(im, name)
        if n:
            print("  replaced %d key-colour pixels" % n)

    save(make_hand(1), "hand.png")
    save(make_hand(2), "hand@2x.png")
    with open(os.path.join(OUT, "hand.hotspot"), "w") as f:
        f.write("%d %d\n" % HAND_HOTSPOT)

    for n in (16, 24, 32, 48, 64, 128, 256):
        save(make_icon(n), "icon_%d.png" % n)


if __name__ == "__main__":
    main()
