#include "screens/window_frames.h"

#include "generated/nabrel_facts.h"

namespace screens {

QString appTitle()
{
    return QString::fromUtf8(nabrel::kTitle);
}

}  // namespace screens
