#include "app/FileListRules.h"

#include <algorithm>

#include "common/Func_2.h"

namespace tavolex {

namespace {

int CountSelected(const std::vector<bool>& selected) {
  int n = 0;
  for (bool s : selected)
    n += s ? 1 : 0;
  return n;
}

}  // namespace

int MoveSelectedUp(std::vector<std::u16string>& list, std::vector<bool>& selected) {
  selected.resize(list.size(), false);
  const std::vector<bool> was = selected;
  const int n = CountSelected(was);
  if (list.size() < 2) return n;
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (was[i]) std::swap(list[i - 1], list[i]);
  }
  selected.assign(list.size(), false);
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (was[i]) selected[i - 1] = true;
  }
  return n;
}

int MoveSelectedDown(std::vector<std::u16string>& list, std::vector<bool>& selected) {
  selected.resize(list.size(), false);
  const std::vector<bool> was = selected;
  const int n = CountSelected(was);
  if (list.size() < 2) return n;
  for (std::size_t i = list.size() - 1; i-- > 0;) {
    if (was[i]) std::swap(list[i], list[i + 1]);
  }
  selected.assign(list.size(), false);
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    if (was[i]) selected[i + 1] = true;
  }
  return n;
}

void SortEntries(std::vector<std::u16string>& list, const TListCompare& compare) {
  std::stable_sort(list.begin(), list.end(), [&](const std::u16string& a, const std::u16string& b) {
    return compare(a, b) < 0;
  });
}

std::vector<std::u16string> DroppedNames(const std::vector<std::u16string>& names) {
  std::vector<std::u16string> out;
  out.reserve(names.size());
  for (const std::u16string& name : names)
    out.push_back(name.substr(0, kDroppedNameMax));
  return out;
}

std::u16string JwwExeFromCommand(const std::u16string& command) {
  if (!command.empty() && command[0] == u'"') {
    const std::size_t close = command.find(u'"', 1);
    return command.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1);
  }
  return command.substr(0, command.find(u' '));
}

std::u16string AddedStatus(int count) {
  return IntStr(count) + u"個のファイルを一覧に追加しました。";
}

std::u16string DeleteQuestion(int count) {
  return u"選択した" + IntStr(count) + u"個のファイルを一覧から削除します。よろしいですか？";
}

std::u16string DeletedStatus(int count) {
  return IntStr(count) + u"個のファイルを一覧から削除しました。";
}

std::u16string MovedUpStatus(int count) {
  return IntStr(count) + u"個のファイルを上に移動しました。";
}

std::u16string MovedDownStatus(int count) {
  return IntStr(count) + u"個のファイルを下に移動しました。";
}

std::u16string SortedStatus(int count) {
  return IntStr(count) + u"個のファイルを並べ替えました。";
}

std::u16string PrinterInfoText(const std::u16string& name, const TPaperMm& sizes) {
  const auto mm = [](double v) { return FixedStr(2, RoundMm(v)); };
  return u"プリンタ名：" + name + u"\r\n用紙サイズ：横：" + mm(sizes.paperW) + u"mm　縦：" +
         mm(sizes.paperH) + u"mm　印刷サイズ：横：" + mm(sizes.pageW) + u"mm　縦：" +
         mm(sizes.pageH) + u"mm";
}

}  // namespace tavolex
