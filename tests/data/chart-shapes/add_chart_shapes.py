# Gives the chart of chart-shapes-model.xlsx its own drawing (c:userShapes), in the form Excel
# 2007 writes it, once per case, and saves each case as excel2007-41N-<case>.xlsx in FOLDER:
#   python3 add_chart_shapes.py chart-shapes-model.xlsx FOLDER
# Anchors are fractions of the chart area (247.5 x 146.25 pt) with all the digits a double
# holds, so that the places read back are the points given here; each shape's a:xfrm states
# the same frame in EMU from the chart area's top-left corner. Names are as Excel 2003 names
# the objects drawn in a chart ("Text Box 2", "AutoShape 3"). Case 417 charts fill the chart
# area with a tiled picture (a texture) unless the case says otherwise.
import struct
import sys
import zipfile
import zlib

CHART_WIDTH, CHART_HEIGHT = 247.5, 146.25  # points: the chart object's 330 x 195 px
EMU_PER_POINT = 12700
CDR = "http://schemas.openxmlformats.org/drawingml/2006/chartDrawing"
A = "http://schemas.openxmlformats.org/drawingml/2006/main"

# The places and sizes, in points, of the exercise's drawing.
UNIT_BOX = (0, 111.7395, 36.77457, 12.76425)
SCROLL = (0, 105.7759, 32.98276, 23.99394)


def text_box(name, number, place, text="x1000"):
    return dict(name=name, id=number, place=place, text=text, preset="rect", box=True,
                fill=None, line=None)


def auto_shape(name, number, place, preset="horizontalScroll", fill="CCFFFF", line="FF0000"):
    return dict(name=name, id=number, place=place, text=None, preset=preset, box=False,
                fill=fill, line=line)


def right_drawing(**scroll):
    return [auto_shape("AutoShape 3", 3, SCROLL, **scroll), text_box("Text Box 2", 2, UNIT_BOX)]


# case -> (shapes back-most first, chart area fill: "texture", an RGB colour or None)
CASES = {
    "414-right": (right_drawing(), None),
    "414-upper-case": ([text_box("Text Box 2", 2, UNIT_BOX, "X1000")], None),
    "414-no-text-box": ([auto_shape("AutoShape 3", 3, SCROLL)], None),
    "414-other-text": ([text_box("Text Box 2", 2, UNIT_BOX, "x 1000")], None),
    "415-right": (right_drawing(), None),
    "415-no-text-box": ([auto_shape("AutoShape 3", 3, SCROLL)], None),
    "415-moved": ([auto_shape("AutoShape 3", 3, SCROLL),
                   text_box("Text Box 2", 2, (0, 100.5, 36.77457, 12.76425))], None),
    "415-no-shape": ([text_box("Text Box 2", 2, UNIT_BOX)], None),
    "415-two-shapes": (right_drawing() + [auto_shape("AutoShape 4", 4, (150, 10, 40, 20),
                                                     preset="rect")], None),
    "415-vertical-scroll": (right_drawing(preset="verticalScroll"), None),
    "416-right": (right_drawing(), None),
    "416-excel-names": ([auto_shape("Horizontal Scroll 2", 3, SCROLL),
                         text_box("TextBox 1", 2, UNIT_BOX)], None),
    "416-moved": ([auto_shape("AutoShape 3", 3, (0, 100, 32.98276, 23.99394)),
                   text_box("Text Box 2", 2, UNIT_BOX)], None),
    "416-shape-in-front": (list(reversed(right_drawing())), None),
    "417-right": (right_drawing(), "texture"),
    "417-no-shape": ([text_box("Text Box 2", 2, UNIT_BOX)], "texture"),
    "417-white-fill": (right_drawing(fill="FFFFFF"), "texture"),
    "417-black-line": (right_drawing(line="000000"), "texture"),
    "417-untextured": (right_drawing(), "FFFFCC"),
}


def number(value):
    return repr(float(value)) if value else "0"


