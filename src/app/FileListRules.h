// The rules of the window's drawing list and the texts the window shows for them, kept apart
// from the window so that they are tested without a display.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/UnitPrint.h"

namespace tavolex {

// A dropped name is taken up to this many characters, as the drop message hands them over.
inline constexpr std::size_t kDroppedNameMax = 512;

// Swaps every selected entry with the one above it (the first entry stays); the selection then
// follows the moved entries, and a selected first entry ends unselected. Returns the number of
// entries that were selected.
int MoveSelectedUp(std::vector<std::u16string>& list, std::vector<bool>& selected);
// The same downwards; a selected last entry stays and ends unselected.
int MoveSelectedDown(std::vector<std::u16string>& list, std::vector<bool>& selected);

// A comparison of two list entries: negative, zero or positive as a sorts before, with or after b.
using TListCompare = std::function<int(const std::u16string& a, const std::u16string& b)>;

// Sorts the list by the comparison; entries it finds equal keep their order. The window hands it
// the comparison of the user's locale with letter case ignored, as its list control sorts.
void SortEntries(std::vector<std::u16string>& list, const TListCompare& compare);

// The names of a drop, each cut to kDroppedNameMax characters.
std::vector<std::u16string> DroppedNames(const std::vector<std::u16string>& names);

// The Jw_cad program named by the command of the ".JWW" file association: a quoted program
// path up to its closing quote, otherwise the text before the first space.
std::u16string JwwExeFromCommand(const std::u16string& command);

// Status texts and questions of the list and the run.
std::u16string AddedStatus(int count);
std::u16string DeleteQuestion(int count);
std::u16string DeletedStatus(int count);
std::u16string MovedUpStatus(int count);
std::u16string MovedDownStatus(int count);
std::u16string SortedStatus(int count);

inline constexpr char16_t kWindowTitle[] = u"JWW図面ファイル連続印刷　Tavolex Ver.1.10";
inline constexpr char16_t kStartStatus[] = u"JWW図面ファイル連続印刷　Tavolex";
inline constexpr char16_t kEmptyListMessage[] = u"印刷を行うファイル名を指定して下さい。";
inline constexpr char16_t kStartQuestion[] = u"印刷を開始します。よろしいですか？";
inline constexpr char16_t kExitQuestion[] = u"終了します。よろしいですか？";
inline constexpr char16_t kResetQuestion[] =
    u"設定を初期化了します。現在の設定はクリアされます。よろしいですか？";
// Shown instead of the closing text when the printer refused a document or page, so a failed
// run is never reported as finished.
inline constexpr char16_t kPrinterFailedStatus[] =
    u"プリンタへの出力に失敗しました。印刷されていないページがあります。";

// Paper and printable sizes in millimetres as the print system states them; whole device
// pixels or points would miss the sheet by a few hundredths.
struct TPaperMm {
  double paperW = 0, paperH = 0;
  double pageW = 0, pageH = 0;
};

// The printer line of the settings tab: name, paper and printable sizes rounded to 0.01 mm.
std::u16string PrinterInfoText(const std::u16string& name, const TPaperMm& sizes);
// Added to the placeholder name when no system printer exists and the run writes a PDF file.
inline constexpr char16_t kPdfOutputNote[] = u"（PDFファイルに出力）";

}  // namespace tavolex
