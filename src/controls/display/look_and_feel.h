#pragma once
#include <QObject>

namespace dorvane::display {

// The look a button or page control asks for. Every kind is drawn in the platform's standard
// look here; the kind is kept so that layouts load and store it unchanged.
class LookAndFeel final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TLookAndFeelKind Kind READ Kind WRITE SetKind NOTIFY Changed)
    Q_PROPERTY(bool NativeStyle READ NativeStyle WRITE SetNativeStyle NOTIFY Changed)

public:
    enum TLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
    Q_ENUM(TLookAndFeelKind)

    using QObject::QObject;
    TLookAndFeelKind Kind() const { return m_kind; }
    void SetKind(TLookAndFeelKind k);
    bool NativeStyle() const { return m_nativeStyle; }
    void SetNativeStyle(bool v);

signals:
    void Changed();

private:
    TLookAndFeelKind m_kind = lfStandard;
    bool m_nativeStyle = false;
};

} // namespace dorvane::display
