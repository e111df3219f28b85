#include "font_substitution.h"

#include <QFont>
#include <QStringList>

namespace runtime {

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"),
                               {QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho")});
}

}  // namespace runtime
