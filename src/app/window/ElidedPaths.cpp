#include "app/window/ElidedPaths.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace tavolex {

namespace {

// Paints an entry with its folder shortened to the row; its size does not ask for a wider list.
class PathItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QStyle* style = option->widget != nullptr ? option->widget->style() : nullptr;
    const int margin =
        style != nullptr ? 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) : 4;
    option->text =
        ElideFolder(option->text, option->text, option->fontMetrics, option->rect.width() - margin);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {1, QStyledItemDelegate::sizeHint(option, index).height()};
  }
};

}  // namespace

QString ElideFolder(const QString& text, const QString& path, const QFontMetrics& metrics,
                    int width) {
  const qsizetype at = path.isEmpty() ? -1 : text.indexOf(path);
  if (at < 0 || metrics.horizontalAdvance(text) <= width) return text;
  const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
  const QString folder = path.left(cut);
  const int rest = metrics.horizontalAdvance(text) - metrics.horizontalAdvance(folder);
  const QString shortFolder =
      metrics.elidedText(folder, Qt::ElideMiddle, std::max(width - rest, 0));
  QString fitted = text;
  return fitted.replace(at, cut, shortFolder);
}

void ShowPathsElided(QListWidget* list) {
  list->setItemDelegate(new PathItemDelegate(list));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideMiddle);
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                   [list](const QModelIndex&, int first, int last) {
                     for (int row = first; row <= last; ++row) {
                       QListWidgetItem* item = list->item(row);
                       item->setData(Qt::ToolTipRole, item->text());
                     }
                   });
}

TStatusLine::TStatusLine(const QString& text) : full_(text) {
  // The line takes the width the status bar gives it rather than the width of its text.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setMinimumWidth(1);
  Fit();
}

void TStatusLine::SetStatus(const QString& text, const QString& path) {
  full_ = text;
  path_ = path;
  Fit();
}

void TStatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void TStatusLine::Fit() {
  const int width = contentsRect().width() - 2 * margin() - std::max(indent(), 0);
  setText(ElideFolder(full_, path_, fontMetrics(), width));
  setToolTip(text() == full_ ? QString() : full_);
}

}  // namespace tavolex
