# Writes LibreOffice Calc workbooks that the tests read: the answer workbooks of exercise 421
# (form check boxes and an instruction text box on a protected sheet), and 3-D bar charts of
# every shape. Run with the system Python that has python3-uno:
#   /usr/bin/python3 make-libreoffice-controls.py OUTPUT_FOLDER [PROFILE_FOLDER]
# It starts its own headless soffice on PROFILE_FOLDER (OUTPUT_FOLDER/.profile by default).
import os
import sys

from libreoffice_session import Office, save

from com.sun.star.awt import Point, Rectangle, Size

UNTICKED, TICKED = 0, 1
CHOICES = ["Un graphique en secteurs par trimestre", "Un histogramme groupé par région",
           "Un tableau sans mise en forme", "Une courbe de l'évolution mensuelle"]

# The answer workbooks of exercise 421: file name, the four boxes' states, the password.
PRESENTATIONS = [
    ("libreoffice-421-right.xlsx", [UNTICKED, TICKED, UNTICKED, TICKED], ""),
    ("libreoffice-421-nothing.xlsx", [UNTICKED] * 4, ""),
    ("libreoffice-421-one-two-four.xlsx", [TICKED, TICKED, UNTICKED, TICKED], ""),
    ("libreoffice-421-two-only.xlsx", [UNTICKED, TICKED, UNTICKED, UNTICKED], ""),
    ("libreoffice-421-check-boxes.xlsx", [UNTICKED, TICKED, TICKED, UNTICKED], ""),
    ("libreoffice-421-password.xlsx", [TICKED, UNTICKED, UNTICKED, UNTICKED], "secret"),
]


def add_check_box(document, page, number, state):
    shape = document.createInstance("com.sun.star.drawing.ControlShape")
    model = document.createInstance("com.sun.star.form.component.CheckBox")
    model.Name = "Case à cocher %d" % number
    model.Label = "Réponse %d" % number
    model.TriState = True
    model.State = state
    shape.Control = model
    shape.Position = Point(1000, 1850 + number * 450)
    shape.Size = Size(1500, 450)
    page.add(shape)
    shape.Name = "Case à cocher %d" % number


def add_instruction(document, page):
    """The text box above the boxes that tells the learner what to do."""
    shape = document.createInstance("com.sun.star.drawing.TextShape")
    shape.Position = Point(1000, 1300)
    shape.Size = Size(6000, 500)
    page.add(shape)
    shape.String = "Cochez les bonnes réponses"
    shape.Name = "Consigne"


def presentation(office, path, states, password):
    """The workbook of exercise 421: its four check boxes and the instruction on Réponses."""
    document = office.new_workbook()
    sheets = document.Sheets
    analysis = sheets.getByIndex(0)
    analysis.Name = "Analyse des résultats"
    analysis.getCellByPosition(1, 1).String = "Résultats des ventes par région"
    sheets.insertNewByName("Réponses", 1)
    answers = sheets.getByName("Réponses")
    answers.getCellByPosition(1, 1).String = \
        "Quelles présentations conviennent à l'analyse des résultats ?"
    add_instruction(document, answers.DrawPage)
    for k, choice in enumerate(CHOICES):
        answers.getCellByPosition(2, 3 + k).String = choice
        add_check_box(document, answers.DrawPage, k + 1, states[k])
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


def three_d_shapes(office, path):
    """3-D bar charts of every shape on the second sheet, and a column and line chart."""
    document = office.new_workbook()
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
    profile = sys.argv[2] if len(sys.argv) > 2 else os.path.join(out, ".profile")
    with Office(profile) as office:
        for name, states, password in PRESENTATIONS:
            presentation(office, os.path.join(out, name), states, password)
        three_d_shapes(office, os.path.join(out, "libreoffice-3d-shapes.xlsx"))


if __name__ == "__main__":
    main()
