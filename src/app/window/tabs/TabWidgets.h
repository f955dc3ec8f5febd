// Small pieces shared by the pen and line-type tabs.
#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tavolex {

struct TTableTabServices;

// A Windows colour value 0x00BBGGRR as a QColor and back.
QColor WinColorToQColor(uint32_t colour);
uint32_t QColorToWinColor(const QColor& colour);

// An edit field and a button with their form names.
QLineEdit* MakeEdit(const QString& name, QWidget* parent);
QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent);

QString QStr(const std::u16string& s);
std::u16string UStr(const QString& s);

// A radio group box (object name given) with its items; the buttons' ids are the item indexes.
QGroupBox* MakeRadioGroup(const QString& objectName, const QString& title, const QStringList& items,
                          QButtonGroup*& buttons, QWidget* parent);
// The choice of a table tab: the table from the drawing (id 0) or as set below (id 1).
QGroupBox* MakeTableSourceGroup(const QString& objectName, QButtonGroup*& buttons, QWidget* parent);
int CheckedIndex(const QButtonGroup* buttons);
void CheckIndex(QButtonGroup* buttons, int index);

// Grid cell (row, col) counted as the form counts them: row 0 is the header (the table's header
// row) and column 0 the row names (cells that cannot be edited).
QString GridText(const QTableWidget* grid, int row, int col);
void SetGridText(QTableWidget* grid, int row, int col, const std::u16string& text);

// A data table: headers from fixedText(row, col), the row-name column width and the widths of
// the data columns from colWidth(col).
void SetUpGrid(QTableWidget* grid, int rows, int cols,
               std::u16string (*fixedText)(int row, int col), int (*colWidth)(int col));

// The import dialogs: drawings in FFolder1, environment files in FFolder2. The chosen file, its
// folder kept; empty when cancelled.
std::filesystem::path ChooseDrawingFile(const TTableTabServices& services);
std::filesystem::path ChooseEnvironmentFile(const TTableTabServices& services);

// A label shown as a colour swatch, and the colour it shows.
void ColorLabel(QWidget* label, const QColor& colour);
QColor LabelColor(const QWidget* label);
// The swatch of a Windows colour value.
void PaintSwatch(QWidget* label, uint32_t colour);

}  // namespace tavolex
