# Opens each FOLDER/excel2007-41N-<case>.xlsx named on the command line in LibreOffice Calc
# (headless, its own profile) and saves it as FOLDER/libreoffice-41N-<case>.xlsx with the
# filter "Calc MS Excel 2007 XML":
#   /usr/bin/python3 resave.py FOLDER PROFILE CASE...   (CASE as "415-right"; PROFILE: the
#   soffice profile folder of this run)
# Before saving, the chart object is given again the model's size, 247.5 x 146.25 pt (8731 x
# 5159 hundredths of a millimetre: Calc lays the chart out on its own wider columns), and
# each text box of the chart's drawing, which Calc reads as a rectangle holding text, is made
# again as a text shape of Calc's own object model with the same name, text and stacking
# position, at the place the source's anchor gives (Calc writes that one with the text-box mark).
import os
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

import uno  # noqa: F401 (makes the com.sun.star modules importable)
from com.sun.star.awt import Point, Size

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from libreoffice_session import Office, save  # noqa: E402

MODEL_SIZE = Size(8731, 5159)
CDR = "{http://schemas.openxmlformats.org/drawingml/2006/chartDrawing}"


def stored_places(path):
    """Name -> (x, y, width, height) in 1/100 mm of each shape of the file's chart drawing."""
    with zipfile.ZipFile(path) as package:
        root = ElementTree.fromstring(package.read("xl/drawings/drawing2.xml"))
    places = {}
    for anchor in root:
        corner = [float(anchor.find(f"{CDR}{point}/{CDR}{axis}").text)
                  for point in ("from", "to") for axis in ("x", "y")]
        name = anchor.find(f".//{CDR}cNvPr").get("name")
        width, height = MODEL_SIZE.Width, MODEL_SIZE.Height
        places[name] = (round(corner[0] * width), round(corner[1] * height),
                        round((corner[2] - corner[0]) * width),
                        round((corner[3] - corner[1]) * height))
    return places


def is_text_box(shape):
    return shape.Name.startswith(("Text Box", "TextBox")) and \
        shape.ShapeType == "com.sun.star.drawing.CustomShape"


def remake_text_boxes(chart, places):
    page = chart.getDrawPage()
    for shape in [page.getByIndex(i) for i in range(page.Count)]:
        if not is_text_box(shape):
            continue
        name, text, order = shape.Name, shape.getString(), shape.ZOrder
        x, y, width, height = places[name]
        page.remove(shape)
        box = chart.createInstance("com.sun.star.drawing.TextShape")
        page.add(box)
        box.TextAutoGrowHeight = False
        box.TextAutoGrowWidth = False
        box.Position, box.Size = Point(x, y), Size(width, height)
        box.setString(text)
        box.Name = name
        box.ZOrder = order


def main(folder, profile, cases):
    with Office(profile) as office:
        for case in cases:
            source = os.path.join(folder, f"excel2007-{case}.xlsx")
            document = office.open(source)
            frame = document.Sheets.getByIndex(0).DrawPage.getByIndex(0)
            frame.Size = MODEL_SIZE
            remake_text_boxes(frame.Model, stored_places(source))
            save(document, os.path.join(folder, f"libreoffice-{case}.xlsx"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
