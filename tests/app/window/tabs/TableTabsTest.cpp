// The pen and line-type tabs of the window on the offscreen platform.
#include <QImage>
#include <QtTest>
#include <fstream>

#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "app/window/tabs/TabWidgets.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {

class TableTabsTest : public QObject {
  Q_OBJECT

 private:
  TgraAttribute att_;
  TJwwData jww_;
  TPrintSettings s_;
  QString chosen_;   // what the open dialog returns
  QString status_;   // the last status text
  int dialogs_ = 0;  // open dialogs shown

  TTableTabServices Services() {
    TTableTabServices sv;
    sv.settings = &s_;
    sv.JWW = [this] { return &jww_; };
    sv.OpenFile = [this](const QString&, const QString&, const QString&) {
      ++dialogs_;
      return chosen_;
    };
    sv.PickColor = [](const QColor&) -> std::optional<QColor> { return QColor(0, 0, 255); };
    sv.ShowStatus = [this](const QString& t) { status_ = t; };
    return sv;
  }

  static QString Cell(const QTableWidget* g, int row, int col) { return GridText(g, row, col); }

 private slots:
  void init() {
    GAtt = &att_;
    s_ = TPrintSettings();
    s_.FillTablesFrom(att_);
    status_.clear();
    chosen_.clear();
  }
  void cleanup() { GAtt = nullptr; }

  void ColourFollowsIntoTheSwatchAndBulkInputKeepsTheLimits() {
    TPenTab tab(Services());
    tab.resize(800, 600);
    tab.SettingsToForm(s_);
    QCOMPARE(tab.SG01->rowCount(), 265);
    QCOMPARE(tab.SG01->columnCount(), 5);
    tab.SG01->item(0, 1)->setText(QStringLiteral("255"));  // pen 1, colour red
    const QRect swatch = tab.SG01->visualItemRect(tab.SG01->item(0, 2));
    const QImage shot = tab.SG01->viewport()->grab().toImage();
    QCOMPARE(shot.pixelColor(swatch.center()), QColor(255, 0, 0));
    tab.SG01DblClick(2, 2);  // the colour dialog on the swatch of pen 2
    QCOMPARE(Cell(tab.SG01, 2, 1), QStringLiteral("16711680"));

    tab.Edit7DblClick();  // the colour dialog for the bulk colour, with its swatch
    QCOMPARE(tab.Edit7->text(), QStringLiteral("16711680"));
    QCOMPARE(tab.LabelA3->palette().color(QPalette::Window), QColor(0, 0, 255));

    tab.SG01->setRangeSelected(QTableWidgetSelectionRange(1, 1, 3, 4), true);  // rows 2 .. 4
    tab.Edit8->setText(QStringLiteral("-1"));
    tab.Button6->click();
    tab.Edit9->setText(QStringLiteral("0"));
    tab.Button7->click();
    tab.Edit7->setText(QStringLiteral("-7"));
    tab.Button5->click();
    for (int row = 2; row <= 4; ++row) {
      QCOMPARE(Cell(tab.SG01, row, 3), QStringLiteral("0"));
      QCOMPARE(Cell(tab.SG01, row, 4), QStringLiteral("0.01"));
      QCOMPARE(Cell(tab.SG01, row, 1), QStringLiteral("0"));
    }
    QCOMPARE(Cell(tab.SG01, 5, 3), QStr(FloatStr(s_.PrnCol[4].width)));
    TPrintSettings out = s_;
    tab.FormToSettings(out);
    QCOMPARE(out.PrnCol[0].color, 255u);
    QCOMPARE(out.PrnCol[2].ten_r, 0.01);
  }

