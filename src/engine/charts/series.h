// The series of a chart: SeriesImpl (its formula's name, categories and values bound to the
// workbook, its own chart type and fill colour), SeriesCollectionImpl (plot order, 1004 for a
// missing item) and InteriorImpl (the fill colour, R + 256*G + 65536*B).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/objects/node.h"
#include "engine/charts/series_source.h"
#include "spreadsheet/series.h"

namespace k27093::engine {

class ChartImpl;

class SeriesImpl : public xl::Series, public Node {
 public:
  SeriesImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart,
             std::shared_ptr<Presence> presence, std::int32_t chartType, std::int32_t color);

  // "=SERIES(name,categories,values,order)" in the canonical form.
  std::string Formula() override;
  // Raises 1004 ("Unable to set the Formula property of the Series class") for a text that is
  // not a series formula, a sheet that does not exist, or values given as a text.
  void SetFormula(std::string_view formula) override;
  // The name cell's text (several cells: joined by blanks), the literal, or "SeriesN".
  std::string Name() override;
  // A text starting with "=" is a reference ("=Feuil1!$A$1"); anything else a literal.
  void SetName(std::string_view name) override;
  std::int32_t Type() override;
  std::int32_t ChartType() override;
  // Raises 1004 for a value that is not a chart type.
  void SetChartType(std::int32_t type) override;
  Ref<xl::Interior> Interior() override;
  // The series becomes the selection while it exists: deleting it (or its chart) leaves
  // nothing selected. Raises 1004 unless the chart's sheet is the active sheet.
  void Select() override;
  void Delete() override;

  // Engine side.
  std::int32_t chartType() const { return chartType_; }
  void StoreChartType(std::int32_t type) { chartType_ = type; }
  std::int32_t color() const { return color_; }
  void StoreColor(std::int32_t color) { color_ = color; }
  const SeriesSource& categories() const { return categories_; }
  const SeriesSource& values() const { return values_; }
  // Sets the three sources (building a chart from a file).
  void StoreSources(SeriesSource name, SeriesSource categories, SeriesSource values);
  // Ends the series' presence (it was deleted).
  void MarkRemoved() { ownPresence_->Remove(); }

 private:
  ChartImpl& chart() const;
  // The sheet a reference without a sheet name refers to (the embedded chart's sheet).
  std::shared_ptr<WorksheetImpl> DefaultSheet() const;

  std::weak_ptr<ChartImpl> chart_;
  std::shared_ptr<Presence> ownPresence_;
  std::int32_t chartType_;
  std::int32_t color_;
  SeriesSource name_;
  SeriesSource categories_;
  SeriesSource values_;
};

class SeriesCollectionImpl : public xl::SeriesCollection, public Node {
 public:
  SeriesCollectionImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart);
  std::int32_t Count() override;
  // By plot order or name (case ignored); raises 1004 when missing.
  Ref<xl::Series> Item(const Variant& index) override;
  Ref<xl::Series> NewSeries() override;

 private:
  std::shared_ptr<ChartImpl> chart_;
};

class InteriorImpl : public xl::Interior, public Node {
 public:
  InteriorImpl(std::shared_ptr<Session> session, std::shared_ptr<SeriesImpl> series);
  std::int32_t Color() override;
  // Raises 1004 for a value outside 0..16777215.
  void SetColor(std::int32_t color) override;

 private:
  std::shared_ptr<SeriesImpl> series_;
};

}  // namespace k27093::engine
