// Writes placing-source.xlsx: the sales table, a 330 x 195 px column chart 13 px from the
// sheet's top-left corner, the second sheet active.
#include <xlsxwriter.h>

int main(void) {
  lxw_workbook* book = workbook_new("placing-source.xlsx");
  lxw_worksheet* current = workbook_add_worksheet(book,
                                                  "Ann\xC3\xA9"
                                                  "e N");
  lxw_worksheet* previous = workbook_add_worksheet(book,
                                                   "Ann\xC3\xA9"
                                                   "e N-1");
  const char* regions[] = {"NORD", "SUD", "EST", "OUEST"};
  lxw_worksheet* sheets[] = {current, previous};
  for (int s = 0; s < 2; ++s) {
    worksheet_write_string(sheets[s], 2, 4, "Ventes", NULL);
    worksheet_write_string(sheets[s], 2, 5, "Trim 1", NULL);
    worksheet_write_string(sheets[s], 2, 6, "Trim 2", NULL);
    for (int r = 0; r < 4; ++r) {
      worksheet_write_string(sheets[s], 3 + r, 4, regions[r], NULL);
      worksheet_write_number(sheets[s], 3 + r, 5, (s ? 50 : 100) * (2 * r + 1), NULL);
      worksheet_write_number(sheets[s], 3 + r, 6, (s ? 50 : 100) * (2 * r + 2), NULL);
    }
  }
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
  for (int r = 4; r <= 7; ++r) {
    char values[64], name[64];
    snprintf(values, sizeof values,
             "='Ann\xC3\xA9"
             "e N'!$F$%d:$G$%d",
             r, r);
    snprintf(name, sizeof name,
             "='Ann\xC3\xA9"
             "e N'!$E$%d",
             r);
    lxw_chart_series* series = chart_add_series(chart,
                                                "='Ann\xC3\xA9"
                                                "e N'!$F$3:$G$3",
                                                values);
    chart_series_set_name(series, name);
  }
  chart_title_set_name(chart, "Ventes par r\xC3\xA9gion");
  lxw_chart_options options = {0};
  options.x_offset = 13;
  options.y_offset = 13;
  options.x_scale = 330.0 / 480.0;
  options.y_scale = 195.0 / 288.0;
  worksheet_insert_chart_opt(current, 0, 0, chart, &options);
  worksheet_activate(previous);
  return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
