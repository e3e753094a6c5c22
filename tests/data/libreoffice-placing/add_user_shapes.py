# Adds to placing-source.xlsx a chart drawing (c:userShapes) holding one text box, in the
# shape Excel 2007 writes it, and saves the result as placing-with-textbox.xlsx.
import zipfile
SRC, DST = "placing-source.xlsx", "placing-with-textbox.xlsx"
shapes = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
  '<c:userShapes xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart">'
  '<cdr:relSizeAnchor xmlns:cdr="http://schemas.openxmlformats.org/drawingml/2006/chartDrawing">'
  '<cdr:from><cdr:x>0.02</cdr:x><cdr:y>0.75</cdr:y></cdr:from>'
  '<cdr:to><cdr:x>0.17</cdr:x><cdr:y>0.85</cdr:y></cdr:to>'
  '<cdr:sp macro="" textlink=""><cdr:nvSpPr><cdr:cNvPr id="2" name="Text Box 1"/>'
  '<cdr:cNvSpPr txBox="1"/></cdr:nvSpPr><cdr:spPr><a:xfrm xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">'
  '<a:off x="0" y="0"/><a:ext cx="0" cy="0"/></a:xfrm></cdr:spPr>'
  '<cdr:txBody><a:bodyPr xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" wrap="none"/>'
  '<a:p xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"><a:r><a:t>x1000</a:t></a:r></a:p>'
  '</cdr:txBody></cdr:sp></cdr:relSizeAnchor></c:userShapes>')
rels = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
  '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartUserShapes" Target="../drawings/drawing2.xml"/>'
  '</Relationships>')
with zipfile.ZipFile(SRC) as source, zipfile.ZipFile(DST, "w", zipfile.ZIP_DEFLATED) as out:
    for item in source.infolist():
        data = source.read(item.filename)
        if item.filename == "xl/charts/chart1.xml":
            data = data.replace(b"</c:chartSpace>", b'<c:userShapes r:id="rId1"/></c:chartSpace>')
            if b'xmlns:r=' not in data.split(b">", 2)[1]:
                data = data.replace(b"<c:chartSpace ", b'<c:chartSpace xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" ', 1)
        if item.filename == "[Content_Types].xml":
            data = data.replace(b"</Types>", b'<Override PartName="/xl/drawings/drawing2.xml" ContentType="application/vnd.openxmlformats-officedocument.drawingml.chartshapes+xml"/></Types>')
        out.writestr(item, data)
    out.writestr("xl/drawings/drawing2.xml", shapes)
    out.writestr("xl/charts/_rels/chart1.xml.rels", rels)
