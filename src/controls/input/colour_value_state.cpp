#include "colour_value_state.h"

namespace dorvane {

bool ColourValueState::Write(int value, int rowOfValue)
{
    if (value == m_colorValue)
        return false;
    m_colorValue = value;
    m_assignedColor = value;
    m_editValue = value;
    m_selectedRow = rowOfValue;
    // The written value is the new point of return for Esc.
    m_changedSinceFocus = false;
    m_editValueAtFocus = m_editValue;
    return true;
}

void ColourValueState::SelectRow(int row, std::optional<int> rowColour)
{
    if (row < 0)
        rowColour.reset();
    if (rowColour != m_editValue)
        m_changedSinceFocus = true;
    m_selectedRow = row < 0 ? -1 : row;
    m_editValue = rowColour;
    applyValueRule(rowColour);
}

void ColourValueState::AdoptEditValue(int value, int row)
{
    m_editValue = value;
    m_selectedRow = row;
    applyValueRule(row >= 0 ? std::optional<int>(value) : std::nullopt);
}

void ColourValueState::BeginFocusSession()
{
    m_changedSinceFocus = false;
    m_editValueAtFocus = m_editValue;
}

std::optional<std::optional<int>> ColourValueState::ValueToRestore() const
{
    if (!m_changedSinceFocus)
        return std::nullopt;
    return m_editValueAtFocus;
}

void ColourValueState::RestoreSelection(int row, std::optional<int> editValue)
{
    m_selectedRow = row;
    m_editValue = editValue;
    m_changedSinceFocus = false;
    applyValueRule(row >= 0 ? editValue : std::nullopt);
}

void ColourValueState::applyValueRule(std::optional<int> rowColour)
{
    m_colorValue = m_selectedRow >= 0 && rowColour ? *rowColour : m_assignedColor;
}

} // namespace dorvane
