// Writes chart-shapes-model.xlsx: the exercise workbook of the chart exercises as handed out
// with its chart drawn. Two sheets "Année N" and "Année N-1", each with the sales table E3:G7
// and the marker comment in G9 (author "Formateur"), and on "Année N" a column chart of the
// four products (series in rows) 330 x 195 px (247.5 x 146.25 pt) at B11. "Année N" is active.
// Build: cc make_model.c -lxlsxwriter -o make_model && ./make_model
#include <stdio.h>
#include <xlsxwriter.h>

#define CURRENT "Ann\xC3\xA9" "e N"
#define PREVIOUS "Ann\xC3\xA9" "e N-1"

static const char* kMarker =
    "Cette annotation est utilis\xC3\xA9" "e comme rep\xC3\xA8" "re pour v\xC3\xA9" "rifier "
    "que la structure du tableau n'a pas \xC3\xA9t\xC3\xA9 modifi\xC3\xA9" "e : MERCI de ne "
    "pas la supprimer !";
static const char* kProducts[] = {"T\xC3\xA9l\xC3\xA9viseurs", "R\xC3\xA9" "frig\xC3\xA9rateurs",
                                  "Lave-linge", "Cafeti\xC3\xA8res"};

static void WriteTable(lxw_worksheet* sheet, double scale) {
  worksheet_write_string(sheet, 2, 5, "Trim 1", NULL);
  worksheet_write_string(sheet, 2, 6, "Trim 2", NULL);
  for (int r = 0; r < 4; ++r) {
    worksheet_write_string(sheet, 3 + r, 4, kProducts[r], NULL);
    worksheet_write_number(sheet, 3 + r, 5, scale * (120 + 40 * r), NULL);
    worksheet_write_number(sheet, 3 + r, 6, scale * (150 + 30 * r), NULL);
  }
  lxw_comment_options comment = {0};
  comment.author = "Formateur";
  worksheet_write_comment_opt(sheet, 8, 6, kMarker, &comment);
}

int main(void) {
  lxw_workbook* book = workbook_new("chart-shapes-model.xlsx");
  lxw_worksheet* current = workbook_add_worksheet(book, CURRENT);
  lxw_worksheet* previous = workbook_add_worksheet(book, PREVIOUS);
  WriteTable(current, 1.0);
  WriteTable(previous, 0.9);
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
  for (int row = 4; row <= 7; ++row) {
    char values[64], name[64];
    snprintf(values, sizeof values, "='" CURRENT "'!$F$%d:$G$%d", row, row);
    snprintf(name, sizeof name, "='" CURRENT "'!$E$%d", row);
    lxw_chart_series* series = chart_add_series(chart, "='" CURRENT "'!$F$3:$G$3", values);
    chart_series_set_name(series, name);
  }
  lxw_chart_options placement = {0};
  placement.x_scale = 330.0 / 480.0;
  placement.y_scale = 195.0 / 288.0;
  worksheet_insert_chart_opt(current, 10, 1, chart, &placement);
  return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
