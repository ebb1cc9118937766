#!/usr/bin/env python3
"""Writes the fuzz targets' seed inputs into corpus/.

The targets read their numbers with FuzzedDataProvider, which takes whole numbers from the end of
the input, most significant byte first, and leaves the front for a text. So each number is laid
down in little-endian order, the first one read at the very end.
"""
import math
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def laid_down(front, *chunks):
    """`front` followed by the chunks so that the first chunk is read first."""
    return front + b"".join(reversed(chunks))


def double(x):
    return struct.pack("<d", x)


def flag(b):
    return bytes([1 if b else 0])


# The readers: box texts the program writes and some it must survive.
for i, text in enumerate(["6", "36", "30.25", ".25", "0.75", "12abc", " 1 2", "", ".", "-",
                          "1e400", "-1e-400", "1e-310", "+.5e+3", "0.1e", "00012.500"]):
    write("reading", f"text{i:02d}", text.encode())

# The formatters: a value, three lengths, a count, a thickness, then the picture.
values = [5.03125, 2.09375, 5.3125, 5.97, 15.97, -2.3, 0.3, 14.750001475, 0.2109375, 0.21096,
          180 / 7, 1e300, -0.0, 5e-324, math.inf, -math.inf, math.nan]
pictures = ["###.00000", "##.0####\u00b0", "####.####", "##.####\u00b0", "", "0.0#", "x#y"]
for i, value in enumerate(values):
    picture = pictures[i % len(pictures)].encode()
    write("formatting", f"value{i:02d}",
          laid_down(picture, double(value), double(2.5), double(2.0), double(1.5), double(12),
                    flag(True), double(0.75)))

# A picture with more decimals than any double has digits.
write("formatting", "longpicture",
      laid_down(b"." + b"#" * 1300, double(1e300), double(2.5), double(2.0), double(1.5),
                double(12), flag(True), double(0.75)))

# The ring: each input as any double (a true flag, then the number), then the board thickness.
rings = [(6, 36, 30, 0.25), (12, 10, 8, 0.25), (8, 12, 8, 0.125), (7, 10, 6, 0.25),
         (4, 72, 71, 4), (24, 4, 3, 0), (0, 36, 30, 0.25), (31, 36, 30, 0.25),
         (6, 30, 30.25, 0), (6, math.inf, 30, 0.25), (6, 36, math.nan, 0.25)]
for i, ring in enumerate(rings):
    chunks = []
    for number in ring:
        chunks += [flag(True), double(number)]
    chunks += [flag(True), double(0.75)]
    write("ring", f"ring{i:02d}", laid_down(b"", *chunks))

# The lengths: the forms of the tests of lengths, with either decimal mark, and some refused.
lengths = ["36", "30.25", ".25", "5.", "  \t12 \t", "12 IN", "12\"", "254mm", "12.7 MM",
           "19.0500 mm", "2.54cm", "3/4", "3/4in", "21/4", "10 1/2", "10-3/16\"", "-10-1/2",
           "+7", "10,5", "10,5mm", ",25", "-2,54cm", "1,000.5", "1,2,3", "10,5 1/2", "3/0",
           "1e3", "12 mm x", "9" * 400 + "mm", "0." + "0" * 330 + "1mm"]
for i, text in enumerate(lengths):
    write("length", f"text{i:02d}", text.encode())

# The project files: those of the tests of project files, with commas, semicolons, a byte order
# mark, CRLF and Windows-1252.
header = "name,segments,outer,inner,fudge,thickness,kerf\n"
projects = [
    "# A small bowl\n" + header + "Base,8,6,0,.125,1,0.1\n\n\"Rim, top\",12,10 1/2,9,0,0.75,0\n",
    " Inner , KERF,outer, name ,segments\n20, 0.2, 24 , Middle ring ,16\n",
    "name,segments,outer,inner,thickness\nA,6,36,30,\nB,6,36,30,1.5\nC,6,36,30\n",
    header + "m,12,254mm,20.32 cm,6.35mm,3/4\",3.175 mm\n",
    header + "A,2,36,30,,,\nB,6,abc,30,,,\nC,6,36,36,,,\nD,6,36,30,,,1/0\n",
    "name,segments,outer,inner,Outer\nA,6,36,30,36\n",
    "name,segments,outer,inner\n\"open,1\n",
    "name;segments;outer;inner;fudge\nAhorn;12;10,5;9,5;0,25\n\"Rim; top\";8;254mm;7 1/2;\n",
]
for i, text in enumerate(projects):
    write("project", f"file{i:02d}.csv", text.encode())
write("project", "bom-crlf.csv",
      b"\xef\xbb\xbfname;segments;outer;inner\r\nAhorn \xc3\xa9;12;10,5;9\r\n")
write("project", "windows-1252.csv",
      b"name;segments;outer;inner\r\nAhorn \xe9;12;10,5mm;1.000,5\r\n\x93Rim\x94;8;12;10\r\n")

# The project file: a vessel in inches, one in millimetres with the defaults left out, one with
# no rings, one with a problem in each ring, one with a length of more digits than a double
# holds, one with woods, a pattern and a rotation, and an older one with a pattern typed.
project_files = {
    "vase": '{"format": "orvane-vessel", "version": 1, "name": "Vase", "units": "in", '
            '"kerf": 0.125, "rings": [{"name": "Foot", "segments": 8, "outer": 6, '
            '"inner": 4.25, "fudge": 0.125, "thickness": 0.75, "kerf": 0.125, "wood": "Maple"}, '
            '{"name": "Belly", "segments": 16, "outer": 10, "inner": 7.5}]}\n',
    "bowl-mm": '{"format": "orvane-vessel", "version": 1, "units": "mm", "kerf": 3.175,\n'
               ' "rings": [{"segments": 12, "outer": 254.5, "inner": 150, "fudge": 3.175}]}\n',
    "empty": '\ufeff{"format": "orvane-vessel", "version": 1, "rings": []}',
    "problems": '{"format": "orvane-vessel", "version": 1, "rings": [{"segments": 7.5, '
                '"outer": "6", "inner": 4, "inner": 4}, {"name": "Belly", "segments": 12, '
                '"outer": 10, "inner": 10}], "colour": "red"}',
    "long-millimetres": '{"format": "orvane-vessel", "version": 1, "units": "mm", '
                        '"kerf": 1.197599999999999999999, "rings": [{"segments": 12, '
                        '"outer": 470.5, "inner": 300, "fudge": 3.175}]}',
    "woods": '{"format": "orvane-vessel", "version": 3, "woods": [{"name": "Maple", '
             '"colour": "#e9d7b0"}, {"name": "Walnut", "colour": "#5B3D2A"}], "rings": [{'
             '"segments": 12, "outer": 10, "inner": 8, "pattern": ["Maple", "Walnut"]}, '
             '{"segments": 9, "outer": 10, "inner": 8, "wood": "Walnut", "rotation": -7.5}]}',
    "typed-pattern": '{"format": "orvane-vessel", "version": 1, "rings": [{"segments": 7, '
                     '"outer": 10, "inner": 8, "wood": " Ash+Red Oak + Ash"}]}',
}
for name, text in project_files.items():
    write("projectfile", name, text.encode())
