# Opens placing-with-textbox.xlsx in LibreOffice Calc, places the chart object at 10 x 10 pt
# and sizes it 247.5 x 146.25 pt (LibreOffice keeps 1/100 mm: 353, 8731 x 5159), and saves the
# workbook as libreoffice-placing.xlsx ("Calc MS Excel 2007 XML").
import os, subprocess, time
import uno
from com.sun.star.awt import Point, Size
from com.sun.star.beans import PropertyValue

def prop(name, value):
    p = PropertyValue(); p.Name = name; p.Value = value; return p

here = os.path.abspath(os.path.dirname(__file__))
office = subprocess.Popen(["soffice", "-env:UserInstallation=file://" + here + "/profile",
                           "--headless", "--invisible", "--norestore",
                           "--accept=pipe,name=placingfixture;urp;"])
try:
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(60):
        try:
            context = resolver.resolve("uno:pipe,name=placingfixture;urp;StarOffice.ComponentContext")
            break
        except Exception:
            time.sleep(1)
    desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    source = uno.systemPathToFileUrl(here + "/placing-with-textbox.xlsx")
    document = desktop.loadComponentFromURL(source, "_blank", 0, (prop("Hidden", True),))
    chart = document.Sheets.getByIndex(0).DrawPage.getByIndex(0)
    chart.Position = Point(353, 353)
    chart.Size = Size(8731, 5159)
    target = uno.systemPathToFileUrl(here + "/libreoffice-placing.xlsx")
    document.storeToURL(target, (prop("FilterName", "Calc MS Excel 2007 XML"),))
    document.close(True)
    try:
        desktop.terminate()
    except Exception:
        pass
finally:
    try:
        office.wait(timeout=60)
    except subprocess.TimeoutExpired:
        office.terminate()