  void EnvironmentPensFillTheRowsTheyNameAndNothingElse() {
    test::ScopedTempDir dir;
    const std::string text = test::ToCp932(
        u"# 線色設定（色 R G B、線幅、点半径）\r\nS_COMM_2 = 0 -50\r\n"
        u"PCOLLOR_3 = 255 0 0 5 0.5\r\nPCOLLOR_G = 0 0 255\r\n");
    std::ofstream(dir / "jw_win.jwf", std::ios::binary) << text;
    std::ofstream(dir / "jw_win.txt", std::ios::binary) << text;
    int displayOnly = -1;
    TTableTabServices sv = Services();
    sv.DisplayOnlyColourChanged = [&](int c) { displayOnly = c; };
    TPenTab withSwatch(sv);
    withSwatch.SettingsToForm(s_);
    withSwatch.SG01->item(1, 3)->setText(QStringLiteral("abc"));  // an edit not yet taken

    chosen_.clear();  // cancelled
    withSwatch.Button9->click();
    chosen_ = QStr(StrFromPath(dir / "jw_win.txt"));
    withSwatch.Button9->click();
    QCOMPARE(Cell(withSwatch.SG01, 3, 1), QStr(IntStr(s_.PrnCol[2].color)));
    QVERIFY(status_.isEmpty());

    chosen_ = QStr(StrFromPath(dir / "jw_win.jwf"));
    withSwatch.Button9->click();
    QCOMPARE(Cell(withSwatch.SG01, 3, 1), QStringLiteral("255"));
    QCOMPARE(Cell(withSwatch.SG01, 3, 3), QStringLiteral("0.1"));
    QCOMPARE(Cell(withSwatch.SG01, 3, 4), QStringLiteral("0.5"));
    QCOMPARE(Cell(withSwatch.SG01, 2, 3), QStringLiteral("abc"));
    QCOMPARE(displayOnly, 0xFF0000);
    QCOMPARE(status_, QStringLiteral("ファイル ") + chosen_ +
                          QStringLiteral(" から線色・線幅設定を読み取りました。"));
    QCOMPARE(QStr(s_.FFolder2), QStr(StrFromPath(dir.path() / "")));
  }

  void LineTypesTakeTheDrawingsUnitAndKeepAtMost32Elements() {
    test::ScopedTempDir dir;
    test::WDrawing d;
    d.header.jwVer = 600;
    d.header.nPrtDpi = 1;
    d.header.EntLtp1[0].alLType = static_cast<int32_t>(0xCCCCCCCCu);
    d.header.EntLtp1[0].anPrtTokushuSenPich = 1;
    QVERIFY(test::SaveJww(dir / "図面.jww", d));
    TLtypeTab tab(Services());
    tab.SettingsToForm(s_);
    QCOMPARE(tab.SG02->rowCount(), 50);
    QCOMPARE(tab.SG02->columnCount(), 35);
    tab.Edit10->setText(QStringLiteral("0.5"));
    chosen_ = QStr(StrFromPath(dir / "図面.jww"));
    tab.Button10->click();
    QCOMPARE(tab.Edit10->text(), QStringLiteral("0.085"));
    QCOMPARE(Cell(tab.SG02, 2, 2), QStringLiteral("2"));
    QCOMPARE(Cell(tab.SG02, 2, 3), QStringLiteral("0.17"));
    QCOMPARE(status_, QStringLiteral("ファイル ") + chosen_ +
                          QStringLiteral(" から線種設定を読み取りました。"));

    tab.SG02->item(19, 2)->setText(QStringLiteral("40"));  // row 20
    for (int c = 3; c <= 34; ++c)
      tab.SG02->item(19, c)->setText(QStringLiteral("2"));
    TPrintSettings out = s_;
    tab.FormToSettings(out);
    QCOMPARE(out.PrnTyp[19].seg, 32);
    QCOMPARE(out.PrnTyp[19].pit, 64.0);
    QCOMPARE(out.LtypeUnit, 0.085);
    tab.SettingsToForm(out);
    QCOMPARE(Cell(tab.SG02, 20, 2), QStringLiteral("32"));

    const QString before = tab.Edit10->text();
    chosen_ = QStr(StrFromPath(dir / "missing.jww"));
    status_.clear();
    tab.Button10->click();
    QCOMPARE(tab.Edit10->text(), before);
    QVERIFY(status_.isEmpty());
  }
};

}  // namespace tavolex

QTEST_MAIN(tavolex::TableTabsTest)
#include "TableTabsTest.moc"
