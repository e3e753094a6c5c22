# Writes LibreOffice Calc workbooks that the tests read: form check boxes on a protected
# sheet, and 3-D bar charts of every shape. Run with the system Python that has python3-uno:
#   /usr/bin/python3 make-libreoffice-controls.py OUTPUT_FOLDER
import os
import subprocess
import sys
import time

import uno
from com.sun.star.awt import Point, Rectangle, Size
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress

PIPE = "k27093fixtures"


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(profile):
    office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore",
                               "-env:UserInstallation=file://" + profile,
                               "--accept=pipe,name=%s;urp;" % PIPE])
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(90):
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % PIPE)
            return office, context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
        except Exception:
            time.sleep(1)
    raise RuntimeError("LibreOffice did not start")


def save(document, path):
    document.storeToURL("file://" + os.path.abspath(path),
                        (prop("FilterName", "Calc MS Excel 2007 XML"),))
    document.close(True)


def presentation(desktop, path, states, password):
    """The workbook of exercise 421 with its four check boxes on the sheet Réponses."""
    document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                            (prop("Hidden", True),))
    sheets = document.Sheets
    analysis = sheets.getByIndex(0)
    analysis.Name = "Analyse des résultats"
    analysis.getCellByPosition(1, 1).String = "Résultats des ventes par région"
    sheets.insertNewByName("Réponses", 1)
    answers = sheets.getByName("Réponses")
    answers.getCellByPosition(1, 1).String = \
        "Quelles présentations conviennent à l'analyse des résultats ?"
    choices = ["Un graphique en secteurs par trimestre", "Un histogramme groupé par région",
               "Un tableau sans mise en forme", "Une courbe de l'évolution mensuelle"]
    for k, choice in enumerate(choices):
        answers.getCellByPosition(2, 3 + k).String = choice
        shape = document.createInstance("com.sun.star.drawing.ControlShape")
        model = document.createInstance("com.sun.star.form.component.CheckBox")
        model.Name = "Case à cocher %d" % (k + 1)
        model.Label = "Réponse %d" % (k + 1)
        model.TriState = True
        model.State = states[k]
        shape.Control = model
        shape.Position = Point(1000, 2300 + k * 450)
        shape.Size = Size(1500, 450)
        answers.DrawPage.add(shape)
        shape.Name = "Case à cocher %d" % (k + 1)
    answers.protect(password)
    document.CurrentController.setActiveSheet(answers)
    save(document, path)


def add_chart(sheet, name, data, top, configure):
    rectangle = Rectangle(1000, top, 9000, 5000)
    address = data.RangeAddress
    sheet.Charts.addNewByName(name, rectangle, (address,), True, True)
    chart = sheet.Charts.getByName(name).EmbeddedObject
    configure(chart)


def bar3d(shape, horizontal=False, stacked=False, percent=False, deep=False):
    def configure(chart):
        diagram = chart.createInstance("com.sun.star.chart.BarDiagram")
        chart.Diagram = diagram
        diagram.Dim3D = True
        diagram.Vertical = horizontal
        diagram.Stacked = stacked
        diagram.Percent = percent
        diagram.Deep = deep
        diagram.SolidType = shape
    return configure


def columns_and_line(chart):
    diagram = chart.createInstance("com.sun.star.chart.BarDiagram")
    chart.Diagram = diagram
    diagram.NumberOfLines = 1


def three_d_shapes(desktop, path):
    """3-D bar charts of every shape on the second sheet, and a column and line chart."""
    document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                            (prop("Hidden", True),))
    data = document.Sheets.getByIndex(0)
    data.Name = "Données"
    rows = [("", "Nord", "Sud"), ("Janvier", 12, 7), ("Février", 15, 9), ("Mars", 11, 14)]
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            cell = data.getCellByPosition(c, r)
            if isinstance(value, str):
                cell.String = value
            else:
                cell.Value = value
    document.Sheets.insertNewByName("Graphiques", 1)
    charts = document.Sheets.getByName("Graphiques")
    source = data.getCellRangeByName("A1:C4")
    cylinder, cone, pyramid = 1, 2, 3
    specs = [
        ("ConeColumns", bar3d(cone)),                                  # 99
        ("ConeBarsStacked", bar3d(cone, horizontal=True, stacked=True)),  # 103
        ("CylinderColumnsPercent", bar3d(cylinder, stacked=True, percent=True)),  # 94
        ("PyramidColumnsDeep", bar3d(pyramid, deep=True)),             # 112
        ("BoxBars", bar3d(0, horizontal=True)),                        # 60
        ("ColumnsAndLine", columns_and_line),                          # -4111
    ]
    for index, (name, configure) in enumerate(specs):
        add_chart(charts, name, source, 500 + index * 5500, configure)
    save(document, path)


def main():
    out = sys.argv[1]
    profile = os.path.abspath(os.path.join(out, ".profile"))
    office, desktop = connect(profile)
    try:
        presentation(desktop, os.path.join(out, "libreoffice-421-check-boxes.xlsx"),
                     [0, 1, 1, 0], "")
        presentation(desktop, os.path.join(out, "libreoffice-421-password.xlsx"),
                     [1, 0, 0, 0], "secret")
        three_d_shapes(desktop, os.path.join(out, "libreoffice-3d-shapes.xlsx"))
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=60)


if __name__ == "__main__":
    main()
