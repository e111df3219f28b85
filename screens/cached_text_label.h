#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>

// A plain-text label with a transparent background that lays out and
// rasterizes its text once, then blits it: for windows that repaint fifty
// times a second under unchanging text.
class CachedTextLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap cache_;
    QString cachedText_;
    QFont cachedFont_;
    QColor cachedColour_;
    Qt::Alignment cachedAlignment_;
};
