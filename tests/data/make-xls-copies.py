# Saves each workbook named on the command line again in the binary 97-2003 format (.xls) with
# LibreOffice Calc's filter "MS Excel 97", into the folder FOLDER, under the same name with the
# extension .xls. The copies carry what Calc read of each workbook, so a copy of a workbook
# Calc saved itself holds what that workbook holds.
#   /usr/bin/python3 make-xls-copies.py PROFILE FOLDER WORKBOOK...
import os
import sys

import uno

from libreoffice_session import Office, prop


def main():
    profile, folder, workbooks = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3:]
    os.makedirs(folder, exist_ok=True)
    with Office(profile) as office:
        for workbook in workbooks:
            document = office.open(workbook)
            name = os.path.splitext(os.path.basename(workbook))[0] + ".xls"
            target = os.path.join(folder, name)
            document.storeToURL(uno.systemPathToFileUrl(target),
                                (prop("FilterName", "MS Excel 97"),))
            document.close(True)
            print(target)


if __name__ == "__main__":
    main()
