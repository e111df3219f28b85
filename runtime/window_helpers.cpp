#include "window_helpers.h"

namespace runtime {

QString appTitle()
{
    return QStringLiteral(NABREL_TITLE);
}

QColor colorFromDesignValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace runtime
