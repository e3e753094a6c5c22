// Writes the sales workbook of the chart exercises with one clustered column chart of five
// series: the four regions of rows 4 to 7 and "Moyenne" of row 8 (the averages of each
// quarter), each series a row of F:G over the quarters F3:G3. Both sheets "Année N" and
// "Année N-1" hold the table and the marker comment of G9 (author "Formateur").
//   make_source OUTPUT.xlsx SHEET   (SHEET 1 or 2: the sheet that holds the chart)
#include <stdio.h>
#include <stdlib.h>
#include <xlsxwriter.h>

static const char* kSheetNames[] = {"Ann\xC3\xA9" "e N", "Ann\xC3\xA9" "e N-1"};
static const char* kMarker =
    "Cette annotation est utilis\xC3\xA9" "e comme rep\xC3\xA8" "re pour v\xC3\xA9rifier "
    "que la structure du tableau n'a pas \xC3\xA9t\xC3\xA9 modifi\xC3\xA9" "e : MERCI de ne "
    "pas la supprimer !";

static void write_table(lxw_worksheet* sheet, double scale) {
  const char* regions[] = {"NORD", "SUD", "EST", "OUEST"};
  worksheet_write_string(sheet, 2, 4, "Ventes", NULL);
  worksheet_write_string(sheet, 2, 5, "Trim 1", NULL);
  worksheet_write_string(sheet, 2, 6, "Trim 2", NULL);
  double sums[2] = {0, 0};
  for (int r = 0; r < 4; ++r) {
    worksheet_write_string(sheet, 3 + r, 4, regions[r], NULL);
    for (int q = 0; q < 2; ++q) {
      const double value = scale * (2 * r + 1 + q);
      worksheet_write_number(sheet, 3 + r, 5 + q, value, NULL);
      sums[q] += value;
    }
  }
  worksheet_write_string(sheet, 7, 4, "Moyenne", NULL);
  worksheet_write_formula_num(sheet, 7, 5, "=AVERAGE(F4:F7)", NULL, sums[0] / 4);
  worksheet_write_formula_num(sheet, 7, 6, "=AVERAGE(G4:G7)", NULL, sums[1] / 4);
  lxw_comment_options comment = {.author = "Formateur"};
  worksheet_write_comment_opt(sheet, 8, 6, kMarker, &comment);
}

static lxw_chart* five_series_columns(lxw_workbook* book, const char* sheetName) {
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
  char categories[64], values[64], name[64];
  snprintf(categories, sizeof categories, "='%s'!$F$3:$G$3", sheetName);
  for (int r = 4; r <= 8; ++r) {
    snprintf(values, sizeof values, "='%s'!$F$%d:$G$%d", sheetName, r, r);
    snprintf(name, sizeof name, "='%s'!$E$%d", sheetName, r);
    chart_series_set_name(chart_add_series(chart, categories, values), name);
  }
  chart_title_set_name(chart, "Ventes par r\xC3\xA9gion");
  return chart;
}

int main(int argc, char** argv) {
  const int chartSheet = argc == 3 ? atoi(argv[2]) : 0;
  if (chartSheet != 1 && chartSheet != 2) {
    fprintf(stderr, "usage: make_source OUTPUT.xlsx 1|2\n");
    return 64;
  }
  lxw_workbook* book = workbook_new(argv[1]);
  lxw_worksheet* sheets[2];
  for (int s = 0; s < 2; ++s) {
    sheets[s] = workbook_add_worksheet(book, kSheetNames[s]);
    write_table(sheets[s], s ? 50 : 100);
  }
  const char* name = kSheetNames[chartSheet - 1];
  worksheet_insert_chart(sheets[chartSheet - 1], CELL("B12"), five_series_columns(book, name));
  return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
