#include "window_helpers.h"

namespace runtime {

QString AppTitle()
{
    return QStringLiteral("～Nabrel～ Orlenby");
}

QColor ColorFromDesignValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace runtime
