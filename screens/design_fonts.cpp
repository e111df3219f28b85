#include "screens/design_fonts.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace screens {

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

// Measuring text is what first brings up the font database and loads each
// face, about half of a start-up: the window needs none of it to map, only to
// paint. So its labels are fitted when it is first exposed, after it has
// mapped and before its first frame is drawn.
class CaptionFitter final : public QObject {
public:
    explicit CaptionFitter(QWidget& window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle()) {
            // The native window exists from here on, and is not yet exposed.
            window_.removeEventFilter(this);
            window_.windowHandle()->installEventFilter(this);
        } else if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            for (QLabel* label : window_.findChildren<QLabel*>())
                growToFitText(label);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

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
    new CaptionFitter(*window);
}

}  // namespace screens
