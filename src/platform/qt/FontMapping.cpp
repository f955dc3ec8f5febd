#include "platform/qt/FontMapping.h"

#include <QFontDatabase>
#include <QHash>

namespace tavolex {

namespace {

const QString kGothic = QStringLiteral("IPAGothic");
const QString kPGothic = QStringLiteral("IPAPGothic");
const QString kMincho = QStringLiteral("IPAMincho");
const QString kPMincho = QStringLiteral("IPAPMincho");
// Per-character fallbacks for what the IPA fonts lack (characters beyond the BMP such as U+20BB7,
// much of JIS X 0213, mathematical signs): Noto CJK covers most, IPAmj Mincho nearly all kanji.
const QString kNotoSans = QStringLiteral("Noto Sans CJK JP");
const QString kNotoSerif = QStringLiteral("Noto Serif CJK JP");
const QString kMjMincho = QStringLiteral("IPAmjMincho");

bool IsMinchoFamily(const QString& family) {
  return family == kMincho || family == kPMincho;
}

// Lower case ASCII, full-width letters and digits folded to ASCII, blanks and "@" removed.
QString Normalised(const std::u16string& faceName) {
  QString out;
  for (char16_t c : faceName) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    if (c == u' ' || c == 0x3000 || c == u'@' || c == u'_' || c == u'-') continue;
    out.append(QChar(c).toLower());
  }
  return out;
}

bool Installed(const QString& family) {
  return QFontDatabase::hasFamily(family);
}

// A Japanese-capable family that is installed, preferring the one asked for.
QString JapaneseFamily(const QString& preferred) {
  if (Installed(preferred)) return preferred;
  for (const QString& f : {kGothic, kMincho, kPGothic, kPMincho}) {
    if (Installed(f)) return f;
  }
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  return japanese.isEmpty() ? preferred : japanese.front();
}

QString MapUncached(const std::u16string& faceName) {
  // The face itself when the system has it (Windows, or the fonts installed by hand).
  QString family = QString::fromStdU16String(faceName);
  while (family.startsWith(u'@'))
    family.remove(0, 1);
  if (!family.isEmpty() && Installed(family)) return family;

  const QString n = Normalised(faceName);
  const bool mincho = n.contains(QStringLiteral("明朝")) || n.contains(QStringLiteral("mincho"));
  const bool gothic =
      n.contains(QStringLiteral("ゴシック")) || n.contains(QStringLiteral("gothic")) ||
      n.contains(QStringLiteral("メイリオ")) || n.contains(QStringLiteral("meiryo"));
  // "ＭＳ Ｐゴシック", "MS PMincho", "MS UI Gothic", Meiryo: proportional faces.
  const bool proportional =
      n.startsWith(QStringLiteral("msp")) || n.contains(QStringLiteral("pゴシック")) ||
      n.contains(QStringLiteral("p明朝")) || n.contains(QStringLiteral("pgothic")) ||
      n.contains(QStringLiteral("pmincho")) || n.startsWith(QStringLiteral("msui")) ||
      n.contains(QStringLiteral("メイリオ")) || n.contains(QStringLiteral("meiryo"));
  if (mincho) return JapaneseFamily(proportional ? kPMincho : kMincho);
  if (gothic || n.isEmpty()) return JapaneseFamily(proportional ? kPGothic : kGothic);
  // Any other name that is not installed: a Japanese gothic.
  return JapaneseFamily(kGothic);
}

}  // namespace

QString MapFaceName(const std::u16string& faceName) {
  static QHash<QString, QString> cache;
  const QString key = QString::fromStdU16String(faceName);
  const auto it = cache.constFind(key);
  if (it != cache.constEnd()) return it.value();
  const QString family = MapUncached(faceName);
  cache.insert(key, family);
  return family;
}

QStringList FontFamiliesFor(const std::u16string& faceName) {
  const QString mapped = MapFaceName(faceName);
  QStringList families{mapped};
  const bool mincho = IsMinchoFamily(mapped);
  const QString notoFirst = mincho ? kNotoSerif : kNotoSans;
  const QString notoSecond = mincho ? kNotoSans : kNotoSerif;
  for (const QString& f : {kGothic, kMincho, notoFirst, notoSecond, kMjMincho}) {
    if (!families.contains(f) && Installed(f)) families.append(f);
  }
  const QString any = JapaneseFamily(kGothic);
  if (!families.contains(any)) families.append(any);
  return families;
}

}  // namespace tavolex
