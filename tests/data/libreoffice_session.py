# A headless LibreOffice Calc driven through python3-uno, for the scripts that write the
# committed workbooks: starts soffice on its own profile and pipe, loads and saves workbooks
# with the filter "Calc MS Excel 2007 XML", and stops the office it started.
import os
import subprocess
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


class Office:
    """A running soffice with the profile folder `profile`; use it in a with statement."""

    def __init__(self, profile):
        self.pipe = "k27093fixtures%d" % os.getpid()
        self.process = subprocess.Popen(
            ["soffice", "--headless", "--invisible", "--norestore",
             "-env:UserInstallation=" + uno.systemPathToFileUrl(os.path.abspath(profile)),
             "--accept=pipe,name=%s;urp;" % self.pipe])
        self.context = self._resolve()
        self.desktop = self.context.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", self.context)

    def _resolve(self):
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(90):
            try:
                return resolver.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % self.pipe)
            except Exception:
                time.sleep(1)
        self.process.terminate()
        raise RuntimeError("LibreOffice did not start")

    def create(self, service):
        """A new instance of the UNO service `service` (chart types ...)."""
        return self.context.ServiceManager.createInstanceWithContext(service, self.context)

    def new_workbook(self):
        return self.desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                                 (prop("Hidden", True),))

    def open(self, path):
        return self.desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(path)), "_blank", 0,
            (prop("Hidden", True),))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=60)
        except subprocess.TimeoutExpired:
            self.process.terminate()


def save(document, path):
    """Saves `document` as "Calc MS Excel 2007 XML" to `path` and closes it."""
    document.storeToURL(uno.systemPathToFileUrl(os.path.abspath(path)),
                        (prop("FilterName", "Calc MS Excel 2007 XML"),))
    document.close(True)
