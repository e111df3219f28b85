#include "screens/cached_text_label.h"

#include <QPainter>
#include <QStyle>

void CachedTextLabel::paintEvent(QPaintEvent*)
{
    const QColor colour = palette().color(foregroundRole());
    if (cache_.size() != size() * devicePixelRatio() || cachedText_ != text() || cachedFont_ != font() ||
        cachedColour_ != colour || cachedAlignment_ != alignment()) {
        cache_ = QPixmap(size() * devicePixelRatio());
        cache_.setDevicePixelRatio(devicePixelRatio());
        cache_.fill(Qt::transparent);
        QPainter painter(&cache_);
        painter.setFont(font());
        style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                              palette(), isEnabled(), text(), foregroundRole());
        cachedText_ = text();
        cachedFont_ = font();
        cachedColour_ = colour;
        cachedAlignment_ = alignment();
    }
    QPainter(this).drawPixmap(0, 0, cache_);
}
