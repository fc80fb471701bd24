#pragma once
#include "tcxcolorcomboboxitems.h"

#include <QObject>
#include <QPalette>
#include <QString>
#include <functional>

// The settings of a colour picker, its two colour lists and its hooks. The drop-down list shows
// the lists as one sequence of rows: the recently chosen colours (MRU) first, then `Items`.
class TcxColorComboBoxProperties final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool AllowSelectColor READ AllowSelectColor WRITE SetAllowSelectColor NOTIFY Changed)
    Q_PROPERTY(TcxColorComboStyle ColorComboStyle READ ColorComboStyle WRITE SetColorComboStyle NOTIFY Changed)
    Q_PROPERTY(TcxColorBoxAlign ColorBoxAlign READ ColorBoxAlign WRITE SetColorBoxAlign NOTIFY Changed)
    Q_PROPERTY(int ColorBoxFrameColor READ ColorBoxFrameColor WRITE SetColorBoxFrameColor NOTIFY Changed)
    Q_PROPERTY(int ColorBoxWidth READ ColorBoxWidth WRITE SetColorBoxWidth NOTIFY Changed)
    Q_PROPERTY(TcxColorDialogType ColorDialogType READ ColorDialogType WRITE SetColorDialogType NOTIFY Changed)
    Q_PROPERTY(TcxColorValueFormat ColorValueFormat READ ColorValueFormat WRITE SetColorValueFormat NOTIFY Changed)
    Q_PROPERTY(int DefaultColor READ DefaultColor WRITE SetDefaultColor NOTIFY Changed)
    Q_PROPERTY(QString DefaultDescription READ DefaultDescription WRITE SetDefaultDescription NOTIFY Changed)
    Q_PROPERTY(TcxDefaultColorStyle DefaultColorStyle READ DefaultColorStyle WRITE SetDefaultColorStyle NOTIFY Changed)
    Q_PROPERTY(bool ShowDescriptions READ ShowDescriptions WRITE SetShowDescriptions NOTIFY Changed)
    Q_PROPERTY(int MaxMRUColors READ MaxMRUColors WRITE SetMaxMRUColors NOTIFY Changed)
    Q_PROPERTY(TcxColorNamingConvention NamingConvention READ NamingConvention WRITE SetNamingConvention NOTIFY Changed)
    Q_PROPERTY(TcxColorPrepareList PrepareList READ PrepareList WRITE SetPrepareList NOTIFY Changed)
    Q_PROPERTY(TcxColorComboBoxItems *Items READ Items)
    Q_PROPERTY(QString PrepareInfo READ PrepareInfo WRITE SetPrepareInfo)
    Q_PROPERTY(int DropDownRows READ DropDownRows WRITE SetDropDownRows NOTIFY Changed)
    Q_PROPERTY(bool ImmediatePost READ ImmediatePost WRITE SetImmediatePost)
    Q_PROPERTY(bool ValidateOnEnter READ ValidateOnEnter WRITE SetValidateOnEnter)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly NOTIFY Changed)

