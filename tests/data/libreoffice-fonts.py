"""Makes the chart-font fixtures of tests/data with LibreOffice Calc through python3-uno.

Run from tests/data, with a Calc listening on the pipe "k27093fonts":
  soffice --headless --invisible --accept="pipe,name=k27093fonts;urp;" &
  /usr/bin/python3 libreoffice-fonts.py
Each fixture is libreoffice-401-right.xlsx with its chart given a title "Ventes" and fonts,
saved again as "Calc MS Excel 2007 XML".
"""
import os

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def set_font(part, name, size):
    part.CharFontName = name
    part.CharHeight = size


def make(desktop, target, title_font, text_font):
    here = os.path.abspath(".")
    source = uno.systemPathToFileUrl(os.path.join(here, "libreoffice-401-right.xlsx"))
    doc = desktop.loadComponentFromURL(source, "_blank", 0, (prop("Hidden", True),))
    chart = doc.Sheets.getByIndex(0).Charts.getByIndex(0).EmbeddedObject
    chart.HasMainTitle = True
    chart.Title.String = "Ventes"
    set_font(chart.Title, *title_font)
    set_font(chart.Legend, *text_font)
    set_font(chart.Diagram.XAxis, *text_font)
    set_font(chart.Diagram.YAxis, *text_font)
    output = uno.systemPathToFileUrl(os.path.join(here, target))
    doc.storeToURL(output, (prop("FilterName", "Calc MS Excel 2007 XML"),))
    doc.close(True)


def main():
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    context = resolver.resolve(
        "uno:pipe,name=k27093fonts;urp;StarOffice.ComponentContext")
    desktop = context.ServiceManager.createInstanceWithContext(
        "com.sun.star.frame.Desktop", context)
    make(desktop, "libreoffice-401-title-fonts.xlsx", ("Times New Roman", 11), ("Arial", 10))
    make(desktop, "libreoffice-401-arial-11.xlsx", ("Arial", 11), ("Arial", 11))


main()
