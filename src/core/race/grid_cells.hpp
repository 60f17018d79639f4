#pragma once
// The data-cell texts of the race grid, columns 0 to 9: small HTML fragments,
// CP932 bytes, exactly as the grid shows them. Columns 10 to 12 are the
// runner's PastText.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

// Mark positions: 1 ◎, 2 ○, 3..6 △; anything else (99) has no mark.
inline constexpr int kNoMarkPosition = 99;

// "◎" for mark position 1, "○" for 2, "△" for 3 to 6, else empty.
std::string MarkText(int markPosition);
// Column 0: "<BR><P ALIGN=\"center\">◎</P>" and so on; empty without a mark.
std::string MarkCell(int markPosition);
// Column 1: the bracket number, entry record position 23.
std::string BracketCell(std::string_view entryLine);
// Column 2: 27 bytes for horses 1-9, 28 from 10 on.
std::string HorseNumberCell(int horseNumber);
// Column 3: sex and age, the horse name as an anchor carrying the horse
// number, the weight carried and entry record positions 157-168.
std::string HorseNameCell(std::string_view entryLine, int horseNumber, const TBachu& runner);
// Column 4: "<BR>" + PatternText.
std::string PatternCell(const TBachu& runner);
// Column 5: "<BR>" + TypeText; empty unless the course parameters were loaded.
std::string TypeCell(const TBachu& runner, bool paramsLoaded);
// The type picture drawn over column 5 (TypeRank, 0 D .. 3 SS) when the runner has a type.
std::optional<int> TypePicture(const TBachu& runner);
// Column 6 as written from the ranks: "<BR><P ALIGN=\"center\">" + rank + "位</P>".
std::string PopularityCell(int rank);
// Columns 7, 8, 9: empty unless the parameters were loaded and the points are not 0.
std::string WinPointsCell(const TBachu& runner, bool paramsLoaded);
std::string ReturnPointsCell(const TBachu& runner, bool paramsLoaded);
std::string TotalPointsCell(const TBachu& runner, bool paramsLoaded);

// The running style in its colour, "・" and the distance change; the change
// alone without a style; empty without a change.
std::string PatternText(const TBachu& runner);
// PatternText with the distance change in full-width characters (newsletter).
std::string FullWidthPatternText(const TBachu& runner);
// "<P ALIGN=\"center\"><font color=..><B>ＳＳ</B></P>" (the font tag stays open); empty without a type.
std::string TypeText(const TBachu& runner);
// The total with one decimal: red and bold from 11.0 on, else blue.
std::string TotalText(const TBachu& runner);

// The horse number of a column 2 cell: byte 23 of a 27-byte cell, bytes 23-24
// of a 28-byte cell, 0 for any other cell.
int HorseNumberFromCell(std::string_view cell);

// The 人気 cell editor (manual popularity mode): an empty item, then "1位" up
// to the runner count.
std::vector<std::string> PopularityEditorItems(int runnerCount);
// Column 6 after the editor: "<BR><P Align=\"center\">" + item + "</p>"; empty for the empty item.
std::string EditedPopularityCell(std::string_view item);
// The rank in either form of the 人気 cell: the digits between "er\">" and
// "位"; 0 when the cell has no such tag.
int RankFromPopularityCell(std::string_view cell);

}  // namespace orvane
