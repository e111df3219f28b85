#include "design_fonts.h"

#include <QVariant>
#include <QWidget>

namespace runtime {

void ApplyExactPointSizes(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QVariant size = control->property("pointSizeF");
        if (!size.isValid())
            continue;
        QFont font = control->font();
        font.setPointSizeF(size.toDouble());
        control->setFont(font);
    }
}

}  // namespace runtime
