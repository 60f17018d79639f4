#include "core/engine/marks.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

// A runner as the ranking sees it. The style only matters for TypeRank.
TBachu R(const char* type, int popularity, double win, double ret, int rating = 0) {
  TBachu r;
  r.TypeClass = type;
  r.RunningStyle = ToCp932("先行");
  r.Popularity = popularity;
  r.WinPoints = win;
  r.ReturnPoints = ret;
  r.TotalPoints = win + ret;
  r.Rating = rating;
  return r;
}

const std::string& ClassText() {
  static const std::string text = ToCp932("1000万");
  return text;
}

TEST(SelectMarks, Races) {
  struct Case {
    const char* name;
    std::vector<TBachu> runners;
    MarkHorses marks;
  };
  const Case cases[] = {
      {"two main-axis runners tie on the top total: ◎ ○ without the second ranking; △ from a high total, "
       "then the D types, then by popularity",
       {R("SS", 3, 7, 8), R("SS", 1, 7, 8), R("S", 2, 6, 6), R("D", 4, 2, 6), R("M", 5, 6, 2), R("", 6, 0, 0),
        R("D", 7, 1, 5), R("", 8, 4, 4)},
       {2, 1, 3, 4, 7, 5}},
      {"no tie: ○ is the main-axis runner with the best win points; 11.0 is a high total",
       {R("SS", 4, 6, 9), R("S", 3, 5, 6), R("S", 9, 9, 7), R("M", 1, 8, 1), R("S", 2, 5, 7), R("D", 5, 1, 9)},
       {1, 4, 3, 5, 2, 6}},
      {"no second main-axis runner: ○ by popularity; five runners leave the last △ empty",
       {R("D", 1, 1, 6, 50), R("SS", 6, 6, 8), R("M", 3, 9, 1), R("D", 2, 2, 7, 60), R("", 4, 0, 0)},
       {2, 1, 4, 3, 5, 0}},
      {"no main-axis runner at all: ◎ ○ by popularity, equal popularity by rating",
       {R("D", 2, 1, 5, 40), R("D", 1, 1, 6, 30), R("", 1, 0, 0, 80), R("M", 5, 5, 1, 10)},
       {3, 2, 1, 4, 0, 0}},
      {"totals compare on their one-decimal values (7.1 + 8.2 ties 7.2 + 8.1)",
       {R("SS", 1, 7.1, 8.2), R("SS", 2, 7.2, 8.1), R("D", 3, 1, 6)},
       {1, 2, 3, 0, 0, 0}},
      {"S with popularity 9 is no main axis; popularity 0 (not set) passes",
       {R("S", 1, 5, 5), R("S", 9, 9, 9.9), R("S", 0, 5, 6), R("M", 3, 9, 1)},
       {3, 1, 2, 4, 0, 0}},
      {"a single runner gets ◎ only", {R("SS", 1, 6, 8)}, {1, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MarkSelection s = SelectMarks(c.runners, ClassText(), true);
    EXPECT_TRUE(s.Marked);
    EXPECT_EQ(s.Marks, c.marks);
  }
}

TEST(SelectMarks, NoMarks) {
  const std::vector<TBachu> race = {R("SS", 1, 7, 8), R("D", 2, 1, 6)};
  std::vector<TBachu> noPopularityForHorse1 = race;
  noPopularityForHorse1[0].Popularity = 0;
  const std::vector<TBachu> noPoints = {R("", 1, 0, 0), R("", 2, 0, 0)};
  const struct {
    const char* name;
    std::vector<TBachu> runners;
    std::string classText;
    bool paramsLoaded;
  } cases[] = {
      {"新馬", race, ToCp932("新馬"), true},
      {"no parameters", race, ClassText(), false},
      {"horse 1 without popularity", noPopularityForHorse1, ClassText(), true},
      {"no runner with points", noPoints, ClassText(), true},
      {"no runners", {}, ClassText(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MarkSelection s = SelectMarks(c.runners, c.classText, c.paramsLoaded);
    EXPECT_FALSE(s.Marked);
    EXPECT_EQ(s.Marks, (MarkHorses{}));
  }
}

TEST(MarkPositions, OneToSixOr99) {
  EXPECT_EQ(MarkPositions({3, 1, 5, 0, 0, 0}, 5), (std::vector<int>{2, 99, 1, 99, 3}));
  EXPECT_EQ(MarkPositions({}, 2), (std::vector<int>{99, 99}));
}

}  // namespace
}  // namespace orvane
