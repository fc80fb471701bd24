#pragma once
#include <QObject>

// Where the spin buttons stand and whether the fast pair is shown.
class TcxSpinEditButtons final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TcxSpinEditButtonsPosition Position READ Position WRITE SetPosition NOTIFY Changed)
    Q_PROPERTY(bool ShowFastButtons READ ShowFastButtons WRITE SetShowFastButtons NOTIFY Changed)

public:
    enum TcxSpinEditButtonsPosition { sbpHorzLeftRight, sbpHorzRight, sbpVert };
    Q_ENUM(TcxSpinEditButtonsPosition)

    explicit TcxSpinEditButtons(QObject *parent = nullptr) : QObject(parent) {}

    TcxSpinEditButtonsPosition Position() const { return m_position; }
    void SetPosition(TcxSpinEditButtonsPosition v);
    bool ShowFastButtons() const { return m_showFastButtons; }
    void SetShowFastButtons(bool v);

signals:
    void Changed();

private:
    TcxSpinEditButtonsPosition m_position = sbpVert;
    bool m_showFastButtons = false;
};

// The settings of a numeric spin edit.
class TcxSpinEditProperties final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TcxSpinEditValueType ValueType READ ValueType WRITE SetValueType NOTIFY Changed)
    Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue NOTIFY Changed)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue NOTIFY Changed)
    Q_PROPERTY(double Increment READ Increment WRITE SetIncrement NOTIFY Changed)
    Q_PROPERTY(double LargeIncrement READ LargeIncrement WRITE SetLargeIncrement NOTIFY Changed)
    Q_PROPERTY(bool CanEdit READ CanEdit WRITE SetCanEdit NOTIFY Changed)
    Q_PROPERTY(bool UseCtrlIncrement READ UseCtrlIncrement WRITE SetUseCtrlIncrement NOTIFY Changed)
    Q_PROPERTY(bool ValidateOnEnter READ ValidateOnEnter WRITE SetValidateOnEnter NOTIFY Changed)
    Q_PROPERTY(bool ImmediatePost READ ImmediatePost WRITE SetImmediatePost NOTIFY Changed)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect NOTIFY Changed)
    Q_PROPERTY(bool BeepOnError READ BeepOnError WRITE SetBeepOnError NOTIFY Changed)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly NOTIFY Changed)
    Q_PROPERTY(TcxSpinEditButtons *SpinButtons READ SpinButtons)

public:
    enum TcxSpinEditValueType { vtInt, vtFloat };
    Q_ENUM(TcxSpinEditValueType)

    explicit TcxSpinEditProperties(QObject *parent = nullptr);

    TcxSpinEditValueType ValueType() const { return m_valueType; }
    void SetValueType(TcxSpinEditValueType v);
    double MinValue() const { return m_minValue; }
    void SetMinValue(double v); // above an assigned MaxValue stores MaxValue
    double MaxValue() const { return m_maxValue; }
    void SetMaxValue(double v); // below an assigned MinValue stores MinValue
    // Limits apply only while MaxValue is greater than MinValue.
    bool HasLimits() const { return m_maxValue > m_minValue; }
    double Increment() const { return m_increment; }
    void SetIncrement(double v);
    double LargeIncrement() const { return m_largeIncrement; }
    void SetLargeIncrement(double v);
    bool CanEdit() const { return m_canEdit; }
    void SetCanEdit(bool v);
    bool UseCtrlIncrement() const { return m_useCtrlIncrement; }
    void SetUseCtrlIncrement(bool v);
    bool ValidateOnEnter() const { return m_validateOnEnter; }
    void SetValidateOnEnter(bool v);
    bool ImmediatePost() const { return m_immediatePost; }
    void SetImmediatePost(bool v);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool v);
    bool BeepOnError() const { return m_beepOnError; }
    void SetBeepOnError(bool v);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v);
    TcxSpinEditButtons *SpinButtons() const { return m_spinButtons; }

signals:
    void Changed();

private:
    template <typename T>
    void set(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        emit Changed();
    }

    TcxSpinEditValueType m_valueType = vtInt;
    double m_minValue = 0;
    double m_maxValue = 0;
    bool m_minAssigned = false;
    bool m_maxAssigned = false;
    double m_increment = 1;
    double m_largeIncrement = 10;
    bool m_canEdit = true;
    bool m_useCtrlIncrement = false;
    bool m_validateOnEnter = true;
    bool m_immediatePost = false;
    bool m_autoSelect = true;
    bool m_beepOnError = false;
    bool m_readOnly = false;
    TcxSpinEditButtons *m_spinButtons;
};
