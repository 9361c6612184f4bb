#!/usr/bin/env python3
"""The head rim of one vector-plot arrow, worked out by single-precision rules.

Grid: StepU = StepV = 2, node (i, j) holds X = 0.9 i, Y = 0.5 (j - 1) + 0.002, Z = X (all Single).
Rules: every grid value and working value is a Single; gu, gv = ((Z(+1) - Z) + (Z - Z(-1))) / 2
in Single; the tip is X + gu, Y + gv in Single; angle a_k = k * 0.31416 worked out in double and
stored as Single; rim point k = tip + 0.04 * sin a_k (x) and tip + 0.04 * cos a_k (y), the sine,
cosine, product and sum in double, stored as Single.
"""
import math
import struct


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


X = lambda i, j: single(single(0.9) * i)
Y = lambda i, j: single(single(single(0.5) * (j - 1)) + single(0.002))
Z = X

i = j = 1
gu = single(single(single(Z(i + 1, j) - Z(i, j)) + single(Z(i, j) - Z(i - 1, j))) / 2)
gv = single(single(single(Z(i, j) - Z(i, j - 1)) + single(Z(i, j + 1) - Z(i, j))) / 2)
tipX = single(X(i, j) + gu)
tipY = single(Y(i, j) + gv)
print("// base (%.9g, %.9g), tip (%.9g, %.9g)" % (X(i, j), Y(i, j), tipX, tipY))
for k in range(21):
    a = single(k * 0.31416)
    rx = single(tipX + 0.04 * math.sin(a))
    ry = single(tipY + 0.04 * math.cos(a))
    print("{%d, %sf, %.9gf, %.9gf}," % (k, ("%.9g" % a) if a else "0.0", rx, ry))
