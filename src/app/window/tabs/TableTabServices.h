// What the pen and line-type tabs need from the window around them: the dialogs, the status bar
// and the shared objects. Tests replace the dialogs.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace tavolex {

class TJwwData;
struct TPrintSettings;

struct TTableTabServices {
  TPrintSettings* settings = nullptr;
  // The window's document, which exists only once the program has started.
  std::function<TJwwData*()> JWW;
  // An open dialog in folder with a filter ("名前(*.ext)") and a default extension (".ext");
  // empty when cancelled.
  std::function<QString(const QString& folder, const QString& filter, const QString& defaultExt)>
      OpenFile;
  // The colour dialog started with a colour; none when cancelled.
  std::function<std::optional<QColor>(const QColor& start)> PickColor;
  std::function<void(const QString& text)> ShowStatus;
  // The display-only colour (PrnDOLCol) was set by an import; its swatch on another tab follows.
  std::function<void(int colour)> DisplayOnlyColourChanged;
};

// The services with the Qt dialogs (over parent) and no status bar.
TTableTabServices DefaultTableTabServices(TPrintSettings& settings, std::function<TJwwData*()> JWW,
                                          QWidget* parent);

}  // namespace tavolex
