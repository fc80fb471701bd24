#pragma once
#include <optional>

namespace dorvane {

// The picker's value and selection and the rule that ties them together: whenever the selected
// row or the edit value changes, the value becomes the selected row's colour, or the colour
// last assigned by code when no row is selected. Rows are handed in as (row, colour) pairs so
// that this class knows nothing of the lists.
class ColourValueState
{
public:
    explicit ColourValueState(int initial) : m_colorValue(initial), m_assignedColor(initial) {}

    int ColorValue() const { return m_colorValue; }
    int AssignedColor() const { return m_assignedColor; }
    std::optional<int> EditValue() const { return m_editValue; }
    int SelectedRow() const { return m_selectedRow; }
    bool ChangedSinceFocus() const { return m_changedSinceFocus; }

    // A value written by code (or the colour dialog); false when it already was the value.
    bool Write(int value, int rowOfValue);
    // A row chosen by the user (list, keys, wheel, Delete, dialog); `rowColour` is empty for -1.
    void SelectRow(int row, std::optional<int> rowColour);
    // Points the selection at a row without marking a change (after loading).
    void AdoptEditValue(int value, int row);

    // The focus arrived: remember the value so that Esc can bring it back.
    void BeginFocusSession();
    // The edit value remembered at focus, when the user changed the value since; else none.
    std::optional<std::optional<int>> ValueToRestore() const;
    void RestoreSelection(int row, std::optional<int> editValue);

private:
    void applyValueRule(std::optional<int> rowColour);

    int m_colorValue;
    int m_assignedColor;
    std::optional<int> m_editValue;
    int m_selectedRow = -1;
    bool m_changedSinceFocus = false;
    std::optional<int> m_editValueAtFocus;
};

} // namespace dorvane
