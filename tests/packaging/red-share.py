#!/usr/bin/env python3
"""Prints the percentage of pixels in a PNG screenshot that are a dark,
clearly red colour (the book's cover), reading the PNG with the standard
library alone."""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
pos, idat, width, height, channels = 8, b"", 0, 0, 0
while pos < len(data):
    length, kind = struct.unpack(">I4s", data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if kind == b"IHDR":
        width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        assert depth == 8 and colour in (2, 6), "8-bit RGB or RGBA only"
        channels = 3 if colour == 2 else 4
    elif kind == b"IDAT":
        idat += body
    pos += 12 + length
raw = zlib.decompress(idat)
stride = width * channels
previous = bytearray(stride)
red = 0
for y in range(height):
    kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        left = line[i - channels] if i >= channels else 0
        up, corner = previous[i], previous[i - channels] if i >= channels else 0
        if kind == 1:
            line[i] = (line[i] + left) & 255
        elif kind == 2:
            line[i] = (line[i] + up) & 255
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 255
        elif kind == 4:
            p = left + up - corner
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
            line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
    for x in range(0, stride, channels):
        r, g, b = line[x], line[x + 1], line[x + 2]
        if r - max(g, b) > 25 and r < 200:
            red += 1
    previous = line
print(red * 100 // (width * height))
