#include "look_and_feel.h"

namespace dorvane::display {

void LookAndFeel::SetKind(TLookAndFeelKind k)
{
    if (k == m_kind)
        return;
    m_kind = k;
    emit Changed();
}

void LookAndFeel::SetNativeStyle(bool v)
{
    if (v == m_nativeStyle)
        return;
    m_nativeStyle = v;
    emit Changed();
}

} // namespace dorvane::display
