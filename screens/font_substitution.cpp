#include "screens/font_substitution.h"

#include <QFont>
#include <QStringList>

namespace screens {

void installFontSubstitutions()
{
    // A machine that has the design's fonts uses them as they are; these are
    // tried only where it does not: their English names, the metric-compatible
    // IPA P fonts, then the system's own Japanese fonts.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Yu Gothic"),
                                QStringLiteral("Meiryo"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"),
                               {QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"), QStringLiteral("Yu Mincho"),
                                QStringLiteral("MS Mincho"), QStringLiteral("Noto Serif CJK JP")});
}

}  // namespace screens
