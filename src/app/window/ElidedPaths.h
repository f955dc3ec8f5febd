// Long drawing paths kept readable: where a path does not fit, its folder part is shortened in
// the middle so that the file name, and what a text says after the path, stay in view. The whole
// path remains the entry's data and shows as a tooltip.
#pragma once

#include <QLabel>
#include <QString>

class QFontMetrics;
class QListWidget;

namespace tavolex {

// text, which holds path once, fitted into width pixels by shortening the folder part of path;
// text itself when it fits or holds no such path.
QString ElideFolder(const QString& text, const QString& path, const QFontMetrics& metrics,
                    int width);

// Shows every entry of the list with its folder shortened to the row and its full path as the
// tooltip; the entries' texts stay the full paths.
void ShowPathsElided(QListWidget* list);

// The status line: a text that may name a path, shortened in that path's folder part to the
// width the line has.
class TStatusLine : public QLabel {
 public:
  explicit TStatusLine(const QString& text);

  void SetStatus(const QString& text, const QString& path = {});
  const QString& FullText() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QString full_;
  QString path_;
};

}  // namespace tavolex
