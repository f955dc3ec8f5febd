// Face names of the drawings (Windows Japanese fonts such as "ＭＳ ゴシック" or "MS Mincho") mapped
// to installed families, with Japanese-capable fallbacks so that no character prints as a box.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace tavolex {

// The installed family used for a face name: the face itself when installed, else the IPA font
// of its kind (gothic or mincho, fixed or proportional), else a Japanese gothic. Leading "@"
// (vertical writing) are ignored: the engine turns the characters itself.
QString MapFaceName(const std::u16string& faceName);

// The families tried in order, per character, for a face name: the mapped one, the IPA fonts,
// then the wider Japanese fonts (Noto CJK JP, serif first for mincho faces; IPAmj Mincho).
QStringList FontFamiliesFor(const std::u16string& faceName);

}  // namespace tavolex