def anchor_of(shape):
    left, top, width, height = shape["place"]
    x0, y0 = left / CHART_WIDTH, top / CHART_HEIGHT
    x1, y1 = (left + width) / CHART_WIDTH, (top + height) / CHART_HEIGHT
    emu = [round(v * EMU_PER_POINT) for v in shape["place"]]
    solid = lambda colour: f'<a:solidFill><a:srgbClr val="{colour}"/></a:solidFill>'
    fill = solid(shape["fill"]) if shape["fill"] else "<a:noFill/>"
    line = solid(shape["line"]) if shape["line"] else "<a:noFill/>"
    mark = ' txBox="1"' if shape["box"] else ""
    body = ""
    if shape["text"] is not None:
        body = ('<cdr:txBody><a:bodyPr vertOverflow="clip" wrap="none" lIns="27432" tIns="22860"'
                ' rIns="0" bIns="0" anchor="t" upright="1"><a:spAutoFit/></a:bodyPr><a:lstStyle/>'
                '<a:p><a:pPr algn="l" rtl="0"><a:defRPr sz="1000"/></a:pPr><a:r><a:rPr lang="fr-FR"'
                ' sz="800" b="0" i="0" u="none" strike="noStrike" baseline="0"><a:solidFill>'
                '<a:srgbClr val="000000"/></a:solidFill><a:latin typeface="Arial"/>'
                f'<a:cs typeface="Arial"/></a:rPr><a:t>{shape["text"]}</a:t></a:r></a:p></cdr:txBody>')
    return (f'<cdr:relSizeAnchor xmlns:cdr="{CDR}">'
            f'<cdr:from><cdr:x>{number(x0)}</cdr:x><cdr:y>{number(y0)}</cdr:y></cdr:from>'
            f'<cdr:to><cdr:x>{number(x1)}</cdr:x><cdr:y>{number(y1)}</cdr:y></cdr:to>'
            f'<cdr:sp macro="" textlink=""><cdr:nvSpPr><cdr:cNvPr id="{shape["id"]}"'
            f' name="{shape["name"]}"/><cdr:cNvSpPr{mark}><a:spLocks xmlns:a="{A}"'
            ' noChangeArrowheads="1"/></cdr:cNvSpPr></cdr:nvSpPr>'
            f'<cdr:spPr bwMode="auto"><a:xfrm xmlns:a="{A}"><a:off x="{emu[0]}" y="{emu[1]}"/>'
            f'<a:ext cx="{emu[2]}" cy="{emu[3]}"/></a:xfrm>'
            f'<a:prstGeom xmlns:a="{A}" prst="{shape["preset"]}"><a:avLst/></a:prstGeom>'
            + fill.replace("<a:solidFill>", f'<a:solidFill xmlns:a="{A}">')
                  .replace("<a:noFill/>", f'<a:noFill xmlns:a="{A}"/>')
            + f'<a:ln xmlns:a="{A}" w="9525">{line}</a:ln></cdr:spPr>'
            + body.replace("<cdr:txBody>", f'<cdr:txBody xmlns:a="{A}">')
            + '</cdr:sp></cdr:relSizeAnchor>')


def user_shapes(shapes):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            '<c:userShapes xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart">'
            + "".join(anchor_of(shape) for shape in shapes) + "</c:userShapes>")


def texture_png():
    """An 8 x 8 picture of two colours, the tile of a texture fill."""
    raw = b"".join(b"\x00" + b"".join(bytes((200, 170, 120) if (x // 2 + y // 2) % 2
                                            else (150, 110, 60)) for x in range(8))
                   for y in range(8))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 8, 8, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def area_fill(fill):
    if fill == "texture":
        return ('<c:spPr><a:blipFill><a:blip r:embed="rId2"/><a:srcRect/><a:tile tx="0" ty="0"'
                ' sx="100000" sy="100000" flip="none" algn="tl"/></a:blipFill></c:spPr>')
    return f'<c:spPr><a:solidFill><a:srgbClr val="{fill}"/></a:solidFill></c:spPr>'


def chart_relationships(textured):
    base = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    picture = (f'<Relationship Id="rId2" Type="{base}image" Target="../media/image1.png"/>'
               if textured else "")
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            f'<Relationship Id="rId1" Type="{base}chartUserShapes"'
            f' Target="../drawings/drawing2.xml"/>{picture}</Relationships>')


def write_case(model, target, shapes, fill):
    textured = fill == "texture"
    with zipfile.ZipFile(model) as source, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as out:
        for item in source.infolist():
            data = source.read(item.filename)
            if item.filename == "xl/charts/chart1.xml":
                if fill:
                    data = data.replace(b"</c:chart>", b"</c:chart>" + area_fill(fill).encode(), 1)
                data = data.replace(b"</c:chartSpace>", b'<c:userShapes r:id="rId1"/></c:chartSpace>')
            if item.filename == "[Content_Types].xml":
                extra = ('<Override PartName="/xl/drawings/drawing2.xml" ContentType="application/'
                         'vnd.openxmlformats-officedocument.drawingml.chartshapes+xml"/>')
                if textured:
                    extra = '<Default Extension="png" ContentType="image/png"/>' + extra
                data = data.replace(b"</Types>", extra.encode() + b"</Types>")
            out.writestr(item, data)
        out.writestr("xl/drawings/drawing2.xml", user_shapes(shapes))
        out.writestr("xl/charts/_rels/chart1.xml.rels", chart_relationships(textured))
        if textured:
            out.writestr("xl/media/image1.png", texture_png())


def main(model, folder):
    for case, (shapes, fill) in CASES.items():
        write_case(model, f"{folder}/excel2007-{case}.xlsx", shapes, fill)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