public:
    enum TcxColorComboStyle { cxccsComboList, cxccsComboEdit };
    Q_ENUM(TcxColorComboStyle)
    enum TcxColorBoxAlign { cbaLeft, cbaRight };
    Q_ENUM(TcxColorBoxAlign)
    enum TcxColorDialogType { cxcdtDefault, cxcdtCustom };
    Q_ENUM(TcxColorDialogType)
    enum TcxColorValueFormat { cxcvRGB, cxcvHexadecimal, cxcvInteger };
    Q_ENUM(TcxColorValueFormat)
    enum TcxDefaultColorStyle { cxdcClear, cxdcColor, cxdcHatched, cxdcText, cxdcCustom };
    Q_ENUM(TcxDefaultColorStyle)
    enum TcxColorNamingConvention { cxncNone, cxncVarnel, cxncHTML4, cxncX11 };
    Q_ENUM(TcxColorNamingConvention)
    enum TcxColorPrepareList { cxplNone, cxplVarnel, cxplHTML4, cxplX11, cxplX11Ordered };
    Q_ENUM(TcxColorPrepareList)

    enum class MruOutcome { None, Moved, Added };

    // Hooks with in-out arguments, as the owner of the picker may assign them.
    using SelectCustomColorHook =
        std::function<void(QObject *sender, int &colour, QString &description, bool &addToList)>;
    using NamingConventionHook = std::function<void(QObject *sender, int colour, QString &description)>;
    using GetDefaultColorHook = std::function<void(QObject *sender, int &colour)>;

    explicit TcxColorComboBoxProperties(QObject *parent = nullptr);

    bool AllowSelectColor() const { return m_allowSelectColor; }
    void SetAllowSelectColor(bool v);
    TcxColorComboStyle ColorComboStyle() const { return m_colorComboStyle; }
    void SetColorComboStyle(TcxColorComboStyle v);
    TcxColorBoxAlign ColorBoxAlign() const { return m_colorBoxAlign; }
    void SetColorBoxAlign(TcxColorBoxAlign v);
    int ColorBoxFrameColor() const { return m_colorBoxFrameColor; }
    void SetColorBoxFrameColor(int v);
    int ColorBoxWidth() const { return m_colorBoxWidth; }
    void SetColorBoxWidth(int v);
    TcxColorDialogType ColorDialogType() const { return m_colorDialogType; }
    void SetColorDialogType(TcxColorDialogType v);
    TcxColorValueFormat ColorValueFormat() const { return m_colorValueFormat; }
    void SetColorValueFormat(TcxColorValueFormat v);
    int DefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(int v);
    QString DefaultDescription() const { return m_defaultDescription; }
    void SetDefaultDescription(const QString &v);
    TcxDefaultColorStyle DefaultColorStyle() const { return m_defaultColorStyle; }
    void SetDefaultColorStyle(TcxDefaultColorStyle v);
    bool ShowDescriptions() const { return m_showDescriptions; }
    void SetShowDescriptions(bool v);
    int MaxMRUColors() const { return m_maxMRUColors; }
    void SetMaxMRUColors(int v);
    TcxColorNamingConvention NamingConvention() const { return m_namingConvention; }
    void SetNamingConvention(TcxColorNamingConvention v);
    TcxColorPrepareList PrepareList() const { return m_prepareList; }
    void SetPrepareList(TcxColorPrepareList v);
    TcxColorComboBoxItems *Items() const { return m_items; }
    TcxColorComboBoxItems *MRUColors() const { return m_mru; }
    QString PrepareInfo() const { return m_prepareInfo; }
    void SetPrepareInfo(const QString &info);
    // While a layout is read, preparing waits for the end, so that the stored custom entries
    // stand first whatever order the settings arrive in.
    void HoldPreparation();
    void ReleasePreparation();
    int DropDownRows() const { return m_dropDownRows; }
    void SetDropDownRows(int v);
    bool ImmediatePost() const { return m_immediatePost; }
    void SetImmediatePost(bool v) { m_immediatePost = v; }
    bool ValidateOnEnter() const { return m_validateOnEnter; }
    void SetValidateOnEnter(bool v) { m_validateOnEnter = v; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v);

    void SetOnSelectCustomColor(SelectCustomColorHook hook) { m_onSelectCustomColor = std::move(hook); }
    const SelectCustomColorHook &OnSelectCustomColor() const { return m_onSelectCustomColor; }
    void SetOnNamingConvention(NamingConventionHook hook) { m_onNamingConvention = std::move(hook); }
    void SetOnGetDefaultColor(GetDefaultColorHook hook) { m_onGetDefaultColor = std::move(hook); }
    const GetDefaultColorHook &OnGetDefaultColor() const { return m_onGetDefaultColor; }

    // Rows: MRU entries first, then `Items`.
    int RowCount() const { return m_mru->Count() + m_items->Count(); }
    int MRUCount() const { return m_mru->Count(); }
    const TcxColorComboBoxItem *RowItem(int row) const;
    int RowOfColor(int colour) const;

    MruOutcome AddMRUColor(int colour);
    void TrimMRU();

    // The row text for colour k with stored text `stored` (empty while descriptions are hidden).
    QString DescribeColor(int colour, const QString &stored, const QPalette &palette) const;
    QString FormatColorValue(int colour, const QPalette &palette) const;

signals:
    void Changed();
    // The rows changed (either list); the picker repaints.
    void RowsChanged();
    void OnAddedMRUColor();
    void OnDeletedMRUColor();

private:
    template <typename T>
    void assign(T &field, const T &value);

    bool m_allowSelectColor = false;
    TcxColorComboStyle m_colorComboStyle = cxccsComboEdit;
    TcxColorBoxAlign m_colorBoxAlign = cbaLeft;
    int m_colorBoxFrameColor = static_cast<int>(0xFF000010u); // clBtnShadow
    int m_colorBoxWidth = 30;
    TcxColorDialogType m_colorDialogType = cxcdtDefault;
    TcxColorValueFormat m_colorValueFormat = cxcvRGB;
    int m_defaultColor = static_cast<int>(0xFF000005u); // clWindow
    QString m_defaultDescription = QStringLiteral("Color not selected");
    TcxDefaultColorStyle m_defaultColorStyle = cxdcColor;
    bool m_showDescriptions = true;
    int m_maxMRUColors = 10;
    TcxColorNamingConvention m_namingConvention = cxncVarnel;
    TcxColorPrepareList m_prepareList = cxplVarnel;
    TcxColorComboBoxItems *m_items;
    TcxColorComboBoxItems *m_mru;
    void prepareList();

    QString m_prepareInfo;
    bool m_holdPreparation = false;
    bool m_preparationPending = false;
    int m_dropDownRows = 8;
    bool m_immediatePost = false;
    bool m_validateOnEnter = true;
    bool m_readOnly = false;

    SelectCustomColorHook m_onSelectCustomColor;
    NamingConventionHook m_onNamingConvention;
    GetDefaultColorHook m_onGetDefaultColor;
};
