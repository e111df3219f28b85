#include "design_fonts.h"

#include <QFont>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace runtime {

QFont designDefaultFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(9);
    return font;
}

namespace {

void growToFitText(QLabel* label)
{
    if (label->frameShape() != QFrame::NoFrame || !(label->alignment() & Qt::AlignLeft) || label->wordWrap())
        return;
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
    if (needed > label->width())
        label->resize(needed, label->height());
}

}  // namespace

void applyDesignFonts(QWidget* window)
{
    window->setFont(designDefaultFont());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QVariant size = control->property("pointSizeF");
        if (!size.isValid())
            continue;
        QFont font = control->font();
        font.setPointSizeF(size.toDouble());
        control->setFont(font);
    }
    for (QLabel* label : window->findChildren<QLabel*>())
        growToFitText(label);
}

}  // namespace runtime
