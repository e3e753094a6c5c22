# Writes the chart workbooks of exercises 413 and 418 in which one series is drawn as another
# kind of plot than the others, or the columns are 3-D cones. Run with the system Python that
# has python3-uno, from any folder:
#   /usr/bin/python3 make_combinations.py OUTPUT_FOLDER [PROFILE_FOLDER]
# It builds make_source.c against libxlsxwriter (cc), writes with it the five-series column
# chart on "Année N" and on "Année N-1", opens each in a headless LibreOffice Calc (its own
# profile, PROFILE_FOLDER or OUTPUT_FOLDER/.profile), changes the chart through the chart2
# object model (a series moved into a chart type of its own in the same coordinate system)
# and saves with the filter "Calc MS Excel 2007 XML".
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from libreoffice_session import Office, save  # noqa: E402

CONE = 2  # com.sun.star.chart.ChartSolidType.CONE


def make_sources(folder):
    """The two libxlsxwriter workbooks: the chart on sheet 1 and on sheet 2."""
    program = os.path.join(folder, "make_source")
    subprocess.run(["cc", "-o", program, os.path.join(HERE, "make_source.c"), "-lxlsxwriter"],
                   check=True)
    sources = {}
    for sheet in (1, 2):
        sources[sheet] = os.path.join(folder, "source-%d.xlsx" % sheet)
        subprocess.run([program, sources[sheet], str(sheet)], check=True)
    return sources


def chart_of(document, sheet):
    return document.Sheets.getByIndex(sheet - 1).Charts.getByIndex(0).EmbeddedObject


def coordinate_system(chart):
    return chart.getFirstDiagram().getCoordinateSystems()[0]


def move_series(office, chart, number, chart_type):
    """Moves series `number` (1-based) into a new chart type `chart_type` (a chart2 service)."""
    system = coordinate_system(chart)
    columns = system.getChartTypes()[0]
    series = columns.getDataSeries()[number - 1]
    columns.removeDataSeries(series)
    plot = office.create(chart_type)
    plot.addDataSeries(series)
    system.addChartType(plot)


def remove_series(chart, number):
    columns = coordinate_system(chart).getChartTypes()[0]
    columns.removeDataSeries(columns.getDataSeries()[number - 1])


def average_as_line(office, chart):
    move_series(office, chart, len(coordinate_system(chart).getChartTypes()[0].getDataSeries()),
                "com.sun.star.chart2.LineChartType")


def third_as_area(office, chart):
    # The area first: Calc numbers the series group by group in the order of its chart
    # types, so the average stays the fifth series.
    move_series(office, chart, 3, "com.sun.star.chart2.AreaChartType")
    average_as_line(office, chart)


def four_series(office, chart):
    remove_series(chart, 4)
    average_as_line(office, chart)


def cone_columns(office, chart):
    diagram = chart.Diagram
    diagram.Dim3D = True
    diagram.Deep = False
    diagram.SolidType = CONE


def unchanged(office, chart):
    pass


# The workbooks: file name, the sheet of the chart, the change made to it.
WORKBOOKS = [
    ("libreoffice-413-right.xlsx", 1, average_as_line),
    ("libreoffice-413-third-area.xlsx", 1, third_as_area),
    ("libreoffice-413-four-series.xlsx", 1, four_series),
    ("libreoffice-418-right.xlsx", 2, average_as_line),
    ("libreoffice-418-cone.xlsx", 2, cone_columns),
    ("libreoffice-418-columns.xlsx", 2, unchanged),
]


def main():
    out = sys.argv[1]
    profile = sys.argv[2] if len(sys.argv) > 2 else os.path.join(out, ".profile")
    with tempfile.TemporaryDirectory() as folder:
        sources = make_sources(folder)
        with Office(profile) as office:
            for name, sheet, change in WORKBOOKS:
                document = office.open(sources[sheet])
                change(office, chart_of(document, sheet))
                save(document, os.path.join(out, name))


if __name__ == "__main__":
    main()
