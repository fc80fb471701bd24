#include "tcxspineditproperties.h"

void TcxSpinEditButtons::SetPosition(TcxSpinEditButtonsPosition v)
{
    if (v == m_position)
        return;
    m_position = v;
    emit Changed();
}

void TcxSpinEditButtons::SetShowFastButtons(bool v)
{
    if (v == m_showFastButtons)
        return;
    m_showFastButtons = v;
    emit Changed();
}

TcxSpinEditProperties::TcxSpinEditProperties(QObject *parent)
    : QObject(parent), m_spinButtons(new TcxSpinEditButtons(this))
{
    connect(m_spinButtons, &TcxSpinEditButtons::Changed, this, &TcxSpinEditProperties::Changed);
}

void TcxSpinEditProperties::SetValueType(TcxSpinEditValueType v) { set(m_valueType, v); }

void TcxSpinEditProperties::SetMinValue(double v)
{
    m_minAssigned = true;
    set(m_minValue, m_maxAssigned && v > m_maxValue ? m_maxValue : v);
}

void TcxSpinEditProperties::SetMaxValue(double v)
{
    m_maxAssigned = true;
    set(m_maxValue, m_minAssigned && v < m_minValue ? m_minValue : v);
}

void TcxSpinEditProperties::SetIncrement(double v) { set(m_increment, v); }
void TcxSpinEditProperties::SetLargeIncrement(double v) { set(m_largeIncrement, v); }
void TcxSpinEditProperties::SetCanEdit(bool v) { set(m_canEdit, v); }
void TcxSpinEditProperties::SetUseCtrlIncrement(bool v) { set(m_useCtrlIncrement, v); }
void TcxSpinEditProperties::SetValidateOnEnter(bool v) { set(m_validateOnEnter, v); }
void TcxSpinEditProperties::SetImmediatePost(bool v) { set(m_immediatePost, v); }
void TcxSpinEditProperties::SetAutoSelect(bool v) { set(m_autoSelect, v); }
void TcxSpinEditProperties::SetBeepOnError(bool v) { set(m_beepOnError, v); }
void TcxSpinEditProperties::SetReadOnly(bool v) { set(m_readOnly, v); }
