#include "core/race/grid_newsletter.hpp"

#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"
#include "core/race/grid_cells.hpp"

namespace orvane {
namespace {

std::string Centred(std::string_view text) { return "<P ALIGN=\"center\">" + std::string(text) + "</P>"; }
std::string Right(std::string_view text) { return "<P ALIGN=\"right\">" + std::string(text) + "</P>"; }

std::string Points(double points, bool paramsLoaded, const char* colour) {
  if (!paramsLoaded || points == 0) return {};
  return Right(std::string("<font color=\"") + colour + "\">" + OneDecimal(points) + "</font>");
}

}  // namespace

NewsletterRow NewsletterRowCells(std::string_view entryLine, int horseNumber, const TBachu& runner, int markPosition,
                                 bool paramsLoaded) {
  static const std::string rank = ToCp932("位");
  const std::string mark = MarkText(markPosition);
  const std::string_view bracket = Field(entryLine, 23, 1);

  NewsletterRow row;
  if (!mark.empty()) row[0] = Centred(mark);
  row[1] = Centred(bracket.empty() ? std::string_view("0") : bracket);
  row[2] = Right(std::to_string(horseNumber));
  row[3] = runner.HorseName;
  row[4] = Centred(runner.WeightText);
  row[5] = runner.Jockey;
  row[6] = FullWidthPatternText(runner);
  if (paramsLoaded) row[7] = TypeText(runner);
  if (runner.Popularity > 0) row[8] = Right(std::to_string(runner.Popularity) + rank);
  row[9] = Points(runner.WinPoints, paramsLoaded, "#663399");
  row[10] = Points(runner.ReturnPoints, paramsLoaded, "#006600");
  if (paramsLoaded && runner.TotalPoints != 0) row[11] = Right(TotalText(runner));
  return row;
}

}  // namespace orvane
